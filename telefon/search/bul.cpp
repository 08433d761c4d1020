#include "telefon/search/bul.h"

#include "telefon/ana/ana.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/named_child.h"
#include "ui/progress_bar.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace marunda::telefon {

using marunda::ui::MessageBox;

namespace {

const QString kSearching = QStringLiteral("Arama yapılıyor lütfen bekleyin...");
const QString kNotFound = QStringLiteral("Aradığınız kayıt bulunamadı...");
const QString kUnreadableBook =
    QStringLiteral("'telefon.dat' dosyası okunamıyor, işlem yapılamadı. Dosya başka bir program "
                   "tarafından kullanılıyor olabilir, lütfen daha sonra tekrar deneyin.");
const QString kPageGone =
    QStringLiteral("Bu kayıt artık rehberde bulunmuyor. Lütfen aramayı yeniden yapın.");
const QString kPageMoved =
    QStringLiteral("Rehber, arama yapıldıktan sonra değişti; bu kişi artık bu sayfada değil. "
                   "Lütfen aramayı yeniden yapın.");
constexpr int kPhoneFieldRole = Qt::UserRole;

// The list's columns were designed in twips; the window works in pixels.
int twipsToPixels(int twips) {
    return qRound(twips / 15.0);
}

using marunda::ui::placed;

QLineEdit* inputBox(const char* name, int maxLength, const QRect& box, QWidget* parent) {
    auto* edit = placed(new QLineEdit(parent), name, box);
    edit->setMaxLength(maxLength);
    return edit;
}

// Enabled boxes have the window background colour, disabled ones the button face.
void setInputEnabled(QLineEdit* box, bool enabled) {
    box->setEnabled(enabled);
    const QColor colour =
        QApplication::palette().color(enabled ? QPalette::Base : QPalette::Button);
    QPalette p = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, colour);
    }
    box->setPalette(p);
}

// Rows hold the fields at their full stored width; drawn, the trailing blanks would only push
// an ellipsis into every cell.
class StoredTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        qsizetype end = option->text.size();
        while (end > 0 && option->text.at(end - 1) == u' ') {
            --end;
        }
        option->text.truncate(end);
    }
};

QString qText(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

Bul::Bul(Ana& ana)
    : QDialog(&ana)
    , ana_(ana) {
    setObjectName(QStringLiteral("bul"));
    setWindowTitle(QStringLiteral("Telefon Bul"));
    setFont(marunda::ui::msSansSerif(8.25));
    setFixedSize(400, 418);
    buildSearchFrame();
    buildResults();
    setTabOrder(isim_, no_);
    setTabOrder(no_, option1_);
    setTabOrder(option1_, option2_);
    setTabOrder(option2_, command1_);
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, listView1_);
    applyInputRule();
    isim_->setFocus();

    connect(option1_, &QRadioButton::toggled, this, &Bul::applyInputRule);
    connect(command1_, &QPushButton::clicked, this, &Bul::find);
    connect(command2_, &QPushButton::clicked, this, &Bul::reject);
    connect(listView1_, &QTreeWidget::itemDoubleClicked, this, &Bul::openResult);
}

void Bul::buildSearchFrame() {
    auto* frame1 = placed(new QGroupBox(QStringLiteral("Bul"), this), "Frame1", {8, 4, 384, 146});
    auto* frame2 =
        placed(new QGroupBox(QStringLiteral("Arama Şekli"), frame1), "Frame2", {8, 16, 144, 80});
    option1_ = placed(new QRadioButton(QStringLiteral("İsim'e göre"), frame2), "Option1",
                      {10, 24, 128, 20});
    option2_ = placed(new QRadioButton(QStringLiteral("Telefon No'ya göre"), frame2), "Option2",
                      {10, 50, 128, 20});
    option1_->setChecked(true);

    auto* frame3 =
        placed(new QGroupBox(QStringLiteral("Bilgiler"), frame1), "Frame3", {160, 16, 216, 80});
    placed(new QLabel(QStringLiteral("İsim:"), frame3), "Label1", {8, 26, 68, 17});
    isim_ = inputBox("isim", static_cast<int>(marunda::fieldWidth(marunda::Field::name)),
                     {80, 24, 128, 21}, frame3);
    placed(new QLabel(QStringLiteral("Telefon No:"), frame3), "Label3", {8, 52, 68, 17});
    no_ = inputBox("no", static_cast<int>(marunda::fieldWidth(marunda::Field::phone1)),
                   {80, 50, 128, 21}, frame3);

    command1_ =
        placed(new QPushButton(QStringLiteral("Bul"), frame1), "Command1", {200, 106, 84, 28});
    command1_->setDefault(true);
    command2_ =
        placed(new QPushButton(QStringLiteral("İptal"), frame1), "Command2", {292, 106, 84, 28});
}

