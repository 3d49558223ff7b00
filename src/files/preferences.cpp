#include "files/preferences.h"

#include "files/savefile.h"

#include <QFile>

namespace {
const char Key[] = "ScherpAfdrukken=";
}

Preferences ReadPreferences(const QString &path)
{
    Preferences preferences;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return preferences;
    const QByteArray bytes = file.read(64 * 1024);
    for (QByteArray line : bytes.split('\n')) {
        line = line.trimmed();
        if (line.startsWith(Key)) {
            const QByteArray value = line.mid(int(sizeof Key) - 1);
            if (value == "0" || value == "1")
                preferences.sharpPrinting = value == "1";
        }
    }
    return preferences;
}

bool WritePreferences(const QString &path, const Preferences &preferences, QString *error)
{
    QByteArray bytes = "[Afdrukken]\r\n";
    bytes += Key;
    bytes += preferences.sharpPrinting ? "1" : "0";
    bytes += "\r\n";
    return WriteFileWhole(path, bytes, error);
}
