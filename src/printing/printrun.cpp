#include "printing/printrun.h"

#include "printing/printerpage.h"

#include <QBuffer>
#include <QDir>
#include <QThread>
#include <atomic>
#include <memory>
#include <QPdfWriter>

int CountSheets(const std::vector<ExportedDocument> &documents)
{
    int sheets = 0;
    for (const ExportedDocument &doc : documents) {
        QBuffer nowhere;
        nowhere.open(QIODevice::WriteOnly);
        QPdfWriter writer(&nowhere);
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QPageSize::A4));
        const double m = doc.marginMillimetres;
        writer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
        PrinterPage page(&writer);
        page.setSharpResolution(0);
        page.setDryRun(true);
        doc.print(page);
        sheets += page.pagesStarted();
    }
    return sheets;
}

ExportedDocument StoppableDocument(ExportedDocument doc, std::function<bool()> starting)
{
    doc.print = [print = doc.print, starting](PrinterPage &page) {
        page.setSheetStarting([starting](int) { return starting(); });
        return print(page);
    };
    return doc;
}

bool PrintChained(PrinterPage &page, const std::vector<ExportedDocument> &documents)
{
    page.setChained(true);
    for (const ExportedDocument &doc : documents) {
        // Each document sets up its own way of cutting and backing; none carries over.
        page.setItemSplit({});
        page.setBackSheet({});
        page.setCutMarks(false);
        page.setMarkArea(QRectF());
        if (!doc.print(page))
            return false;
    }
    return page.finish();
}

bool ExportDocumentsAtOnce(const std::vector<ExportedDocument> &documents, const QString &folder, QString *error,
                           const std::function<void(const QString &)> &progress, int sharpDpi, int threads)
{
    if (threads <= 0)
        threads = qMax(1, QThread::idealThreadCount());
    threads = qMin(threads, int(documents.size()));
    if (threads <= 1)
        return ExportDocuments(documents, folder, error, progress, sharpDpi);
    // The folder is made once, before the threads write into it.
    if (!ExportDocuments({}, folder, error))
        return false;
    std::vector<QString> errors(documents.size());
    std::vector<char> written(documents.size(), 0);
    std::atomic<size_t> next{0};
    std::vector<std::unique_ptr<QThread>> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back(QThread::create([&] {
            const BusyDrawing busy;  // the documents keep this core busy
            for (size_t i = next++; i < documents.size(); i = next++)
                written[i] = ExportDocuments({documents[i]}, folder, &errors[i], {}, sharpDpi);
        }));
        workers.back()->start();
    }
    for (auto &worker : workers)
        worker->wait();
    for (size_t i = 0; i < documents.size(); ++i) {
        if (!written[i]) {
            if (error)
                *error = errors[i];
            return false;
        }
        if (progress)
            progress(documents[i].fileName);
    }
    return true;
}
