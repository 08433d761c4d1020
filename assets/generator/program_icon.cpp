// The program icon: a cream telephone handset on a deep blue rounded square.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QPainterPath handset(qreal s) {
    // An arc from ear piece to mouth piece, with a pad at each end.
    QPainterPath path;
    path.moveTo(0.30 * s, 0.22 * s);
    path.cubicTo(0.12 * s, 0.40 * s, 0.28 * s, 0.70 * s, 0.52 * s, 0.80 * s);
    return path;
}

void paintPad(QPainter& p, QPointF centre, qreal angle, qreal s) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.drawRoundedRect(QRectF(-0.13 * s, -0.07 * s, 0.26 * s, 0.14 * s), 0.05 * s, 0.05 * s);
    p.restore();
}

QImage drawIcon(int s) {
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0, QColor(58, 86, 148));
    sky.setColorAt(1, QColor(26, 45, 85));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), 0.2 * s, 0.2 * s);

    const QColor cream(250, 240, 215);
    p.setPen(QPen(cream, 0.12 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(handset(s));
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    paintPad(p, QPointF(0.34 * s, 0.20 * s), -50, s);
    paintPad(p, QPointF(0.58 * s, 0.78 * s), 30, s);

    p.setBrush(QColor(115, 58, 34));
    p.drawEllipse(QPointF(0.74 * s, 0.28 * s), 0.09 * s, 0.09 * s);
    return image;
}

} // namespace

QImage telefonIcon(int size) {
    return drawIcon(size);
}

std::vector<Artwork> iconArtwork() {
    std::vector<Artwork> icons;
    for (int size : {16, 32, 48}) {
        icons.push_back({QStringLiteral("telefon-%1.png").arg(size), [size] {
                             return drawIcon(size);
                         }});
    }
    return icons;
}
