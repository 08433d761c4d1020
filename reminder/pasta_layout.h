#pragma once

#include <QFont>
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

// Comic Sans MS, or Comic Neue where it is missing, at `points` on this screen.
QFont comicFont(double points, const Twips& twips);

struct GreetingLine {
    QPointF at; // top left of the text
    QString text;
};

// The "Bugün" line, one line per name, then "Doğumgünü!!", each one text line below the last.
std::vector<GreetingLine> greetingLines(const QString& dateText, const QStringList& names,
                                        double lineHeight, const Twips& twips);

} // namespace marunda::zilora
