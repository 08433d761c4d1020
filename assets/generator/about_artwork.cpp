// The About window's pictures: warm paper behind the texts, and beside them a blue panel with
// an open address book and a handset.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kPaperTop{248, 244, 233};
const QColor kPaperBottom{233, 225, 207};
const QColor kNight{26, 45, 85};
const QColor kDusk{58, 86, 148};
const QColor kCream{250, 240, 215};
const QColor kLeather{115, 58, 34};

QImage drawBackground() {
    QImage image(284, 198, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient paper(0, 0, 0, image.height());
    paper.setColorAt(0, kPaperTop);
    paper.setColorAt(1, kPaperBottom);
    p.fillRect(image.rect(), paper);
    // A faint rule under the title line.
    p.setPen(QColor(115, 58, 34, 60));
    p.drawLine(60, 29, 228, 29);
    return image;
}

void paintBook(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kLeather);
    p.drawRoundedRect(QRectF(22, 48, 98, 76), 6, 6);
    p.setBrush(kCream);
    p.drawRect(QRectF(28, 52, 42, 66));
    p.drawRect(QRectF(72, 52, 42, 66));
    p.setPen(QPen(QColor(196, 182, 156), 1));
    for (int y = 62; y < 114; y += 8) {
        p.drawLine(33, y, 65, y);
        p.drawLine(77, y, 109, y);
    }
    // Index tabs down the right edge.
    p.setPen(Qt::NoPen);
    const QColor tabs[] = {QColor(128, 128, 255), QColor(255, 190, 90), QColor(140, 190, 120)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(tabs[i]);
        p.drawRoundedRect(QRectF(114, 58 + i * 18, 10, 12), 2, 2);
    }
}

void paintHandset(QPainter& p) {
    QPainterPath arc;
    arc.moveTo(40, 138);
    arc.cubicTo(30, 160, 60, 180, 100, 170);
    p.setPen(QPen(kCream, 12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(kCream);
    p.drawEllipse(QPointF(42, 136), 12, 8);
    p.drawEllipse(QPointF(102, 170), 12, 8);
}

QImage drawSidePicture() {
    QImage image(142, 237, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, kDusk);
    sky.setColorAt(1, kNight);
    p.fillRect(image.rect(), sky);
    p.fillRect(QRect(0, 0, 3, image.height()), kLeather);
    paintBook(p);
    paintHandset(p);
    p.setPen(kCream);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 8, image.width(), 30), Qt::AlignCenter, QStringLiteral("1.7"));
    return image;
}

} // namespace

std::vector<Artwork> aboutArtwork() {
    return {{QStringLiteral("hakkinda.png"), drawBackground},
            {QStringLiteral("hakkinda-resim.png"), drawSidePicture}};
}
