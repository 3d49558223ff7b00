#include "printing/printkit.h"

#include "model/algemeen.h"
#include "artwork/backs.h"
#include "model/boardrules.h"
#include "drawing/carddrawing.h"
#include "printing/cardsheets.h"
#include "drawing/deeddrawing.h"
#include "printing/deedprinting.h"
#include "drawing/deedsheet.h"
#include "printing/printerpage.h"
#include "printing/proofsheet.h"
#include "printing/printouts.h"

#include <QPainter>

namespace {
constexpr double MmPerTwip = 25.4 / 1440.0;
constexpr double FoldGapMm = 8.0;
const QColor FoldLineColour(90, 90, 90);

QSizeF a4(QPageLayout::Orientation orientation)
{
    return orientation == QPageLayout::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

// The card as the designer shows it when it opens, drawn again at the printer's resolution.
SharpPicture cardFront(const Algemeen &state, int subject, int card)
{
    const CardDeck &deck = subject == 1 ? state.project.KansDeck : state.project.FondsDeck;
    const RgbColour border = DefaultCardBorderColour;
    return SharpCard(DrawCard(subject, border, deck[size_t(card)]), subject, border, deck[size_t(card)]);
}

SharpPicture deedSheet(const Algemeen &state, const PrinterPage &page)
{
    return DeedSheetToPrint(state, page.sharpResolution() > 0);
}

QRectF deedSlotTwips(int n)
{
    const QPoint at = DeedSheetSlot(n).value_or(QPoint());
    const double k = PrinterPage::TwipsPerPixel;
    return QRectF(at.x() * k, at.y() * k, DeedWidth * k, DeedHeight * k);
}

// The deeds a placement of part of the deed sheet holds, each tagged with its square.
std::vector<PrinterPage::Item> deedItems(const QRectF &destination, const QRectF &source)
{
    std::vector<PrinterPage::Item> items;
    const double sx = destination.width() / source.width(), sy = destination.height() / source.height();
    for (int n : DeedSquares()) {
        const QRectF slot = deedSlotTwips(n);
        if (!source.adjusted(-1, -1, 1, 1).contains(slot))
            continue;
        items.push_back({QRectF(destination.x() + (slot.x() - source.x()) * sx,
                                destination.y() + (slot.y() - source.y()) * sy, slot.width() * sx,
                                slot.height() * sy), n});
    }
    return items;
}

void drawFoldLine(QPainter &p, const QRectF &front)
{
    QPen pen(FoldLineColour, 0.25, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({8, 6});  // 2 mm dashes, 1.5 mm apart
    p.setPen(pen);
    p.drawLine(QPointF(front.right(), front.top() - FoldLineBeyondMm), QPointF(front.right(), front.bottom() + FoldLineBeyondMm));
}

using PlaceFront = std::function<bool(PrinterPage &page, int index, const QRectF &millimetres)>;

// Items 0..count-1 each beside its back on the fold-over sheets.
bool printFolded(PrinterPage &page, const FoldSheet &sheet, int count, bool marks, const PlaceFront &front,
                 const std::function<SharpPicture(int index)> &back)
{
    if (!page.setOrientation(sheet.orientation))
        return false;
    page.setCutMarks(marks);
    const double m = FoldMarginMm;
    page.setMarkArea(QRectF(QPointF(m, m), sheet.paper() - QSizeF(2 * m, 2 * m)));
    for (int i = 0; i < count; ++i) {
        const int onSheet = i % sheet.perSheet();
        if (i > 0 && onSheet == 0 && !page.endPage())
            return false;
        const QRectF f = sheet.front(onSheet), b = sheet.back(onSheet);
        if (!front(page, i, f) || !page.placeOnPaper(back(i), b))
            return false;
        page.addPaperItem(f.united(b), i);
        if (!page.paintOnPaper([&](QPainter &p) { drawFoldLine(p, f); }))
            return false;
    }
    return page.endDocument();
}

ExportedDocument foldedDeck(const Algemeen &state, int subject, const QString &fileName, bool marks)
{
    return {fileName, [&state, subject, marks](PrinterPage &page) {
                const SharpPicture back = CardBack(subject);
                return printFolded(page, CardFoldSheet(), 16, marks,
                                   [&](PrinterPage &pg, int i, const QRectF &mm) {
                                       return pg.placeOnPaper(cardFront(state, subject, i + 1), mm);
                                   },
                                   [&](int) { return back; });
            }};
}

ExportedDocument foldedDeeds(const Algemeen &state, bool marks)
{
    return {QStringLiteral("Eigendomsbewijzen.pdf"), [&state, marks](PrinterPage &page) {
                const SharpPicture sheet = deedSheet(state, page);
                const std::vector<int> squares = DeedSquares();
                return printFolded(page, DeedFoldSheet(), int(squares.size()), marks,
                                   [&](PrinterPage &pg, int i, const QRectF &mm) {
                                       return pg.placeOnPaper(sheet, mm, deedSlotTwips(squares[size_t(i)]));
                                   },
                                   [&](int i) { return DeedBack(DeedBackOf(state, squares[size_t(i)])); });
            }};
}

// A document of the usual sheets with cut marks, and with `backOf` a back page after each
// sheet: the back of each item (by its tag) behind it.
ExportedDocument withBacks(ExportedDocument doc, const PrintKitOptions &options, PrinterPage::ItemSplit split,
                           std::function<SharpPicture(int tag)> backOf)
{
    doc.print = [print = doc.print, options, split, backOf](PrinterPage &page) {
        page.setCutMarks(options.cutMarks);
        if (split)
            page.setItemSplit(split);
        if (backOf)
            page.setBackSheet([options, backOf](PrinterPage &pg, const std::vector<PrinterPage::PaperItem> &front) {
                for (const PrinterPage::PaperItem &item : front)
                    if (!pg.placeOnPaper(backOf(item.tag), BackPlace(item.mm, pg.paperSize(), options.flip, options.backOffset)))
                        return false;
                return true;
            });
        return print(page);
    };
    return doc;
}
}

QRectF BackPlace(const QRectF &front, QSizeF paper, FlipEdge flip, QPointF offset)
{
    const bool portrait = paper.width() <= paper.height();
    const bool acrossMirrors = portrait == (flip == FlipEdge::Long);
    QRectF back = front;
    if (acrossMirrors)
        back.moveLeft(paper.width() - front.right());
    else
        back.moveTop(paper.height() - front.bottom());
    return back.translated(offset);
}

QSizeF FoldSheet::paper() const { return a4(orientation); }

QRectF FoldSheet::front(int index) const
{
    const QSizeF pair(2 * item.width(), item.height());
    const QSizeF all(columns * pair.width() + (columns - 1) * FoldGapMm, rows * pair.height() + (rows - 1) * FoldGapMm);
    const QPointF origin((paper().width() - all.width()) / 2, (paper().height() - all.height()) / 2);
    const int column = index % columns, row = index / columns % rows;
    return QRectF(origin + QPointF(column * (pair.width() + FoldGapMm), row * (pair.height() + FoldGapMm)), item);
}

FoldSheet CardFoldSheet()
{
    return {QPageLayout::Portrait, QSizeF(PrintedCardWidth * MmPerTwip, PrintedCardHeight * MmPerTwip), 1, 4};
}

FoldSheet DeedFoldSheet()
{
    // The deeds as large as on the usual deed pages.
    const DeedPlacement &p = DeedPagePlan().front();
    const double across = p.destination.width() / p.sourcePixels.width();
    const double down = p.destination.height() / p.sourcePixels.height();
    return {QPageLayout::Landscape, QSizeF(DeedWidth * across * MmPerTwip, DeedHeight * down * MmPerTwip), 2, 2};
}

std::vector<int> DeedSquares()
{
    std::vector<int> squares;
    for (int n = 1; n < SquareSlots; ++n)
        if (DeedSheetSlot(n))
            squares.push_back(n);
    return squares;
}

std::vector<ExportedDocument> PrintKitDocuments(const Algemeen &state, const PrintKitOptions &options)
{
    std::vector<ExportedDocument> set = PrintSetDocuments(state, options.board);
    if (options.backs == BackWay::None && !options.cutMarks)
        return set;
    std::vector<ExportedDocument> docs;
    const bool duplex = options.backs == BackWay::Duplex;
    docs.push_back({QStringLiteral("Proefvel.pdf"), [duplex, flip = options.flip](PrinterPage &page) {
                        return PrintProofSheet(page, duplex, flip);
                    }});
    docs.push_back(set[0]);
    const bool marks = options.cutMarks;
    switch (options.backs) {
    case BackWay::Fold:
        docs.push_back(foldedDeeds(state, marks));
        docs.push_back(foldedDeck(state, 1, set[2].fileName, marks));
        docs.push_back(foldedDeck(state, 2, set[3].fileName, marks));
        break;
    case BackWay::Duplex:
        docs.push_back(withBacks(set[1], options, deedItems,
                                 [&state](int n) { return DeedBack(DeedBackOf(state, n)); }));
        for (int subject = 1; subject <= 2; ++subject) {
            const SharpPicture back = CardBack(subject);
            docs.push_back(withBacks(set[size_t(subject + 1)], options, {}, [back](int) { return back; }));
        }
        break;
    case BackWay::None:
        docs.push_back(withBacks(set[1], options, deedItems, {}));
        docs.push_back(withBacks(set[2], options, {}, {}));
        docs.push_back(withBacks(set[3], options, {}, {}));
        break;
    }
    docs.push_back(withBacks(set[4], options, {}, {}));
    return docs;
}
