#include "telefon/listing/dokum.h"

#include "core/file_io.h"
#include "core/vcard_export.h"
#include "telefon/ana/ana.h"
#include "telefon/listing/kaydet.h"
#include "telefon/listing/listing_widgets.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/named_child.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace marunda::telefon {

using marunda::ui::MessageBox;

namespace {

struct ColumnBox {
    const char* name;
    const char* caption;
    int column; // of the two in the frame
    int row;
};

// In listing order; the right column ends with "Vergi No" above "Vergi Dairesi".
const ColumnBox kColumnBoxes[] = {
    {"telefon1", "Telefon 1", 0, 0}, {"telefon2", "Telefon 2", 0, 1},
    {"telefon3", "Telefon 3", 0, 2}, {"fax", "Fax", 0, 3},
    {"adres", "Adres", 0, 4},        {"zilora", "Doğumgünü", 0, 5},
    {"notlar", "Notlar", 0, 6},      {"email1", "E-mail 1", 1, 0},
    {"email2", "E-mail 2", 1, 1},    {"email3", "E-mail 3", 1, 2},
    {"icq1", "Icq 1", 1, 3},         {"icq2", "Icq 2", 1, 4},
    {"internet", "Internet", 1, 5},  {"vergi", "Vergi Dairesi", 1, 7},
    {"vergino", "Vergi No", 1, 6},
};
static_assert(std::size(kColumnBoxes) == marunda::kListingColumns.size());

const QString kNoFolderText = QStringLiteral(
    "Dökümün kaydedileceği klasörü \"Adres\" kutusuna yazın ya da \"Gözat\" ile seçin.");
const QString kWriteFailedText = QStringLiteral(
    "Döküm dosyası yazılamadı. Klasörün var olduğundan, yazmaya açık olduğundan ve diskte yer "
    "bulunduğundan emin olup yeniden deneyin.");
const QString kReadFailedText =
    QStringLiteral("Rehber dosyası 'telefon.dat' okunamadı, döküm yazılmadı.");
const QString kBookChangedText =
    QStringLiteral("Rehber, bu pencere açıldıktan sonra değişti; döküm yazılmadı. Kişi listesi "
                   "yenilendi, lütfen kişileri yeniden seçin.");

QLabel* label(const char* name, const QString& caption) {
    return marunda::ui::named(new QLabel(caption), QString::fromUtf8(name));
}

} // namespace

Dokum::Dokum(Ana& ana)
    : QDialog(&ana)
    , ana_(ana) {
    setObjectName(QStringLiteral("dokum"));
    setWindowTitle(QStringLiteral("Döküm Alma"));
    setFont(marunda::ui::msSansSerif(8.25));

    const ConfirmRow buttons = confirmRow();
    connect(buttons.tamam, &QPushButton::clicked, this, &Dokum::writeListing);
    connect(buttons.iptal, &QPushButton::clicked, this, &Dokum::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(buildColumns());
    right->addWidget(buildTarget());
    right->addLayout(buttons.row);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildContacts(), 1);
    layout->addLayout(right);

    // The marker exists while the window is open; nothing reads it, so a failure is no matter.
    (void)marunda::overwriteScratchFile(ana_.store().file(marunda::kListingScratchFile), {});
    loadNames();
    adres1_->setText(listingFolderText(ana_.store().folder()));
}

Dokum::~Dokum() {
    // A chooser hidden by its "Tamam" has no listing left to fill; an open one stays until used.
    if (kaydet_ && !kaydet_->isVisible()) {
        delete kaydet_;
    }
}

QWidget* Dokum::buildContacts() {
    auto* frame = new QGroupBox(QStringLiteral("Kişiler"));
    list1_ = new QListWidget;
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);
    list1_->setUniformItemSizes(true);
    sec_ = new QCheckBox(QStringLiteral("Tümünü seç"));
    sec_->setObjectName(QStringLiteral("sec"));
    connect(sec_, &QCheckBox::clicked, this, &Dokum::selectAll);

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(label("Label1", QStringLiteral("Dökümde yer almasını istediğiniz "
                                                     "kişileri seçin")));
    layout->addWidget(list1_);
    layout->addWidget(sec_);
    return frame;
}

QWidget* Dokum::buildColumns() {
    auto* frame = ui::named(new QGroupBox(QStringLiteral("Kapsam")), "Kapsam");
    frame->setToolTip(QStringLiteral(
        "Bu seçenekler yalnızca metin dökümü içindir: dosya adı \".vcf\" ile bitiyorsa seçilen "
        "kişilerin dolu bilgilerinin tümü vCard olarak yazılır."));
    auto* grid = new QGridLayout(frame);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const auto& box = kColumnBoxes[i];
        columns_[i] = new QCheckBox(QString::fromUtf8(box.caption));
        columns_[i]->setObjectName(QString::fromUtf8(box.name));
        grid->addWidget(columns_[i], box.row, box.column);
    }
    return frame;
}

