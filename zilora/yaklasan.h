#pragma once

#include <QDate>
#include <QWidget>

#include <filesystem>

class QLabel;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace marunda::zilora {

// The window "Yaklaşan Doğum Günleri": the birthdays of the next N days, read afresh from the
// book when it opens and when N changes. N is a user setting; a double-click shows the
// contact's page in Telefon.
class Yaklasan : public QWidget {
    Q_OBJECT
public:
    Yaklasan(std::filesystem::path folder, QDate today, QWidget* parent = nullptr);

private:
    void fill();
    void openContact(QTreeWidgetItem* item);

    std::filesystem::path folder_;
    QDate today_;
    QSpinBox* gun_;
    QTreeWidget* liste_;
    QLabel* durum_;
};

} // namespace marunda::zilora
