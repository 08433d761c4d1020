// The .ico format: a directory of images, each a bottom-up 32-bit bitmap with its transparency
// mask, and the largest as PNG, as Windows has read icons since Vista.
#include "artwork.h"
#include "platform/program_files.h"

#include <QBuffer>
#include <QDataStream>

namespace {

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A BITMAPINFOHEADER of twice the height (colour, then mask), the pixels from the bottom row
// up, and the mask: a set bit where the pixel is fully transparent, rows padded to 32 bits.
QByteArray bitmapBytes(const QImage& drawn) {
    const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskRow = ((size + 31) / 32) * 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(size) << qint32(2 * size) << quint16(1) << quint16(32)
        << quint32(0) << quint32(size * size * 4 + maskRow * size) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            out << quint32(image.pixel(x, y)); // BGRA in memory, as the bitmap wants
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.writeRawData(row.constData(), int(row.size()));
    }
    return bytes;
}

} // namespace

QByteArray icoFile(const std::function<QImage(int)>& draw) {
    std::vector<QByteArray> images;
    for (int size : marunda::platform::kIconSizes) {
        const QImage image = draw(size);
        images.push_back(size == 256 ? pngBytes(image) : bitmapBytes(image));
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = marunda::platform::kIconSizes[i];
        out << quint8(size == 256 ? 0 : size) << quint8(size == 256 ? 0 : size) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(images[i].size()) << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images) {
        out.writeRawData(image.constData(), int(image.size()));
    }
    return bytes;
}
