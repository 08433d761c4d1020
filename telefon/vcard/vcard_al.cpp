#include "telefon/vcard/vcard_al.h"

#include "core/contact_import.h"
#include "telefon/ana/ana.h"
#include "telefon/listing/listing_widgets.h"
#include "telefon/vcard/import_table.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/named_child.h"
#include "ui/support_contact.h"

#include <QHeaderView>

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cstdlib>

namespace marunda::telefon {

using marunda::ui::MessageBox;

namespace {

// Skipped cards named in the window; the rest are counted.
constexpr int kSkipsShown = 5;

} // namespace

VcardAl::VcardAl(Ana& ana, marunda::ImportPreview preview, const QStringList& fileNames)
    : QDialog(&ana)
    , ana_(ana) {
    setObjectName(QStringLiteral("vcardAl"));
    setWindowTitle(QStringLiteral("vCard Al"));
    setFont(marunda::ui::msSansSerif(8.25));
    // One import at a time, and the book stays as the preview saw it while the user chooses.
    setWindowModality(Qt::ApplicationModal);
    resize(680, 440);

    table_ = new ImportTable(std::move(preview.entries), this);
    list1_ = marunda::ui::named(new QTableView, "List1");
    list1_->setModel(table_);
    list1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list1_->setWordWrap(false);
    // Fixed row heights and column widths: nothing is measured row by row, so that 32767 rows
    // open and scroll at once.
    list1_->verticalHeader()->hide();
    list1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list1_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    list1_->horizontalHeader()->setStretchLastSection(true);
    list1_->setColumnWidth(ImportTable::name, 190);
    list1_->setColumnWidth(ImportTable::phones, 190);
    list1_->setColumnWidth(ImportTable::birthday, 80);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(marunda::ui::named(
        new QLabel(QStringLiteral("Rehbere eklemek istediğiniz kişileri işaretleyin")), "Label1"));
    layout->addWidget(list1_, 1);
    if (!preview.skipped.empty()) {
        auto* skipped =
            marunda::ui::named(new QLabel(skippedText(preview.skipped, fileNames)), "Label2");
        skipped->setWordWrap(true);
        layout->addWidget(skipped);
    }
    const ConfirmRow buttons = confirmRow();
    connect(buttons.tamam, &QPushButton::clicked, this, &VcardAl::addTicked);
    connect(buttons.iptal, &QPushButton::clicked, this, &VcardAl::reject);
    layout->addLayout(buttons.row);
}

QString VcardAl::skippedText(const std::vector<marunda::PreviewSkip>& skipped,
                             const QStringList& fileNames) const {
    QStringList lines{QStringLiteral("Okunamayan kartlar alınmayacak:")};
    for (std::size_t k = 0; k < skipped.size() && k < kSkipsShown; ++k) {
        const auto& [file, skip] = skipped[k];
        const QString name = file < fileNames.size() ? fileNames[file] : QString();
        lines.append(QStringLiteral("%1, satır %2: %3")
                         .arg(name)
                         .arg(skip.line)
                         .arg(QString::fromStdString(skip.reason)));
    }
    if (skipped.size() > kSkipsShown) {
        lines.append(QStringLiteral("ve %1 kart daha").arg(skipped.size() - kSkipsShown));
    }
    return lines.join(QLatin1Char('\n'));
}

void VcardAl::addTicked() {
    const auto records = table_->tickedRecords();
    const auto added = marunda::addContacts(ana_.store(), records);
    if (!added && added.error().code == marunda::ErrorCode::bookFull) {
        const int room = std::atoi(added.error().detail.c_str());
        MessageBox::critical(
            this, QStringLiteral("Hata"),
            QString::fromStdString(marunda::importRefusal(static_cast<int>(records.size()), room)));
        return;
    }
    if (!added) {
        MessageBox::critical(this, QStringLiteral("Kayıt Hatası"),
                             QStringLiteral("Kişiler rehbere eklenemedi; rehberde hiçbir "
                                            "değişiklik yapılmadı. ") +
                                 marunda::ui::supportSentence());
        return;
    }
    Ana& ana = ana_;
    close();
    if (!records.empty()) {
        ana.showPage(added.value(), records.front());
    }
    ana.notice(QStringLiteral("%1 kişi eklendi").arg(records.size()));
}

} // namespace marunda::telefon
