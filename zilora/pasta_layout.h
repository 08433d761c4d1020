#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>

#include <vector>

// Where the greeting window puts things. Its measures are in twips (1/1440 inch), so that the
// window keeps its physical size on a screen of any resolution.
namespace marunda::zilora {

struct Twips {
    double perPixelX = 15; // 15 at 96 dots per inch
    double perPixelY = 15;

    static Twips forDpi(double dpiX, double dpiY) { return {1440 / dpiX, 1440 / dpiY}; }
    double x(double twips) const { return twips / perPixelX; }
    double y(double twips) const { return twips / perPixelY; }
    QRect rect(int left, int top, int width, int height) const;
};

// The rounded rectangle (0,0)-(343,248) with 86 x 76 corner ellipses at 96 dots per inch, each
// measure rounded to the nearest pixel (ties to even).
struct RoundedOutline {
    int right = 0;
    int bottom = 0;
    int ellipseWidth = 0;
    int ellipseHeight = 0;

    static RoundedOutline forScreen(const Twips& twips);
    QRegion region() const;
};

// Comic Sans MS, or Quicksand Medium where it is missing, at `points` on this screen.
QFont comicFont(double points, const Twips& twips);

// Label1, the caption line near the bottom edge, in twips.
inline constexpr QRect kCaptionTwips(480, 3480, 3375, 150);

struct GreetingLine {
    QPointF at; // top left of the text
    QString text;
};

// The "Bugün" line, one line per name, then "Doğumgünü!!", each one text line below the last,
// all above the caption and clear of the rounded corners: when the names do not all fit, as many
// as do and then one line for the rest ("ve 3 kişi daha"); a name too long for its line is cut
// with "…", keeping its ending.
std::vector<GreetingLine> greetingLines(const QString& dateText, const QStringList& names,
                                        const QFontMetricsF& metrics, const Twips& twips);

} // namespace marunda::zilora
