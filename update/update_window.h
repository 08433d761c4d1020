#pragma once

#include "core/update_info.h"
#include "update/export.h"

#include <QDialog>

#include <chrono>
#include <filesystem>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace marunda {

class UpdateDownload;

// The window "update": shows the last downloaded version information and fetches a new one from
// the update server. Telefon and Zilora share it; each program gives its own waiting text.
class MARUNDA_UPDATE_EXPORT Update : public QDialog {
    Q_OBJECT
public:
    Update(std::filesystem::path folder, QString waitingText, QWidget* parent = nullptr);
    ~Update() override;

    void setDownloadDeadline(std::chrono::milliseconds deadline);
    bool isWaiting() const;

    // Closing while waiting abandons the download; update.upd stays as it was.
    void reject() override;

private:
    void buildControls();
    void load();
    void startDownload();
    void downloadFinished(bool complete, int httpStatus, const QByteArray& body);
    void showInfo(const UpdateInfo& info);
    void setWaiting(bool waiting);

    std::filesystem::path folder_;
    QString waitingText_;
    UpdateDownload* download_;
    QLineEdit* version_ = nullptr;
    QLineEdit* tarih_ = nullptr;
    QPlainTextEdit* mesaj_ = nullptr;
    QLabel* durum_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

} // namespace marunda
