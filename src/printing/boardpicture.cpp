#include "printing/boardpicture.h"

#include "files/savefile.h"

#include <QBuffer>
#include <QImageWriter>

QImage BoardPicture(const QImage &board, int width)
{
    if (board.isNull() || width < BoardPictureMinWidth || width > board.width())
        return QImage();
    if (width == board.width() && board.height() == board.width())
        return board;
    return board.scaled(width, width, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool WriteBoardPicture(const QImage &board, int width, const QString &path, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (board.isNull())
        return fail(QStringLiteral("Er is geen speelbord om te bewaren."));
    const QImage picture = BoardPicture(board, width);
    if (picture.isNull())
        return fail(QStringLiteral("De breedte moet tussen %1 en %2 beeldpunten liggen.")
                        .arg(BoardPictureMinWidth).arg(board.width()));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB888)))
        return fail(QStringLiteral("Het plaatje kan niet worden gemaakt: %1").arg(writer.errorString()));
    return WriteFileWhole(path, bytes, error);
}
