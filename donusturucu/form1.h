#pragma once

#include <QWidget>

#include <cstddef>
#include <filesystem>

class QProgressBar;
class QPushButton;

namespace marunda::donusturucu {

// "Marunda 1.7 İçin Tavira": converts the 1.6 book that the 1.6 log in the Windows folder names,
// or without such a log the one in its own folder.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(std::filesystem::path ownFolder, QWidget* parent = nullptr);

    // "Dönüştür".
    void convert();

signals:
    // After the already-converted message: the program ends.
    void programEnded();

private:
    void build();
    void showProgress(std::size_t done, std::size_t total);

    std::filesystem::path ownFolder_;
    QProgressBar* cubuk_ = nullptr;
    QPushButton* command1_ = nullptr;
};

} // namespace marunda::donusturucu
