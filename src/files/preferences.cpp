#include "files/preferences.h"

#include "files/savefile.h"

#include <QFile>

namespace {
const char Key[] = "ScherpAfdrukken=";
const char OffsetKey[] = "DuplexVerschuiving=";  // x,y,printer name (which may hold commas)
constexpr int MaxOffset = 5;
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
        } else if (line.startsWith(OffsetKey)) {
            const QString value = QString::fromUtf8(line.mid(int(sizeof OffsetKey) - 1));
            const int first = value.indexOf(QLatin1Char(',')), second = value.indexOf(QLatin1Char(','), first + 1);
            bool okX = false, okY = false;
            const int x = value.left(first).toInt(&okX), y = value.mid(first + 1, second - first - 1).toInt(&okY);
            const QString name = value.mid(second + 1);
            if (first > 0 && second > first && okX && okY && qAbs(x) <= MaxOffset && qAbs(y) <= MaxOffset && !name.isEmpty())
                preferences.duplexOffsets[name] = QPoint(x, y);
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
    for (auto it = preferences.duplexOffsets.cbegin(); it != preferences.duplexOffsets.cend(); ++it) {
        if (it.key().contains(QLatin1Char('\n')) || it.key().contains(QLatin1Char('\r')))
            continue;
        bytes += OffsetKey + QByteArray::number(it.value().x()) + ',' + QByteArray::number(it.value().y()) + ','
                 + it.key().toUtf8() + "\r\n";
    }
    return WriteFileWhole(path, bytes, error);
}
