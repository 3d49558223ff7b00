#include "printing/proofsheet.h"

#include "printing/printerpage.h"

#include <QPainter>
#include <cmath>

namespace {
const QSizeF A4Portrait(210, 297);
constexpr double GridLeft = 55, GridTop = 178, GridPitch = 20, GridSquare = 10;

// Text with its top-left corner at (x, y) millimetres, `height` millimetres high.
void text(QPainter &p, double x, double y, const QString &words, double height, bool bold = false,
          Qt::Alignment align = Qt::AlignLeft)
{
    p.save();
    p.scale(0.1, 0.1);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, int(std::lround(height * 10))));
    font.setBold(bold);
    p.setFont(font);
    p.setPen(Qt::black);
    const QRectF box = align & Qt::AlignHCenter ? QRectF((x - 50) * 10, y * 10, 1000, height * 20)
                                                : QRectF(x * 10, y * 10, 1800, height * 20);
    p.drawText(box, int(align | Qt::AlignTop), words);
    p.restore();
}

// A ruler of 100 mm from `origin`, across or down, with a tick every millimetre, longer ones
// every 5 and 10 and the ends longest, the ticks on the side away from the other ruler.
void ruler(QPainter &p, QPointF origin, bool across)
{
    p.setPen(QPen(Qt::black, 0.15, Qt::SolidLine, Qt::FlatCap));
    const QPointF along = across ? QPointF(1, 0) : QPointF(0, 1);
    const QPointF tick = across ? QPointF(0, -1) : QPointF(-1, 0);
    p.drawLine(origin, origin + along * 100);
    for (int mm = 0; mm <= 100; ++mm) {
        const double length = mm % 100 == 0 ? 7 : mm % 10 == 0 ? 4 : mm % 5 == 0 ? 2.5 : 1.5;
        const QPointF at = origin + along * mm;
        p.drawLine(at, at + tick * length);
        if (mm % 10 == 0 && mm % 100 != 0) {
            const QPointF label = at + tick * 7.5;
            text(p, label.x() - (across ? 0 : 2), label.y() - (across ? 1.5 : 1.2), QString::number(mm / 10), 2.6,
                 false, Qt::AlignHCenter);
        }
    }
}
}

QRectF ProofSquare() { return QRectF(140, ProofRulerTop, 50, 50); }

QRectF ProofGridSquare(int number)
{
    const int i = qBound(1, number, ProofGridSize * ProofGridSize) - 1;
    return QRectF(GridLeft + (i % ProofGridSize) * GridPitch, GridTop + (i / ProofGridSize) * GridPitch, GridSquare,
                  GridSquare);
}

QPointF ProofOffset(int number)
{
    const int i = qBound(1, number, ProofGridSize * ProofGridSize) - 1;
    const int half = ProofGridSize / 2;
    return QPointF((i % ProofGridSize - half) * ProofStepMm, (i / ProofGridSize - half) * ProofStepMm);
}

int ProofNumber(QPointF offset)
{
    const int half = ProofGridSize / 2;
    const int column = qBound(0, int(std::lround(offset.x() / ProofStepMm)) + half, ProofGridSize - 1);
    const int row = qBound(0, int(std::lround(offset.y() / ProofStepMm)) + half, ProofGridSize - 1);
    return row * ProofGridSize + column + 1;
}

bool PrintProofSheet(PrinterPage &page, bool duplex, FlipEdge flip)
{
    if (!page.setOrientation(QPageLayout::Portrait))
        return false;
    const bool front = page.paintOnPaper([duplex](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, true);
        text(p, 20, 12, QStringLiteral("Proefvel"), 7, true);
        text(p, 20, 21, QStringLiteral("Druk dit vel af op 100 % (\"Werkelijke grootte\"), niet \"Aanpassen aan pagina\"."), 3.2);
        ruler(p, QPointF(ProofRulerLeft, ProofRulerTop), true);
        ruler(p, QPointF(ProofRulerLeft, ProofRulerTop), false);
        p.setPen(QPen(Qt::black, 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(ProofSquare());
        text(p, ProofSquare().center().x(), ProofSquare().center().y() - 2, QStringLiteral("50 x 50 mm"), 3.5, false,
             Qt::AlignHCenter);
        const QStringList check{
            QStringLiteral("Meet de linialen met een stalen liniaal: 10 cm over en 10 cm neer,"),
            QStringLiteral("het vierkant 5 x 5 cm. Wijkt het af, zet de printer dan op 100 % of"),
            QStringLiteral("\"Werkelijke grootte\" en druk het proefvel opnieuw af.")};
        for (int i = 0; i < check.size(); ++i)
            text(p, 40, 60 + 6 * i, check[i], 3.2);
        if (!duplex)
            return;
        text(p, 20, 150, QStringLiteral("Dubbelzijdig: houd het vel tegen het licht."), 4, true);
        text(p, 20, 157, QStringLiteral("Bij welk nummer valt het donkere vierkant van de achterkant precies in het kader?"), 3.2);
        text(p, 20, 162.5, QStringLiteral("Vul dat nummer in bij \"Alles afdrukken...\": de achterkanten schuiven dan mee."), 3.2);
        p.setPen(QPen(Qt::black, 0.2));
        for (int n = 1; n <= ProofGridSize * ProofGridSize; ++n) {
            const QRectF r = ProofGridSquare(n);
            p.drawRect(r);
            text(p, r.center().x(), r.bottom() + 1, QString::number(n), 3, true, Qt::AlignHCenter);
        }
    });
    if (!front)
        return false;
    if (duplex) {
        if (!page.endPage())
            return false;
        const bool back = page.paintOnPaper([flip](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 40, 40));
            for (int n = 1; n <= ProofGridSize * ProofGridSize; ++n)
                p.drawRect(BackPlace(ProofGridSquare(n), A4Portrait, flip, ProofOffset(n)));
        });
        if (!back)
            return false;
    }
    return page.endDocument();
}
