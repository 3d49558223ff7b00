#pragma once
// The deed sheet: 28 slots of 200 x 280 pixels, seven deeds a row in four rows, 10 pixels
// apart, the first at (9, 9).

#include <QImage>
#include <QPoint>
#include <optional>

#include "model/algemeen.h"
#include "drawing/sharppicture.h"

class QPainter;

constexpr int DeedSheetMinWidth = 1476;
constexpr int DeedSheetMinHeight = 1176;

// The top-left corner of square n's slot; nothing for squares without a deed.
std::optional<QPoint> DeedSheetSlot(int n);

// Copies the deed, pixel for pixel, into square n's slot. A sheet that was never loaded is
// made as a white sheet first, so a pasted deed is never lost. Returns false (and leaves the
// sheet alone) for a square without a slot or a deed of the wrong size.
bool PasteDeed(QImage &sheet, const QImage &deed, int n);

// The deed of square n as the default design has it: its texts and base (amount / 5), the
// rent factors and the station picture of `state`.
PastedDeed DefaultDeedRecord(const Algemeen &state, int n);
// Draws deed `deed` of square n on `p`, in deed pixels; `colour` is the square's group colour,
// `utilityPicture` the picture of a utility deed; `stationArt` as for DrawStationDeed.
void DrawPastedDeed(QPainter &p, int n, const PastedDeed &deed, RgbColour colour,
                    const QImage &stationStrip, const QImage &utilityPicture,
                    const StripArt &stationArt = {});

// The deed of square n as the program draws it for the default design: texts, colours and
// amounts of `state`'s board (base = amount / 5), its rent factors and station picture.
// `waterWorks` and `electricity` are the pictures of squares 8 and 29.
QImage DrawDefaultDeed(const Algemeen &state, int n, const QImage &waterWorks,
                       const QImage &electricity);

// All 28 deeds of `state` pasted into a copy of the blank sheet. The station pictures come
// from `stationStrip`.
QImage DrawDefaultDeedSheet(const QImage &blankSheet, const QImage &stationStrip,
                            const QImage &waterWorks, const QImage &electricity,
                            const Algemeen &defaultState);

// The same for the default design itself: default squares, default factors, station picture 0.
QImage DrawDefaultDeedSheet(const QImage &blankSheet, const QImage &stationStrip,
                            const QImage &waterWorks, const QImage &electricity);
