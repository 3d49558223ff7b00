#include "files/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    // A save file writes where a link points: the program never writes through one.
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction()) {
        if (error)
            *error = QStringLiteral("'%1' is een koppeling naar een andere plaats; het programma schrijft "
                                    "niet via een koppeling.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}
