#pragma once

#include "ui/shaped_window.h"
#include "zilora/pasta_layout.h"

#include <QDate>

#include <filesystem>
#include <optional>
#include <vector>

class QListWidget;

namespace marunda::zilora {

// The greeting window "pasta": a cake cut to a rounded rectangle, with today's date and the
// names of today's birthday people written on it, and a tune. It shows itself only from load().
class Pasta : public ui::ShapedWindow {
    Q_OBJECT
public:
    Pasta(std::filesystem::path folder, QDate today, QWidget* parent = nullptr);

    // The whole greeting: shape, scan, drawing and tune. Any failure of the scan hides the
    // window without a word, as does a day without birthdays.
    void load();

    QStringList names() const; // List1, in page order
    const std::vector<GreetingLine>& lines() const { return lines_; }
    // The tune's file, once it started.
    const std::optional<std::filesystem::path>& tune() const { return tune_; }
    Twips twips() const { return twips_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void drawGreeting(const QStringList& names);

    std::filesystem::path folder_;
    QDate today_;
    Twips twips_;
    QListWidget* list1_;
    std::vector<GreetingLine> lines_;
    std::optional<std::filesystem::path> tune_;
};

} // namespace marunda::zilora
