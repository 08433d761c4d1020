#pragma once

#include "installer/removal.h"
#include "kur/ending_window.h"

class QProgressBar;

namespace marunda::kur {

// The removal window.
class Form2 : public EndingWindow {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    // Asks the user to close the programs first, then shows the window.
    void open();
    // "Kaldır".
    void removeInstallation();

private:
    void build();
    // Tells the user how the removal went; whether Kur ends now.
    bool report(const installer::RemovalReport& report);

    QProgressBar* cubuk_ = nullptr;
};

} // namespace marunda::kur
