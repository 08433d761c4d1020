// The greeting window's cake: a cream-fronted cake with pink icing and five candles, so that the
// greeting can be written on its front; and the reminder's icon, the same cake in small.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kCream{255, 251, 242};
const QColor kCreamShade{243, 228, 204};
const QColor kIcing{240, 150, 182};
const QColor kIcingDark{214, 108, 146};
const QColor kFlame{255, 196, 64};

void paintBackdrop(QPainter& p, const QRect& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(255, 233, 242));
    sky.setColorAt(1, QColor(255, 246, 226));
    p.fillRect(area, sky);
    // Confetti from a fixed sequence, so every build draws the same picture.
    const QColor colours[] = {{250, 190, 90}, {140, 200, 235}, {175, 225, 160}, {235, 160, 210}};
    unsigned seed = 7;
    for (int i = 0; i < 60; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = int(seed >> 8) % area.width();
        seed = seed * 1103515245u + 12345u;
        const int y = int(seed >> 8) % 70;
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i % 4]);
        p.drawEllipse(QPointF(x, y), 2.2, 2.2);
    }
}

void paintCandle(QPainter& p, qreal x, qreal base, qreal height, const QColor& stripe) {
    const QRectF body(x - 4.5, base - height, 9, height);
    p.setPen(QPen(QColor(200, 190, 180), 0.8));
    p.setBrush(QColor(255, 255, 250));
    p.drawRoundedRect(body, 2, 2);
    p.setPen(QPen(stripe, 2.4));
    for (qreal y = base - height + 5; y < base - 2; y += 8) {
        p.drawLine(QPointF(x - 4, y + 3), QPointF(x + 4, y - 1));
    }
    p.setPen(QPen(QColor(80, 60, 50), 1.2));
    p.drawLine(QPointF(x, base - height), QPointF(x, base - height - 4));
    const QPointF flame(x, base - height - 11);
    QRadialGradient glow(flame, 14);
    glow.setColorAt(0, QColor(255, 220, 120, 150));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(flame, 14, 14);
    QPainterPath drop;
    drop.moveTo(x, base - height - 20);
    drop.cubicTo(x + 6, base - height - 10, x + 5, base - height - 4, x, base - height - 4);
    drop.cubicTo(x - 5, base - height - 4, x - 6, base - height - 10, x, base - height - 20);
    p.setBrush(kFlame);
    p.drawPath(drop);
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(QPointF(x, base - height - 8), 1.6, 3);
}

// The cake in a box of width w whose top face is centred at `top`.
void paintCake(QPainter& p, QPointF top, qreal w, qreal h) {
    const qreal rim = w * 0.055;
    const qreal left = top.x() - w / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 225, 235));
    p.drawEllipse(QPointF(top.x(), top.y() + h + rim * 0.3), w * 0.56, rim * 1.2);

    QPainterPath body;
    body.moveTo(left, top.y());
    body.lineTo(left, top.y() + h);
    body.arcTo(QRectF(left, top.y() + h - rim, w, 2 * rim), 180, 180);
    body.lineTo(left + w, top.y());
    body.closeSubpath();
    QLinearGradient side(left, 0, left + w, 0);
    side.setColorAt(0, kCreamShade);
    side.setColorAt(0.12, kCream);
    side.setColorAt(0.88, kCream);
    side.setColorAt(1, kCreamShade);
    p.setBrush(side);
    p.drawPath(body);

    // Icing over the top, running a little way down the front.
    QPainterPath icing;
    icing.moveTo(left, top.y());
    const int drips = 9;
    for (int i = 0; i < drips; ++i) {
        const qreal x0 = left + w * i / drips;
        const qreal x1 = left + w * (i + 1) / drips;
        const qreal depth = rim + (i % 3 == 1 ? 12 : 6);
        icing.cubicTo(x0, top.y() + depth, x1, top.y() + depth, x1, top.y() + rim * 0.6);
    }
    icing.lineTo(left + w, top.y());
    icing.closeSubpath();
    p.setBrush(kIcing);
    p.drawPath(icing);
    p.drawEllipse(QPointF(top.x(), top.y()), w / 2, rim);
    p.setBrush(QColor(250, 185, 208));
    p.drawEllipse(QPointF(top.x(), top.y() - rim * 0.1), w / 2 - 4, rim - 3);

    // A row of pearls along the foot.
    p.setBrush(kIcingDark);
    for (qreal x = left + 6; x < left + w - 3; x += 10) {
        const qreal along = (x - top.x()) / (w / 2);
        p.drawEllipse(QPointF(x, top.y() + h + rim * std::sqrt(1 - along * along) - 3), 3.4, 3.4);
    }
}

QImage drawPasta() {
    QImage image(353, 246, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintBackdrop(p, image.rect());
    const QPointF top(176, 88);
    paintCake(p, top, 290, 112);
    const QColor stripes[] = {
        {120, 170, 230}, {240, 120, 150}, {120, 200, 140}, {240, 170, 70}, {170, 130, 220}};
    for (int i = 0; i < 5; ++i) {
        const qreal x = top.x() + (i - 2) * 34;
        paintCandle(p, x, top.y() + 3 - (i % 2) * 6, 34, stripes[i]);
    }
    return image;
}

QImage drawIcon(int s) {
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 60, 90));
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), 0.2 * s, 0.2 * s);
    const QRectF body(0.16 * s, 0.50 * s, 0.68 * s, 0.34 * s);
    p.setBrush(kCream);
    p.drawRect(body);
    p.setBrush(kIcing);
    p.drawRect(QRectF(body.left(), body.top(), body.width(), 0.12 * s));
    p.setBrush(QColor(255, 255, 250));
    p.drawRect(QRectF(0.46 * s, 0.26 * s, 0.08 * s, 0.24 * s));
    p.setBrush(kFlame);
    p.drawEllipse(QPointF(0.5 * s, 0.18 * s), 0.07 * s, 0.1 * s);
    return image;
}

} // namespace

QImage ziloraIcon(int size) {
    return drawIcon(size);
}

std::vector<Artwork> cakeArtwork() {
    std::vector<Artwork> pictures{{QStringLiteral("pasta.png"), drawPasta}};
    for (int size : {16, 32, 48}) {
        pictures.push_back({QStringLiteral("zilora-%1.png").arg(size), [size] {
                                return drawIcon(size);
                            }});
    }
    return pictures;
}
