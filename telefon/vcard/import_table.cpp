#include "telefon/vcard/import_table.h"

#include "core/text_rules.h"

#include <QStringList>

namespace marunda::telefon {

namespace {

QString fieldText(const marunda::ContactRecord& record, marunda::Field field) {
    return QString::fromStdString(marunda::withoutTrailingBlanks(record.text(field)));
}

QString phonesOf(const marunda::ContactRecord& record) {
    QStringList phones;
    for (const auto field :
         {marunda::Field::phone1, marunda::Field::phone2, marunda::Field::phone3}) {
        if (auto phone = fieldText(record, field); !phone.isEmpty()) {
            phones.append(phone);
        }
    }
    return phones.join(QStringLiteral(", "));
}

QStringList remarksOf(const marunda::ImportedContact& contact) {
    QStringList remarks;
    for (const auto& remark : contact.remarks) {
        remarks.append(QString::fromStdString(marunda::remarkText(remark)));
    }
    return remarks;
}

} // namespace

ImportTable::ImportTable(std::vector<marunda::PreviewEntry> entries, QObject* parent)
    : QAbstractTableModel(parent)
    , entries_(std::move(entries))
    , ticked_(entries_.size()) {
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        ticked_[row] = entries_[row].ticked ? 1 : 0;
    }
}

int ImportTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int ImportTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Column::columns;
}

QString ImportTable::text(const marunda::PreviewEntry& entry, int column) const {
    const auto& record = entry.contact.record;
    switch (column) {
    case Column::name:
        return fieldText(record, marunda::Field::name);
    case Column::phones:
        return phonesOf(record);
    case Column::birthday:
        return fieldText(record, marunda::Field::birthday);
    case Column::remarks:
        return remarksOf(entry.contact).join(QStringLiteral("; "));
    default:
        return {};
    }
}

QVariant ImportTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const auto& entry = entries_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return text(entry, index.column());
    }
    if (role == Qt::CheckStateRole && index.column() == Column::name) {
        return isTicked(index.row()) ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::ToolTipRole && index.column() == Column::remarks) {
        // The whole of what a narrow column cuts, a remark a line.
        return remarksOf(entry.contact).join(QLatin1Char('\n'));
    }
    return {};
}

bool ImportTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != Column::name || role != Qt::CheckStateRole) {
        return false;
    }
    ticked_[static_cast<std::size_t>(index.row())] =
        value.value<Qt::CheckState>() == Qt::Checked ? 1 : 0;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags ImportTable::flags(const QModelIndex& index) const {
    auto flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Column::name) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant ImportTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const captions[] = {"İsim", "Telefonlar", "Doğumgünü", "Açıklama"};
    return section >= 0 && section < Column::columns ? QString::fromUtf8(captions[section])
                                                     : QVariant();
}

std::vector<marunda::ContactRecord> ImportTable::tickedRecords() const {
    std::vector<marunda::ContactRecord> records;
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (ticked_[row] != 0) {
            records.push_back(entries_[row].contact.record);
        }
    }
    return records;
}

} // namespace marunda::telefon
