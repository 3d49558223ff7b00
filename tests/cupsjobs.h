#pragma once
// The CUPS PDF queue's jobs of one name, so that tests printing at the same time keep apart.

#include "pdftools.h"

// The PDFs whose names hold `name`, written after `since`, in the order they were printed
// (by job number); waits up to `timeoutMs` for `count` of them.
inline QStringList waitForNamedJobs(const QDateTime &since, const QString &name, int count, int timeoutMs = 60000)
{
    const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)"));
    QStringList found;
    for (int waited = 0; waited <= timeoutMs; waited += 500) {
        found.clear();
        for (const QString &pdf : pdftools::waitForCupsPdfs(since, 0, 0))
            if (QFileInfo(pdf).fileName().contains(name))
                found << pdf;
        if (found.size() >= count) {
            QThread::msleep(500);  // let the last one be written out
            break;
        }
        QThread::msleep(500);
    }
    std::sort(found.begin(), found.end(), [&](const QString &a, const QString &b) {
        return jobNumber.match(a).captured(1).toInt() < jobNumber.match(b).captured(1).toInt();
    });
    return found;
}
