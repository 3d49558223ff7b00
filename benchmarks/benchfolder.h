#pragma once
// A program folder for the benchmarks: a temporary folder with the built Data pictures copied
// in. The pictures come from $VASTGOED_DATA_DIR, else from Data/ beside the benchmark.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

struct BenchProgramFolder {
    QTemporaryDir dir;
    BenchProgramFolder()
    {
        QString data = qEnvironmentVariable("VASTGOED_DATA_DIR");
        if (data.isEmpty())
            data = QCoreApplication::applicationDirPath() + QStringLiteral("/Data");
        QDir().mkpath(dir.filePath(QStringLiteral("Data")));
        const QDir built(data);
        const QStringList pictures = built.entryList({QStringLiteral("*.vgx")}, QDir::Files);
        if (pictures.isEmpty())
            qFatal("No Data pictures in %s", qPrintable(data));
        for (const QString &name : pictures)
            QFile::copy(built.filePath(name), dir.filePath(QStringLiteral("Data/") + name));
    }
    QString path() const { return dir.path(); }
};
