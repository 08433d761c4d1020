// Where every control of the main window stands, and how it looks.
#include "telefon/ana/ana.h"

#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/fonts.h"
#include "ui/named_child.h"
#include "ui/notice.h"
#include "ui/shapes.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace marunda::telefon {

using marunda::Field;
using marunda::ui::CommandLabel;
namespace colours = marunda::ui::colours;

namespace {

struct FieldLabels {
    Field field;
    const char* captionName;
    const char* caption;
    QPoint captionAt;
    const char* displayName;
    QRect displayBox;
};

// In field order; the first eight are section 1, the rest section 2.
const FieldLabels kFieldLabels[] = {
    {Field::name, "Label2", "İsim:", {320, 72}, "isimb", {360, 72, 177, 33}},
    {Field::phone1, "Label3", "Telefon 1:", {320, 112}, "tel1b", {392, 112, 145, 17}},
    {Field::phone2, "Label4", "Telefon 2:", {320, 136}, "tel2b", {392, 136, 145, 17}},
    {Field::phone3, "Label5", "Telefon 3:", {320, 160}, "tel3b", {392, 160, 145, 17}},
    {Field::fax, "Label6", "Fax:", {320, 184}, "faxb", {352, 184, 177, 17}},
    {Field::address, "Label7", "Adres:", {320, 208}, "adresb", {376, 208, 161, 49}},
    {Field::birthday, "Label8", "Doğumgünü:", {320, 264}, "zilorab", {408, 264, 129, 17}},
    {Field::notes, "Label9", "Notlar:", {320, 288}, "notlarb", {376, 288, 161, 49}},
    {Field::email1, "Label17", "E-mail 1:", {320, 72}, "email1b", {384, 72, 153, 17}},
    {Field::email2, "Label18", "E-mail 2:", {320, 96}, "email2b", {384, 96, 153, 17}},
    {Field::email3, "Label16", "E-mail 3:", {320, 120}, "email3b", {384, 120, 153, 17}},
    {Field::icq1, "Label19", "Icq 1:", {320, 160}, "icq1b", {384, 160, 153, 17}},
    {Field::icq2, "Label20", "Icq 2:", {320, 184}, "icq2b", {384, 184, 153, 17}},
    {Field::internet, "Label24", "Internet:", {320, 224}, "internetb", {320, 240, 217, 17}},
    {Field::taxOffice, "Label21", "Vergi Dairesi:", {320, 272}, "vergib", {416, 272, 121, 33}},
    {Field::taxNumber, "Label22", "Vergi No:", {320, 312}, "verginob", {384, 312, 153, 17}},
};

struct Command {
    const char* caption;
    QRect box;
};

// com1 ... com9; each marker stands left of its command, at the same height.
const Command kCommands[Ana::kCommandCount] = {
    {"Yeni Telefon", {72, 64, 79, 16}},
    {"Telefon Bul", {72, 88, 70, 16}},
    {"Telefon Değiştir", {72, 112, 101, 16}},
    {"Telefon Sil", {72, 136, 65, 16}},
    {"Küçült", {72, 296, 49, 17}},
    {"Kapat", {72, 320, 49, 17}},
    {"Hakkında", {176, 320, 65, 17}},
    {"Şifre", {176, 296, 41, 17}},
    {"Döküm Al", {72, 160, 60, 16}},
};

struct PageCommand {
    const char* name;
    const char* caption;
    QRect box;
};

const PageCommand kPageCommands[] = {
    {"ilk", "<<--İlk", {40, 224, 49, 17}},
    {"geri", "<--", {104, 224, 25, 17}},
    {"ileri", "-->", {144, 224, 33, 17}},
    {"son", "Son-->>", {184, 224, 65, 17}},
};

const QString kFieldTip = QStringLiteral("Rehberdeki bilgilere çift tıklayarak panoya "
                                         "kopyalayabilir ve daha sonra başka yerlerde "
                                         "kullanabilirsiniz");

} // namespace

