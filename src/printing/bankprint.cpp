#include "printing/bankprint.h"

#include "drawing/banknoteart.h"
#include "drawing/banknotedesign.h"
#include "drawing/fonts.h"
#include "printing/moneysheet.h"
#include "printing/printerpage.h"

#include <QPainter>

namespace {
constexpr int NotesPerSheet = 10;
}

std::vector<BankSheet> BankSheets(const std::vector<BankNote> &bank, int players)
{
    std::vector<BankSheet> sheets;
    for (int i = 0; i < int(bank.size()); ++i) {
        const int notes = NotesForGame(bank[size_t(i)], players);
        const int count = (notes + NotesPerSheet - 1) / NotesPerSheet;
        for (int s = 1; s <= count; ++s)
            sheets.push_back({i, qMin(NotesPerSheet, notes - (s - 1) * NotesPerSheet), s, count});
    }
    return sheets;
}

QString BankSheetLabel(const BankNote &note, const BankSheet &sheet, int players)
{
    return QStringLiteral("%1: blad %2 van %3, %4 biljetten voor %5 spelers en de bank")
        .arg(note.amount)
        .arg(sheet.sheet)
        .arg(sheet.sheets)
        .arg(NotesForGame(note, players))
        .arg(players);
}

bool PrintBank(PrinterPage &page, const std::vector<BankNote> &bank, int players, const QString &title,
               const QImage &strip)
{
    const std::vector<BankSheet> sheets = BankSheets(bank, players);
    if (sheets.empty() || !page.setOrientation(QPageLayout::Portrait))
        return false;
    page.setPlanSize(QSizeF(MoneySheetSlot(5, 2).right(), MoneySheetSlot(5, 2).bottom()));
    int drawnFor = -1;
    SharpPicture picture;
    // The ready-made pictures drawn anew where the strip is the program's own.
    const StripArt euroArt = page.sharpResolution() > 0 ? EuroPictureArt(strip) : StripArt();
    for (size_t i = 0; i < sheets.size(); ++i) {
        const BankSheet &sheet = sheets[i];
        if (i > 0 && !page.endPage())
            return false;
        if (sheet.note != drawnFor) {
            picture = BankNoteDrawing(bank[size_t(sheet.note)], title, strip).sharpPicture(euroArt);
            // Every copy of the note lies on the page at the same size: each size is drawn once.
            RememberRenders(picture);
            drawnFor = sheet.note;
        }
        for (int k = 0; k < sheet.count; ++k)
            if (!page.placePicture(picture, MoneySheetSlot(k / 2 + 1, k % 2 + 1)))
                return false;
        const QString label = BankSheetLabel(bank[size_t(sheet.note)], sheet, players);
        // Under the last row of notes, in tenths of a millimetre of the paper.
        if (!page.paintOnPaper([&label](QPainter &p) {
                p.scale(0.1, 0.1);
                QFont font = ArialFont(10, true);
                font.setPixelSize(35);
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(QRectF(120, 2800, 1860, 90), Qt::AlignLeft | Qt::AlignVCenter, label);
            }))
            return false;
    }
    return page.endDocument();
}