void Bul::buildResults() {
    listView1_ = placed(new QTreeWidget(this), "ListView1", {8, 156, 384, 210});
    listView1_->setRootIsDecorated(false);
    listView1_->setUniformRowHeights(true);
    listView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView1_->setItemDelegate(new StoredTextDelegate(listView1_));
    listView1_->setHeaderLabels(
        {QStringLiteral("İsim"), QStringLiteral("Telefon"), QStringLiteral("Sayfa")});
    listView1_->header()->setStretchLastSection(false);
    listView1_->setColumnWidth(0, twipsToPixels(2940));
    listView1_->setColumnWidth(1, twipsToPixels(2000));
    listView1_->setColumnWidth(2, twipsToPixels(500));

    label2_ = placed(new QLabel(this), "Label2", {8, 372, 384, 17});
    cubuk_ = ui::placedProgressBar(this, {8, 392, 384, 18});
    cubuk_->setRange(0, 1);
}

void Bul::applyInputRule() {
    const bool byName = option1_->isChecked();
    setInputEnabled(isim_, byName);
    setInputEnabled(no_, !byName);
}

QLineEdit* Bul::activeInput() const {
    return option1_->isChecked() ? isim_ : no_;
}

void Bul::find() {
    (void)ana_.store().enterProgramFolder();
    label2_->setText(kSearching);
    arama();
}

marunda::SearchQuery Bul::query() const {
    if (option1_->isChecked()) {
        return {marunda::SearchKind::name, isim_->text().toStdString()};
    }
    return {marunda::SearchKind::phone, no_->text().toStdString()};
}

int Bul::arama() {
    label2_->setText(kSearching);
    label2_->repaint(); // the scan does not return to the event loop before it ends
    command1_->setEnabled(false);
    auto outcome = marunda::searchStore(
        ana_.store(), query(), [this](int scanned, int total) { showProgress(scanned, total); });
    if (!outcome) {
        // The list, the boxes and the files stay as they were.
        label2_->clear();
        command1_->setEnabled(true);
        cubuk_->setValue(0);
        MessageBox::critical(this, QStringLiteral("Hata"), kUnreadableBook);
        return 0;
    }
    showRows(outcome.value().rows);
    const int count = static_cast<int>(outcome.value().rows.size());
    finishSearch(count);
    return count;
}

void Bul::showProgress(int scanned, int total) {
    if (cubuk_->maximum() != total) {
        cubuk_->setRange(0, total);
    }
    cubuk_->setValue(scanned); // repaints at once when the bar has visibly moved
}

void Bul::showRows(const std::vector<marunda::SearchRow>& rows) {
    listView1_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& row : rows) {
        auto* item = new QTreeWidgetItem(
            QStringList{qText(row.name), qText(row.phone), QString::number(row.page)});
        item->setData(0, kPhoneFieldRole, static_cast<int>(row.phoneField));
        items.append(item);
    }
    listView1_->addTopLevelItems(items);
}

void Bul::finishSearch(int count) {
    if (count > 0) {
        ana_.resetCommandColours("com2");
        label2_->setText(QStringLiteral(" %1 tane kayıt bulundu").arg(count));
        no_->clear();
        isim_->clear();
    } else {
        label2_->setText(kNotFound);
        isim_->selectAll();
        no_->selectAll();
    }
    command1_->setEnabled(true);
    cubuk_->setValue(0);
    // Disabling the find button moved the focus away; typing goes to the search text again.
    activeInput()->setFocus();
}

void Bul::openResult(QTreeWidgetItem* item) {
    const int page = item->text(2).toInt();
    const auto& store = ana_.store();
    (void)store.enterProgramFolder();
    auto records = store.recordCount();
    if (!records) {
        MessageBox::critical(this, QStringLiteral("Hata"), kUnreadableBook);
        return;
    }
    if (page > records.value()) {
        // The book changed since the search (a page was deleted meanwhile).
        MessageBox::information(this, QStringLiteral("Telefon Bul"), kPageGone);
        return;
    }
    auto record = store.readPage(page);
    if (!record) {
        MessageBox::critical(this, QStringLiteral("Hata"), kUnreadableBook);
        return;
    }
    // A deletion meanwhile moves the later contacts up: the page must still hold the one found.
    const auto phoneField = static_cast<marunda::Field>(item->data(0, kPhoneFieldRole).toInt());
    if (qText(record.value().text(marunda::Field::name)) != item->text(0) ||
        qText(record.value().text(phoneField)) != item->text(1)) {
        MessageBox::information(this, QStringLiteral("Telefon Bul"), kPageMoved);
        return;
    }
    ana_.showPage(page, record.value());
    close();
}

} // namespace marunda::telefon
