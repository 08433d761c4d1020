#pragma once

#include <QWidget>

namespace marunda::kur {

// A window of Kur whose closing asks first, and whose "end" ends the whole program.
class EndingWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Ends Kur without a question.
    void endProgram();

signals:
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool ending_ = false;
};

} // namespace marunda::kur
