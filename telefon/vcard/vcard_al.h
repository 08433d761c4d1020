#pragma once

#include "core/import_preview.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QTableView;

namespace marunda::telefon {

class Ana;
class ImportTable;

// "vCard Al": every card of the dropped or opened files with what it becomes; "Tamam" adds the
// ticked ones after the last record, all or none; "İptal" writes nothing.
class VcardAl : public QDialog {
    Q_OBJECT
public:
    // `fileNames`: the files' names, in the preview's order, for the cards that were skipped.
    VcardAl(Ana& ana, marunda::ImportPreview preview, const QStringList& fileNames);

    ImportTable* table() const { return table_; }

public slots:
    void addTicked();

private:
    QString skippedText(const std::vector<marunda::PreviewSkip>& skipped,
                        const QStringList& fileNames) const;

    Ana& ana_;
    ImportTable* table_ = nullptr;
    QTableView* list1_ = nullptr;
};

} // namespace marunda::telefon