QWidget* Dokum::buildTarget() {
    auto* frame = new QGroupBox(QStringLiteral("Kayıt"));
    yol1_ = new QLineEdit;
    yol1_->setObjectName(QStringLiteral("yol1"));
    adres1_ = new QLineEdit;
    adres1_->setObjectName(QStringLiteral("adres1"));
    adres1_->setMinimumWidth(220);
    auto* command3 = ui::named(new QPushButton(QStringLiteral("Gözat")), "Command3");
    connect(command3, &QPushButton::clicked, this, &Dokum::browse);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(label("Label2", QStringLiteral("Dosya Adı:")), 0, 0);
    grid->addWidget(yol1_, 0, 1, 1, 2);
    grid->addWidget(label("Label3", QStringLiteral("Adres:")), 1, 0);
    grid->addWidget(adres1_, 1, 1);
    grid->addWidget(command3, 1, 2);
    return frame;
}

void Dokum::loadNames() {
    auto names = storedNames();
    if (!names) {
        MessageBox::critical(this, QStringLiteral("Hata"), kReadFailedText);
        return;
    }
    list1_->addItems(names.value());
}

marunda::Result<QStringList> Dokum::storedNames() const {
    auto entries = marunda::readListEntries(ana_.store());
    if (!entries) {
        return entries.error();
    }
    QStringList names;
    names.reserve(static_cast<qsizetype>(entries.value().size()));
    for (const auto& entry : entries.value()) {
        names.append(QString::fromStdString(entry));
    }
    return names;
}

bool Dokum::listStillMatchesBook() {
    auto names = storedNames();
    if (!names) {
        return true; // the listing's own read tells what failed
    }
    QStringList shown;
    for (int row = 0; row < list1_->count(); ++row) {
        shown.append(list1_->item(row)->text());
    }
    if (shown == names.value()) {
        return true;
    }
    // A deletion meanwhile renumbered the pages: the rows chosen may now be other people.
    list1_->clear();
    list1_->addItems(names.value());
    MessageBox::critical(this, QStringLiteral("Hata"), kBookChangedText);
    return false;
}

void Dokum::setFolder(const QString& folder) {
    adres1_->setText(folder);
}

void Dokum::selectAll(bool selected) {
    if (selected) {
        list1_->selectAll();
    } else {
        list1_->clearSelection();
    }
}

void Dokum::browse() {
    if (!kaydet_) {
        kaydet_ = new Kaydet(this, listingFolderText(ana_.store().folder()));
        kaydet_->setAttribute(Qt::WA_DeleteOnClose);
    }
    kaydet_->show();
    kaydet_->raise();
    kaydet_->activateWindow();
}

marunda::ListingColumns Dokum::tickedColumns() const {
    marunda::ListingColumns columns;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns.tick(marunda::kListingColumns[i], columns_[i]->isChecked());
    }
    return columns;
}

std::vector<int> Dokum::selectedPages() const {
    std::vector<int> pages;
    for (const QModelIndex& index : list1_->selectionModel()->selectedIndexes()) {
        pages.push_back(index.row() + 1);
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

bool Dokum::confirmTarget(const std::filesystem::path& target) {
    // A target that cannot even be looked at is left to the write, which tells what failed.
    const auto exists = marunda::fileExists(target);
    return !exists.ok() || !exists.value() ||
           MessageBox::question(this, QStringLiteral("Dosya Zaten Var"),
                                QStringLiteral("Böyle bir dosya zaten var, üstüne yazılsın mı?"));
}

void Dokum::writeListing() {
    if (adres1_->text().isEmpty()) {
        MessageBox::critical(this, QStringLiteral("Hata"), kNoFolderText);
        return;
    }
    const auto folder = adres1_->text().toStdString();
    const auto name = yol1_->text().toStdString();
    // A name ending in ".vcf" asks for the contacts themselves, every field, as a vCard file.
    const bool vcard = marunda::isVcardFileName(name);
    const auto target =
        vcard ? marunda::vcardTarget(folder, name) : marunda::listingTarget(folder, name);
    if (!listStillMatchesBook() || !confirmTarget(target)) {
        return;
    }
    const auto written =
        vcard ? marunda::exportVcards(ana_.store(), selectedPages(), target)
              : marunda::writeListing(ana_.store(), selectedPages(), tickedColumns(), target);
    if (!written) {
        const bool unwritable = written.error().code == marunda::ErrorCode::unwritable;
        MessageBox::critical(this, QStringLiteral("Hata"),
                             unwritable ? kWriteFailedText : kReadFailedText);
        return;
    }
    Ana& ana = ana_;
    close();
    ana.notice(vcard ? QStringLiteral("vCard Kaydedildi!") : QStringLiteral("Döküm Kaydedildi!"));
}

void Dokum::reject() {
    close();
}

void Dokum::closeEvent(QCloseEvent* event) {
    (void)marunda::removeFile(ana_.store().file(marunda::kListingScratchFile));
    (void)ana_.store().enterProgramFolder();
    // Not QDialog's handler: it would route the close through reject() once more.
    event->accept();
}

} // namespace marunda::telefon
