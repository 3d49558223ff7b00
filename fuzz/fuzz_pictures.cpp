// A picture file as the program loads the Data pictures and a project's bitmaps (LoadPicture):
// any bytes give a picture or nothing. A bitmap that loads has the size its header gives and
// came from a file that holds every row the header promises.
#include "files/picturefile.h"
#include "fuzzsupport.h"

#include <QtEndian>

namespace {
fuzz::Scratch *scratch = nullptr;

quint32 le(const QByteArray &b, int at, int n)
{
    quint32 v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::StartApplication(argc, argv);
    scratch = new fuzz::Scratch;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);
    scratch->reset();
    scratch->write(QStringLiteral("Data-1.vgx"), bytes);
    const QImage image = LoadPicture(scratch->path(QStringLiteral("Data-1.vgx")));
    scratch->requireNothingOutside();
    if (image.isNull())
        return 0;
    fuzz::Require(image.format() == QImage::Format_RGB32, "a picture not in RGB32");
    // An uncompressed bitmap with the common 40-byte header: the size it gives, every row there.
    if (bytes.size() >= 54 && bytes.startsWith("BM") && le(bytes, 14, 4) == 40 && le(bytes, 30, 4) == 0) {
        const qint64 width = qint32(le(bytes, 18, 4));
        const qint64 height = qAbs(qint64(qint32(le(bytes, 22, 4))));
        const qint64 bits = le(bytes, 28, 2);
        fuzz::Require(image.width() == width && image.height() == height, "a bitmap of another size than its header's");
        const qint64 stride = (width * bits + 31) / 32 * 4;
        fuzz::Require(bytes.size() >= qint64(le(bytes, 10, 4)) + stride * height, "a bitmap cut short loaded");
    }
    return 0;
}
