#pragma once

#include "core/import_preview.h"

#include <QAbstractTableModel>

#include <vector>

namespace marunda::telefon {

// The cards of an import's preview as rows of "vCard Al": the tick and the name, the phones, the
// birthday and the remarks. Texts are made only for the rows on screen, so that a file of a whole
// book opens at once.
class ImportTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { name, phones, birthday, remarks, columns };

    explicit ImportTable(std::vector<marunda::PreviewEntry> entries, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    bool isTicked(int row) const { return ticked_[static_cast<std::size_t>(row)] != 0; }
    // The records of the ticked rows, in file order.
    std::vector<marunda::ContactRecord> tickedRecords() const;

private:
    QString text(const marunda::PreviewEntry& entry, int column) const;

    std::vector<marunda::PreviewEntry> entries_;
    std::vector<char> ticked_;
};

} // namespace marunda::telefon
