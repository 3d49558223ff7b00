#include "files/picturefile.h"

#include "files/bmpfile.h"
#include "model/algemeen.h"

#include <QFile>
#include <QtEndian>

namespace {
// True when `file` is a PNG file with a chunk that claims more bytes than the file holds, or
// that ends before its end chunk. The decoder would take what a chunk claims at its word,
// gigabytes from a file of a few hundred bytes, before finding the file cut short.
bool pngFileIsShort(QFile &file)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (file.peek(8) != signature)
        return false;
    const qint64 size = file.size();
    bool ended = false;
    for (qint64 at = 8; !ended;) {
        if (!file.seek(at))
            return true;
        const QByteArray head = file.read(8);  // length, type
        if (head.size() < 8)
            return true;
        at += 12 + qint64(qFromBigEndian<quint32>(head.constData()));
        if (at > size)
            return true;
        ended = head.endsWith("IEND");
    }
    return !file.seek(0);
}
}

QImage LoadPicture(const QString &path)
{
    // A picture cut short would load with its missing rows black, or make the decoder take a
    // length that is not there: it is a damaged file.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || BmpFileIsShort(file.peek(64), file.size()) || pngFileIsShort(file))
        return QImage();
    QImage image;
    image.load(&file, nullptr);
    if (image.isNull())
        return QImage();
    return image.convertToFormat(QImage::Format_RGB32);
}

bool LoadSquarePicture(Algemeen &state, int n)
{
    const QString file = SquarePictureFile(n);
    if (file.isEmpty())
        return false;
    const QImage picture = LoadPicture(state.dataPath(file));
    if (picture.isNull())
        return false;
    state.pictures.ImagePic = picture;
    return true;
}
