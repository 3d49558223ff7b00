#include "files/bmpfile.h"

namespace {
void put16(char *p, quint16 v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

void put32(char *p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

quint32 get(const QByteArray &b, int at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}
}

bool BmpFileIsShort(const QByteArray &head, qint64 fileSize)
{
    if (!head.startsWith("BM"))
        return false;
    constexpr int fileHeader = 14;
    if (head.size() < fileHeader + 4)
        return true;
    const quint32 infoSize = get(head, 14, 4);
    qint64 width, height, bits, compression = 0;
    if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes
        if (head.size() < fileHeader + 12)
            return true;
        width = get(head, 18, 2);
        height = qint16(get(head, 20, 2));
        bits = get(head, 24, 2);
    } else {
        if (infoSize < 40 || head.size() < fileHeader + 40)
            return true;
        width = qint32(get(head, 18, 4));
        height = qint32(get(head, 22, 4));
        bits = get(head, 28, 2);
        compression = get(head, 30, 4);
    }
    // Run-length and embedded JPEG or PNG data have no size fixed by the header.
    constexpr qint64 plainRgb = 0, bitFields = 3, alphaBitFields = 6;
    if (compression != plainRgb && compression != bitFields && compression != alphaBitFields)
        return false;
    height = qAbs(height);  // a negative height means rows top-down
    if (width <= 0 || height == 0 || bits == 0 || width > 1000000 || height > 1000000 || bits > 64)
        return true;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return fileSize < qint64(get(head, 10, 4)) + stride * height;
}

QByteArray EncodeBmp24(const QImage &image)
{
    if (image.isNull())
        return QByteArray();
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const qint64 stride = (qint64(width) * 3 + 3) / 4 * 4;
    const qint64 pixelBytes = stride * height;
    constexpr int headerBytes = 14 + 40;
    if (pixelBytes + headerBytes > 0x7FFFFFFF)
        return QByteArray();

    QByteArray out(int(headerBytes + pixelBytes), '\0');
    char *d = out.data();
    // BITMAPFILEHEADER
    d[0] = 'B';
    d[1] = 'M';
    put32(d + 2, quint32(out.size()));
    put32(d + 10, headerBytes);
    // BITMAPINFOHEADER: positive height means bottom-up rows; no compression; 96 dpi.
    put32(d + 14, 40);
    put32(d + 18, quint32(width));
    put32(d + 22, quint32(height));
    put16(d + 26, 1);
    put16(d + 28, 24);
    put32(d + 30, 0);
    put32(d + 34, quint32(pixelBytes));
    put32(d + 38, 3780);
    put32(d + 42, 3780);
    put32(d + 46, 0);
    put32(d + 50, 0);

    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        char *row = d + headerBytes + stride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
    }
    return out;
}
