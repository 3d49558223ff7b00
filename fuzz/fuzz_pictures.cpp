// Picture loading, as the Data pictures and the project bitmaps are loaded: any bytes give a
// picture or nothing, and a bitmap shorter than its header promises gives nothing.
#include "app/bmpfile.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Pictures larger than any the program makes are refused before they are decoded.
    QImageReader::setAllocationLimit(64);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (BmpFileIsShort(bytes.left(64), bytes.size()))
        return 0;
    QImage image = QImage::fromData(reinterpret_cast<const uchar *>(data), int(size));
    if (!image.isNull())
        image = image.convertToFormat(QImage::Format_RGB32);
    return 0;
}
