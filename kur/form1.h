#pragma once

#include "installer/installation.h"

#include "kur/ending_window.h"

#include <filesystem>

class QLineEdit;
class QProgressBar;

namespace marunda::kur {

// The installation window: where to install, and "Yükle".
class Form1 : public EndingWindow {
    Q_OBJECT
public:
    // `medium`: the folder Kur was started from; `installer`: Kur's own file.
    Form1(std::filesystem::path medium, std::filesystem::path installer, QWidget* parent = nullptr);

    // The folder box, as the maintenance choice fills it for a reinstall.
    void setFolder(const QString& folder);
    // "Yükle".
    void install();

private:
    void build();
    void askToEnd();
    // Tells the user why the installation stopped; whether Kur ends now.
    bool reportStop(const installer::InstallReport& report);

    std::filesystem::path medium_;
    std::filesystem::path installer_;
    QLineEdit* text1_ = nullptr;
    QProgressBar* cubuk_ = nullptr;
};

} // namespace marunda::kur
