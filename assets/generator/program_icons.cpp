// The four programs' icons: Telefon's handset and Zilora's cake as the programs show them, and
// the handset with a sign for Kur (an arrow into a tray) and for Donusturucu (two arrows round).
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The sign's round patch in the lower right corner, with room for its drawing.
QPainter& badge(QPainter& p, int s, const QColor& colour) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, qMax(1.0, 0.04 * s)));
    p.setBrush(colour);
    p.drawEllipse(QPointF(0.72 * s, 0.72 * s), 0.27 * s, 0.27 * s);
    p.setPen(QPen(Qt::white, qMax(1.5, 0.07 * s), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    return p;
}

QImage kurIcon(int s) {
    QImage image = telefonIcon(s);
    QPainter p(&image);
    badge(p, s, QColor(46, 139, 87));
    p.drawLine(QPointF(0.72 * s, 0.54 * s), QPointF(0.72 * s, 0.80 * s));
    p.drawPolyline(QPolygonF(
        {QPointF(0.62 * s, 0.70 * s), QPointF(0.72 * s, 0.80 * s), QPointF(0.82 * s, 0.70 * s)}));
    p.drawLine(QPointF(0.58 * s, 0.88 * s), QPointF(0.86 * s, 0.88 * s));
    return image;
}

QImage donusturucuIcon(int s) {
    QImage image = telefonIcon(s);
    QPainter p(&image);
    badge(p, s, QColor(214, 120, 30));
    const QRectF ring(0.58 * s, 0.58 * s, 0.28 * s, 0.28 * s);
    p.drawArc(ring, 30 * 16, 120 * 16);
    p.drawArc(ring, 210 * 16, 120 * 16);
    const qreal tip = qMax(1.5, 0.06 * s);
    p.drawLine(QPointF(0.60 * s, 0.66 * s), QPointF(0.60 * s - tip, 0.66 * s - tip));
    p.drawLine(QPointF(0.84 * s, 0.78 * s), QPointF(0.84 * s + tip, 0.78 * s + tip));
    return image;
}

} // namespace

std::vector<IconFile> iconFiles() {
    return {{QStringLiteral("telefon"), telefonIcon},
            {QStringLiteral("zilora"), ziloraIcon},
            {QStringLiteral("kur"), kurIcon},
            {QStringLiteral("donusturucu"), donusturucuIcon}};
}
