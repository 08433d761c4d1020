#pragma once

#include <QDialog>
#include <QPixmap>

namespace marunda::ui {
class CommandLabel;
}

namespace marunda::telefon {

class Ana;

// The About window "hakkında": the program's name, credit and contact, and the way to the
// update window.
class Hakkinda : public QDialog {
    Q_OBJECT
public:
    explicit Hakkinda(Ana& ana);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildTexts();
    void buildCommands();
    void openUpdate();

    Ana& ana_;
    QPixmap background_;
    marunda::ui::CommandLabel* label5_ = nullptr;
    marunda::ui::CommandLabel* com6_ = nullptr;
};

} // namespace marunda::telefon
