#include "printing/printrun.h"

#include "printing/printerpage.h"

#include <QBuffer>
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
