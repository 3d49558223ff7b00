#pragma once
// Board geometry: what kind of square a number is, on which side of the board it lies,
// where it sits by default, and which square a press on the overview hits.

#include <QPoint>
#include <QRect>

enum class SquareKind { None, Street, Station, Utility, Tax, CardSquare };

SquareKind KindOfSquare(int n);        // None for 0 and out-of-range numbers
bool IsStreet(int n);
bool IsCardSquare(int n);
int SideOfSquare(int n);               // 1..4; 0 and anything below 10 give side 1
QPoint DefaultSquarePosition(int n);   // top-left pixel on the 2180 x 2180 board

// The overview's hit rectangle of square n (1..36) in twips, edges exclusive.
struct HitRect { int left, right, top, bottom; };
HitRect OverviewHitRect(int n);
// The square hit by a press at (x, y) twips on the overview, or 0 (gaps, edges, corners,
// card squares).
int HitSquare(int xTwips, int yTwips);
