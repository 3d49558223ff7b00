#pragma once
// The board's rules, in one place: the sizes of the board and its pictures, what kind of
// square a number is, which picture and which deed it has, on which side of the board it
// lies, where it sits by default, and which square a press on the overview hits.

#include <QPoint>
#include <QRect>
#include <QString>

constexpr int BoardSize = 2180;       // the board picture is BoardSize x BoardSize
constexpr int OverviewSize = 400;     // the clickable overview is 400 x 400
constexpr int DeedSheetWidth = 1476;  // the blank deed sheet
constexpr int DeedSheetHeight = 1176;
constexpr int StationWidth = 160;     // one station picture; 30 of them one below the other
constexpr int StationHeight = 135;
constexpr int StationPictures = 30;
constexpr int TemplateWidth = 180;    // the square template
constexpr int TemplateHeight = 280;
constexpr int SquareSlots = 37;       // 0..36, squares 1..36

enum class SquareKind { None, Street, Station, Utility, Tax, CardSquare };
enum class DeedKind { Street, Station, Utility };

SquareKind KindOfSquare(int n);        // None for 0 and out-of-range numbers
bool IsStreet(int n);
bool IsCardSquare(int n);
bool IsStationSquare(int n);           // 5, 14, 23, 32
bool IsUtilitySquare(int n);           // 8 (the water works) and 29 (the electricity company)
// Squares 12, 20 and 34 are "Kans"; the other card squares, 2, 15 and 25, "Algemeen Fonds".
bool IsKansSquare(int n);
// A square the program composes from the template: streets, stations, utilities and taxes.
bool IsComposableSquare(int n);
// A square with a title deed: streets, stations and utilities (28 of them).
bool HasDeed(int n);
// The kind of deed square n has (streets for anything without a station or utility deed).
DeedKind DeedKindOfSquare(int n);
// The Data picture a utility or tax square shows (8, 17, 22, 29); empty for the others.
QString SquarePictureFile(int n);
int SideOfSquare(int n);               // 1..4; 0 and anything below 10 give side 1
QPoint DefaultSquarePosition(int n);   // top-left pixel on the 2180 x 2180 board

// The overview's hit rectangle of square n (1..36) in twips, edges exclusive.
struct HitRect { int left, right, top, bottom; };
HitRect OverviewHitRect(int n);
// The square hit by a press at (x, y) twips on the overview, or 0 (gaps, edges, corners,
// card squares).
int HitSquare(int xTwips, int yTwips);
