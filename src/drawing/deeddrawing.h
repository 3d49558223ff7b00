#pragma once
// The title deed canvas (200 x 280 pixels) and the drawing of street, station and utility
// deeds on it. Text is placed by its top-left corner; lines and copies are pixel-exact.

#include "model/algemeen.h"
#include "drawing/sharppicture.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

constexpr int DeedWidth = 200;
constexpr int DeedHeight = 280;
inline QColor DeedBackground() { return QColor(225, 239, 217); }

using FactorTable = std::array<qint32, FactorSlots>;

enum class DeedMode { Street, Station };
enum class UtilityDeed { WaterWorks, Electricity };

// One amount on a deed: base x factor, formed in double and kept as a 32-bit float. Nothing
// when the product does not fit a 32-bit float.
std::optional<float> DeedAmount(float base, qint32 factor);

// "€ " + the amount in its shortest form of at most 7 significant digits + ",-", e.g. "€ 22,-",
// "€ 2.4,-", "€ .5,-", "€ 1.234568E+07,-". The same on every machine, whatever its regional
// settings.
QString AmountNumber(float amount);
QString AmountText(float amount);

// The rows of the amount column, top to bottom: their y and their text (empty for an amount
// that does not fit a 32-bit float).
struct AmountRow {
    int y;
    QString text;
};
QList<AmountRow> DeedAmountRows(DeedMode mode, float base, const FactorTable &factors);

// A fresh canvas in the background colour.
QImage NewDeedCanvas();

// A street deed for square n (its name and city are white on squares 16, 18, 19 and 21).
void DrawStreetDeed(QImage &canvas, int n, const QString &street, const QString &city,
                    RgbColour groupColour, float base, const FactorTable &factors);

// Erases the amount column and draws it anew; the rest of the deed stays as it was.
void DrawDeedAmounts(QImage &canvas, DeedMode mode, float base, const FactorTable &factors);

// A station deed with picture number `stationImage` of the strip of station pictures.
void DrawStationDeed(QImage &canvas, const QString &name, const QImage &stationStrip,
                     int stationImage, float base, const FactorTable &factors);

// The water works or electricity company deed; `picture` is stretched to its place.
void DrawUtilityDeed(QImage &canvas, UtilityDeed which, const QImage &picture);

// The same deeds on any painter, in deed pixels from its origin; the whole deed is drawn, its
// background included (a larger painter scaled to the deed draws it at a printer's resolution).
// `stationArt`, when given, draws the station picture anew instead of copying it from the strip.
class QPainter;
void DrawStreetDeed(QPainter &p, int n, const QString &street, const QString &city,
                    RgbColour groupColour, float base, const FactorTable &factors);
void DrawStationDeed(QPainter &p, const QString &name, const QImage &stationStrip,
                     int stationImage, float base, const FactorTable &factors,
                     const StripArt &stationArt = {});
void DrawUtilityDeed(QPainter &p, UtilityDeed which, const QImage &picture);
void DrawDeedAmounts(QPainter &p, DeedMode mode, float base, const FactorTable &factors);


// Whether a street, city or station name is wider than the inside of the deed's frame, so
// that the deed shows it cut at both ends.
bool DeedNameIsCut(const QString &text);
