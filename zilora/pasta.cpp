#include "zilora/pasta.h"

#include "core/birthday_scan.h"
#include "core/record_store.h"
#include "zilora/calendar_day.h"
#include "zilora/texts.h"
#include "zilora/tune.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

namespace marunda::zilora {
namespace {

const QColor kTextColour(64, 64, 64);

} // namespace

Pasta::Pasta(std::filesystem::path folder, QDate today, QWidget* parent)
    : ShapedWindow(parent)
    , folder_(std::move(folder))
    , today_(today)
    , twips_(Twips::forDpi(logicalDpiX(), logicalDpiY()))
    , list1_(new QListWidget(this)) {
    setObjectName(QStringLiteral("pasta"));
    setWindowTitle(QStringLiteral("Selvira"));
    setFixedSize(twips_.rect(0, 0, 5145, 3690).size());
    setFont(comicFont(12, twips_));
    const QPixmap cake(QStringLiteral(":/pictures/pasta.png"));
    setBackground(cake.scaled(qRound(twips_.x(cake.width() * 15)),
                              qRound(twips_.y(cake.height() * 15)), Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation));

    // Only a list: it lies beyond the visible part of the window.
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setGeometry(width() + 10, 0, 40, 40);

    auto* label1 = new QLabel(
        QStringLiteral("Marunda 1.7 için Selvira (") + credit() + QStringLiteral(")"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(comicFont(6, twips_));
    label1->setGeometry(twips_.rect(kCaptionTwips.left(), kCaptionTwips.top(),
                                    kCaptionTwips.width(), kCaptionTwips.height()));
    label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    centreOnScreen();
}

void Pasta::load() {
    setOutline(RoundedOutline::forScreen(twips_).region());
    // On screen while the book is read.
    show();
    const auto found = scanBirthdays(RecordStore(folder_), calendarDay(today_));
    if (!found) {
        hide();
        return;
    }
    QStringList names;
    for (const auto& name : found.value()) {
        names.append(QString::fromStdString(name));
    }
    list1_->addItems(names);
    drawGreeting(names);
    if (names.isEmpty()) {
        hide();
        return;
    }
    tune_ = playTune(folder_, this);
}

QStringList Pasta::names() const {
    QStringList names;
    for (int row = 0; row < list1_->count(); ++row) {
        names.append(list1_->item(row)->text());
    }
    return names;
}

void Pasta::drawGreeting(const QStringList& names) {
    const QString date = QLocale::system().toString(today_, QLocale::ShortFormat);
    lines_ = greetingLines(date, names, QFontMetricsF(font()), twips_);
    update();
}

void Pasta::paintEvent(QPaintEvent* event) {
    ShapedWindow::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(kTextColour);
    const double ascent = QFontMetricsF(font()).ascent();
    for (const auto& line : lines_) {
        painter.drawText(line.at + QPointF(0, ascent), line.text);
    }
}

// Any button moves the window, as its title bar would.
void Pasta::mousePressEvent(QMouseEvent* event) {
    startDrag(event->globalPosition().toPoint(), event->button());
}

// Hidden for good: nothing shows it again while the program runs.
void Pasta::mouseDoubleClickEvent(QMouseEvent*) {
    hide();
}

} // namespace marunda::zilora
