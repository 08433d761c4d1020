#pragma once

#include "core/listing.h"
#include "core/result.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <array>
#include <vector>

class QCheckBox;
class QListWidget;
class QLineEdit;

namespace marunda::telefon {

class Kaydet;

class Ana;

// "Döküm Alma": writes a fixed-width listing of the ticked contacts and fields to a text file.
// dokum.tmp in the program's folder marks the window as open.
class Dokum : public QDialog {
    Q_OBJECT
public:
    explicit Dokum(Ana& ana);
    ~Dokum() override;

    // The folder chosen in the folder chooser, as it is to be shown in adres1.
    void setFolder(const QString& folder);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildContacts();
    QWidget* buildColumns();
    QWidget* buildTarget();
    void loadNames();
    marunda::Result<QStringList> storedNames() const;
    // False (with the list refreshed and the user told) when the book no longer holds the names
    // shown, so that no row stands for another person.
    bool listStillMatchesBook();
    void selectAll(bool selected);
    void browse();
    void writeListing();
    bool confirmTarget(const std::filesystem::path& target);
    marunda::ListingColumns tickedColumns() const;
    std::vector<int> selectedPages() const;

    Ana& ana_;
    QListWidget* list1_ = nullptr;
    QCheckBox* sec_ = nullptr;
    std::array<QCheckBox*, marunda::kListingColumns.size()> columns_{}; // in listing order
    QLineEdit* yol1_ = nullptr;
    QLineEdit* adres1_ = nullptr;
    QPointer<Kaydet> kaydet_;
};

} // namespace marunda::telefon
