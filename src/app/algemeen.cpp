#include "app/algemeen.h"

#include <QDir>
#include <QFileInfo>


QString Algemeen::dataPath(const QString &fileName) const
{
    return QDir(ProgramFolder).filePath(QStringLiteral("Data/") + fileName);
}

QString Algemeen::settingsPath() const
{
    return QDir(ProgramFolder).filePath(QStringLiteral("Vastgoed.ini"));
}

std::array<qint32, FactorSlots> DefaultRentFactors()
{
    return {0, 5, 15, 30, 60, 75, 10, 10, 7, 2, 4, 8, 4};
}

QString Algemeen::preferencesPath() const
{
    return QFileInfo(settingsPath()).dir().filePath(QStringLiteral("Voorkeuren.ini"));
}
