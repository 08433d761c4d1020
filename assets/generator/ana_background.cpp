// The main window's background: warm paper with two panels and a border along the outline.
#include "artwork.h"

#include "assets/ana_outline.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kPaperTop{248, 244, 233};
const QColor kPaperBottom{233, 225, 207};
const QColor kPanel{253, 251, 245, 200};
const QColor kPanelEdge{196, 182, 156};
const QColor kBorder{115, 58, 34};

void paintPaper(QPainter& p, const QRect& area) {
    QLinearGradient paper(area.topLeft(), area.bottomLeft());
    paper.setColorAt(0, kPaperTop);
    paper.setColorAt(1, kPaperBottom);
    p.fillRect(area, paper);
}

void paintPanel(QPainter& p, const QRectF& box) {
    QPainterPath panel;
    panel.addRoundedRect(box, 10, 10);
    p.setPen(QPen(kPanelEdge, 1));
    p.setBrush(kPanel);
    p.drawPath(panel);
}

// A faint fold down the middle, between the menu and the record.
void paintFold(QPainter& p) {
    QLinearGradient fold(QPointF(262, 0), QPointF(302, 0));
    fold.setColorAt(0, QColor(0, 0, 0, 0));
    fold.setColorAt(0.5, QColor(115, 58, 34, 28));
    fold.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(262, 14, 40, 300), fold);
}

void paintBorder(QPainter& p) {
    QPainterPath outline;
    outline.addPolygon(marunda::telefon::anaOutline());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBorder, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(outline);
}

QImage drawAnaBackground() {
    QImage image(marunda::telefon::kAnaSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPaper(p, image.rect());
    paintFold(p);
    paintPanel(p, QRectF(24.5, 12.5, 232, 354));
    paintPanel(p, QRectF(306.5, 8.5, 244, 358));
    paintBorder(p);
    return image;
}

} // namespace

std::vector<Artwork> anaArtwork() {
    return {{QStringLiteral("ana.png"), drawAnaBackground}};
}
