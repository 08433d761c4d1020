#include "ui/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtMath>

namespace marunda::ui {
namespace {

const char* const kFontFolder = "/usr/share/wine/fonts/";

void registerIfMissing(const QString& family, const QStringList& files) {
    if (QFontDatabase::hasFamily(family)) {
        return;
    }
    for (const QString& file : files) {
        const QString path = QString::fromLatin1(kFontFolder) + file;
        if (QFile::exists(path)) {
            QFontDatabase::addApplicationFont(path);
        }
    }
}

QFont sized(const QString& family, qreal pointSize, bool bold) {
    static const bool registered = (ensureFonts(), true);
    (void)registered;
    QFont font(family);
    font.setPixelSize(qRound(pointSize * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace

void ensureFonts() {
    // Each family at most once, however often this is called.
    registerIfMissing(QStringLiteral("MS Sans Serif"), {"ms_sans_serif.ttf"});
}

QFont tahoma(qreal pointSize, bool bold) {
    static const bool systemHasTahoma = QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
    if (systemHasTahoma) {
        return sized(QStringLiteral("Tahoma"), pointSize, bold);
    }
    // Wine's Tahoma leaves a gap after "İ" and its bold hardly shows. Of the other faces at
    // hand, DejaVu Sans Condensed fits the boxes measured for Tahoma best: every caption fits,
    // any 50-letter name takes two lines of its box, and its bold is plainly bold.
    QFont font = sized(QStringLiteral("DejaVu Sans"), pointSize, bold);
    font.setStretch(QFont::Condensed);
    return font;
}

QFont msSansSerif(qreal pointSize, bool bold) {
    QFont font = sized(QStringLiteral("MS Sans Serif"), pointSize, bold);
    // Debian's MS Sans Serif is a bitmap font of one size (13 px) and no bold face: any other
    // size or weight would come out at 13 px regular. Tahoma, its scalable cousin, stands in.
    const QFontInfo got(font);
    const bool scalable = QFontDatabase::isSmoothlyScalable(font.family());
    if (got.family() != font.family() || got.pixelSize() != font.pixelSize() ||
        (bold && !scalable)) {
        return tahoma(pointSize, bold);
    }
    return font;
}

int accentRoom(const QFont& font) {
    const QFontMetrics metrics(font);
    const int top = -metrics.tightBoundingRect(QStringLiteral("ÖÇİÜŞĞÂ")).top();
    return qMax(0, top - metrics.ascent());
}

QFont symbols(qreal pointSize) {
    return sized(QStringLiteral("DejaVu Sans"), pointSize, false);
}

} // namespace marunda::ui
