#include "zilora/pasta_layout.h"

#include "core/birthday_scan.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace marunda::zilora {
namespace {

int toPixels(double value) {
    return static_cast<int>(std::nearbyint(value)); // the default rounding: ties to even
}

// The person's line, the name cut with "…" until the line is at most `width` wide.
QString personText(const QString& name, const QFontMetricsF& metrics, double width) {
    const std::string whole = name.toStdString();
    QString line = QString::fromStdString(personLine(whole));
    for (qsizetype kept = name.size(); metrics.horizontalAdvance(line) > width && kept > 0;) {
        QString shown = name.left(--kept);
        while (shown.endsWith(u' ')) {
            shown.chop(1);
        }
        line = QString::fromStdString(personLine(whole, (shown + u'…').toStdString()));
    }
    return line;
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
    // Of the round, informal faces at hand that have every Turkish letter (Comic Neue lacks ğ, Ğ
    // and İ), Quicksand Medium comes closest to Comic Sans MS in weight, width and line height.
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Quicksand Medium")});
    font.setPixelSize(toPixels(twips.y(points * 20)));
    return font;
}

std::vector<GreetingLine> greetingLines(const QString& dateText, const QStringList& names,
                                        const QFontMetricsF& metrics, const Twips& twips) {
    const double lineHeight = metrics.height();
    const double first = twips.y(1500);
    const int room = static_cast<int>((twips.y(kCaptionTwips.top()) - first) / lineHeight);
    // The last lines are "ve N kişi daha" (when needed) and "Doğumgünü!!".
    const qsizetype shown =
        names.size() + 2 <= room ? names.size() : std::max<qsizetype>(0, room - 3);
    const RoundedOutline outline = RoundedOutline::forScreen(twips);
    const double right = outline.right - outline.ellipseWidth / 2.0;

    std::vector<GreetingLine> lines;
    double top = first;
    auto add = [&](double leftTwips, const QString& text) {
        lines.push_back({QPointF(twips.x(leftTwips), top), text});
        top += lineHeight;
    };
    add(1300, QStringLiteral("            Bugün  ") + dateText);
    for (qsizetype i = 0; i < shown; ++i) {
        add(1200, personText(names[i], metrics, right - twips.x(1200)));
    }
    if (shown < names.size()) {
        add(1200, QString::fromStdString(othersLine(int(names.size() - shown))));
    }
    add(1200, QStringLiteral("              Doğumgünü!!"));
    return lines;
}

} // namespace marunda::zilora
