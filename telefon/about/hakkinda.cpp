#include "telefon/about/hakkinda.h"
#include "ui/named_child.h"
#include "ui/support_contact.h"

#include "telefon/ana/ana.h"
#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/fonts.h"
#include "ui/shapes.h"
#include "ui/single_window.h"
#include "update/update_window.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace marunda::telefon {

using marunda::ui::CommandLabel;
namespace colours = marunda::ui::colours;

namespace {

const QString kCredit =
    QStringLiteral("Bu program Marunda Yazılım tarafından yazılmıştır ve ücretsizdir.");
const QString kEmail = QStringLiteral("E-Mail: ") + marunda::ui::supportEmail();
const QString kWeb = QStringLiteral("Web:   ") + marunda::ui::supportWeb();

QLabel* textLabel(const char* name, const QString& text, const QRect& box, QWidget* parent) {
    auto* label = marunda::ui::placed(new QLabel(text, parent), QString::fromLatin1(name), box);
    label->setTextFormat(Qt::PlainText);
    return label;
}

CommandLabel* command(const char* name, const QString& text, const QRect& box, QWidget* parent) {
    auto* label = marunda::ui::named(new CommandLabel(text, parent), QString::fromLatin1(name));
    label->setFont(marunda::ui::tahoma(9.75, true));
    // Our Tahoma Bold runs a pixel or two wider than the one the boxes were measured with.
    const int needed = label->fontMetrics().horizontalAdvance(text);
    label->setGeometry(box.adjusted(0, 0, qMax(0, needed - box.width()), 0));
    label->setColours(colours::pageNormal);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

Hakkinda::Hakkinda(Ana& ana)
    : QDialog(&ana)
    , ana_(ana)
    , background_(QStringLiteral(":/pictures/hakkinda.png")) {
    setObjectName(QStringLiteral("hakkında"));
    setWindowTitle(QStringLiteral("Program Hakkında"));
    setFont(marunda::ui::msSansSerif(8.25));
    setFixedSize(419, 187);
    setMouseTracking(true);

    auto* image1 = textLabel("Image1", {}, {280, 0, 142, 237}, this);
    image1->setPixmap(QPixmap(QStringLiteral(":/pictures/hakkinda-resim.png")));
    image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* shape1 = new QFrame(this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape1->setGeometry(16, 32, 249, 121);
    // A drawn frame, not a control: the mouse inside it is over the window's background.
    shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    buildTexts();
    buildCommands();
    auto* line1 = new marunda::ui::LineShape(QLine(208, 180, 208, 163), QColor(128, 64, 0), this);
    line1->setObjectName(QStringLiteral("Line1"));

    if (const QScreen* where = ana.screen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Hakkinda::buildTexts() {
    auto* title = textLabel("Label2", QStringLiteral("Marunda 1.7"), {64, 8, 161, 25}, this);
    title->setFont(marunda::ui::msSansSerif(12, true));
    auto* credit = textLabel("Label1", kCredit, {23, 40, 241, 65}, this);
    credit->setFont(marunda::ui::msSansSerif(12, true));
    credit->setWordWrap(true);
    credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textLabel("Label3", kEmail, {32, 112, 149, 13}, this);
    textLabel("Label4", kWeb, {32, 128, 201, 13}, this);
}

void Hakkinda::buildCommands() {
    label5_ = command("Label5", QStringLiteral("Internetten Bilgi Al!"), {64, 163, 128, 16}, this);
    com6_ = command("com6", QStringLiteral("Kapat"), {224, 163, 41, 17}, this);
    connect(label5_, &CommandLabel::clicked, this, &Hakkinda::openUpdate);
    connect(com6_, &CommandLabel::clicked, this, &Hakkinda::close);
    connect(label5_, &CommandLabel::hovered, this,
            [this] { label5_->setColours(colours::highlight); });
    connect(com6_, &CommandLabel::hovered, this, [this] { com6_->setColours(colours::highlight); });
}

void Hakkinda::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void Hakkinda::mouseMoveEvent(QMouseEvent* event) {
    QDialog::mouseMoveEvent(event);
    label5_->setColours(colours::pageNormal);
    com6_->setColours(colours::pageNormal);
}

void Hakkinda::openUpdate() {
    // One update window for the program; it stays open when the About window closes.
    static marunda::ui::SingleWindow<marunda::Update> update;
    update.open(ana_.store().folder(), QStringLiteral("Lütfen Bekleyin..."), &ana_);
}

} // namespace marunda::telefon
