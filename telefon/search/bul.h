#pragma once

#include "core/search.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace marunda::telefon {

class Ana;

// The search window "bul": finds contacts by the beginning of their name or by a phone number
// and puts a chosen hit on the main window.
class Bul : public QDialog {
    Q_OBJECT
public:
    explicit Bul(Ana& ana);

    // One search with the chosen option and the typed text; returns the number of result rows.
    int arama();

private:
    void buildSearchFrame();
    void buildResults();
    void applyInputRule();
    void find();
    marunda::SearchQuery query() const;
    void showRows(const std::vector<marunda::SearchRow>& rows);
    void finishSearch(int count);
    void showProgress(int scanned, int total);
    void openResult(QTreeWidgetItem* item);
    QLineEdit* activeInput() const;

    Ana& ana_;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLineEdit* isim_ = nullptr;
    QLineEdit* no_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QTreeWidget* listView1_ = nullptr;
    QLabel* label2_ = nullptr;
    QProgressBar* cubuk_ = nullptr;
};

} // namespace marunda::telefon