CommandLabel* Ana::addLabel(const QString& name, const QString& caption, const QRect& box,
                            qreal points, bool bold, const QColor& colour) {
    auto* label = marunda::ui::named(new CommandLabel(caption, this), name);
    label->setFont(marunda::ui::tahoma(points, bold));
    label->setColours(colour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The boxes were drawn for the original font; a caption that comes out a few pixels wider
    // here widens its box rather than being cut.
    const int fitting = label->sizeHint().width();
    label->setGeometry(
        QRect(box.topLeft(), QSize(qMax(box.width(), fitting),
                                   box.height() > 0 ? box.height() : label->sizeHint().height())));
    return label;
}

void Ana::buildFieldLabels() {
    for (const FieldLabels& f : kFieldLabels) {
        const auto i = static_cast<std::size_t>(f.field);
        captions_[i] = addLabel(f.captionName, f.caption, QRect(f.captionAt, QSize()), 9.75, true,
                                colours::commandNormal);
        display_[i] = addLabel(f.displayName, {}, f.displayBox, 9.75, false, colours::fieldText);
        display_[i]->setWordWrap(true);
        display_[i]->setToolTip(kFieldTip);
    }
    addLabel("Label1", "Telefon Rehberi", {328, 24, 185, 25}, 12, false, colours::commandNormal);
    addLabel("Label11", "Sayfa:", {472, 16, 33, 17}, 8.25, false, colours::commandNormal);
    sirab_ = addLabel("sırab", "1", {512, 16, 25, 17}, 8.25, false, colours::commandNormal);
    // Room for the highest page number, not only for the "1" it starts with.
    const int widest =
        QFontMetrics(sirab_->font()).horizontalAdvance(QString::number(marunda::kMaxPage));
    sirab_->resize(qMax(sirab_->width(), widest), sirab_->height());
}

void Ana::buildMenu() {
    addLabel("Label12", "Menü:", {48, 24, 73, 25}, 12, false, colours::commandNormal);
    addLabel("Label13", "Program Seçenekleri:", {48, 248, 153, 25}, 12, false,
             colours::commandNormal);
    for (int i = 0; i < kCommandCount; ++i) {
        const QString name = QStringLiteral("com%1").arg(i + 1);
        const QRect box = kCommands[i].box;
        commands_[i] =
            addLabel(name, kCommands[i].caption, box, 9.75, true, colours::commandNormal);
        markers_[i] = new marunda::ui::MarkerShape(colours::pageNormal, this);
        markers_[i]->setObjectName(name + "b");
        markers_[i]->setGeometry(box.x() >= 176 ? 152 : 48, box.y(), 9, 17);
    }
}

void Ana::buildPageCommands() {
    addLabel("Label10", "Sayfa Seçenekleri:", {48, 192, 153, 25}, 12, false,
             colours::commandNormal);
    for (std::size_t i = 0; i < pageCommands_.size(); ++i) {
        const PageCommand& c = kPageCommands[i];
        pageCommands_[i] = addLabel(c.name, c.caption, c.box, 9.75, true, colours::pageNormal);
    }
    // The switches show the outlined triangles that point to the other section.
    switches_[0] = addLabel("Label14", QStringLiteral("▽"), {530, 352, 11, 12}, 8.25, false,
                            colours::switchStart);
    switches_[1] = addLabel("Label15", QStringLiteral("△"), {530, 337, 11, 12}, 8.25, false,
                            colours::switchStart);
    for (Label* s : switches_) {
        s->setFont(marunda::ui::symbols(8.25));
        s->setToolTip(QStringLiteral("Diğer Bölüm"));
    }
}

void Ana::buildHiddenControls() {
    pano_ = new marunda::ui::Notice(QStringLiteral("Bilgi Panoda!"), this);
    pano_->setObjectName("pano");
    pano_->timer()->setObjectName("Timer1");
    pano_->setFont(marunda::ui::tahoma(8.25));
    pano_->setGeometry(104, 24, 129, 17);
    // Not one of the labels that move the window, nor its background: presses and moves over
    // the notice stay with it.
    pano_->setMouseTracking(true);
    pano_->setAttribute(Qt::WA_NoMousePropagation);
    QPalette p = pano_->palette();
    p.setColor(QPalette::WindowText, colours::commandNormal);
    pano_->setPalette(p);

    // Outside the visible area: Esc is the program's emergency exit.
    command1_ = new QPushButton(QStringLiteral("Command1"), this);
    command1_->setObjectName("Command1");
    command1_->setGeometry(-200, -200, 81, 25);
    command1_->setFocusPolicy(Qt::NoFocus);
    // A button's own shortcut clicks it only after a delay; the program ends at once.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, command1_, &QPushButton::click);

    tmp1_ = new QLineEdit(this);
    tmp1_->setObjectName("tmp1");
    tmp1_->setGeometry(-200, -160, 81, 21);
    tmp1_->setFocusPolicy(Qt::NoFocus);
}

void Ana::buildLines() {
    const struct {
        const char* name;
        QLine line;
    } lines[] = {{"Line1", {320, 48, 528, 48}},
                 {"Line2", {32, 48, 240, 48}},
                 {"Line3", {32, 216, 240, 216}},
                 {"Line4", {32, 272, 240, 272}},
                 {"Line5", {136, 352, 136, 272}}};
    for (const auto& l : lines) {
        const bool divider = QLatin1String(l.name) == QLatin1String("Line5");
        const QColor colour =
            divider ? palette().color(QPalette::WindowText) : colours::commandNormal;
        auto* line = new marunda::ui::LineShape(l.line, colour, this);
        line->setObjectName(l.name);
    }
}

} // namespace marunda::telefon
