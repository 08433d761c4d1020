#include "reminder/pasta_layout.h"

#include "common/birthday_scan.h"

#include <QPainterPath>

#include <cmath>

namespace marunda::zilora {
namespace {

int toPixels(double value) {
    return static_cast<int>(std::nearbyint(value)); // the default rounding: ties to even
}

} // namespace

QRect Twips::rect(int left, int top, int width, int height) const {
    return QRect(toPixels(x(left)), toPixels(y(top)), toPixels(x(width)), toPixels(y(height)));
}

RoundedOutline RoundedOutline::forScreen(const Twips& twips) {
    return {toPixels(343 * 15 / twips.perPixelX), toPixels(248 * 15 / twips.perPixelY),
            toPixels(86 * 15 / twips.perPixelX), toPixels(76 * 15 / twips.perPixelY)};
}

QRegion RoundedOutline::region() const {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, right, bottom), ellipseWidth / 2.0, ellipseHeight / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

QFont comicFont(double points, const Twips& twips) {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPixelSize(toPixels(twips.y(points * 20)));
    return font;
}

std::vector<GreetingLine> greetingLines(const QString& dateText, const QStringList& names,
                                        double lineHeight, const Twips& twips) {
    std::vector<GreetingLine> lines;
    double top = twips.y(1500);
    auto add = [&](double leftTwips, const QString& text) {
        lines.push_back({QPointF(twips.x(leftTwips), top), text});
        top += lineHeight;
    };
    add(1300, QStringLiteral("            Bugün  ") + dateText);
    for (const QString& name : names) {
        add(1200, QString::fromStdString(personLine(name.toStdString())));
    }
    add(1200, QStringLiteral("              Doğumgünü!!"));
    return lines;
}

} // namespace marunda::zilora
