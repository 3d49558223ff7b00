#include "model/boardrules.h"

#include <array>

SquareKind KindOfSquare(int n)
{
    switch (n) {
    case 5: case 14: case 23: case 32:
        return SquareKind::Station;
    case 8: case 29:
        return SquareKind::Utility;
    case 17: case 22:
        return SquareKind::Tax;
    case 2: case 12: case 15: case 20: case 25: case 34:
        return SquareKind::CardSquare;
    default:
        return (n >= 1 && n <= 36) ? SquareKind::Street : SquareKind::None;
    }
}

bool IsStreet(int n) { return KindOfSquare(n) == SquareKind::Street; }
bool IsCardSquare(int n) { return KindOfSquare(n) == SquareKind::CardSquare; }
bool IsStationSquare(int n) { return KindOfSquare(n) == SquareKind::Station; }
bool IsUtilitySquare(int n) { return KindOfSquare(n) == SquareKind::Utility; }
bool IsKansSquare(int n) { return n == 12 || n == 20 || n == 34; }

bool IsComposableSquare(int n)
{
    const SquareKind kind = KindOfSquare(n);
    return kind == SquareKind::Street || kind == SquareKind::Station || kind == SquareKind::Utility
           || kind == SquareKind::Tax;
}

bool HasDeed(int n)
{
    const SquareKind kind = KindOfSquare(n);
    return kind == SquareKind::Street || kind == SquareKind::Station || kind == SquareKind::Utility;
}

DeedKind DeedKindOfSquare(int n)
{
    return IsUtilitySquare(n) ? DeedKind::Utility : IsStationSquare(n) ? DeedKind::Station : DeedKind::Street;
}

QString SquarePictureFile(int n)
{
    switch (n) {
    case 8: return QStringLiteral("Data-5.vgx");
    case 17: return QStringLiteral("Data-6.vgx");
    case 22: return QStringLiteral("Data-7.vgx");
    case 29: return QStringLiteral("Data-8.vgx");
    default: return QString();
    }
}

int SideOfSquare(int n)
{
    if (n < 10) return 1;
    if (n < 19) return 2;
    if (n < 28) return 3;
    return 4;
}

QPoint DefaultSquarePosition(int n)
{
    if (n < 1 || n > 36) return {0, 0};
    switch (SideOfSquare(n)) {
    case 1: return {280 + 180 * (n - 1), 0};
    case 2: return {1900, 280 + 180 * (n - 10)};
    case 3: return {1720 - 180 * (n - 19), 1900};
    default: return {0, 1720 - 180 * (n - 28)};
    }
}

namespace {
// Edges along a side, in twips: the squares of the top row from left to right (the bottom
// row mirrors them from right to left), and of the right column from top to bottom (the
// left column mirrors them from bottom to top).
constexpr std::array<std::array<int, 2>, 9> rowSpans{{
    {840, 1305}, {1320, 1770}, {1785, 2280}, {2295, 2760}, {2775, 3225},
    {3240, 3705}, {3720, 4170}, {4185, 4665}, {4680, 5175}}};
constexpr std::array<std::array<int, 2>, 9> columnSpans{{
    {840, 1290}, {1305, 1770}, {1785, 2280}, {2295, 2760}, {2775, 3210},
    {3225, 3705}, {3720, 4170}, {4185, 4665}, {4680, 5175}}};
}

HitRect OverviewHitRect(int n)
{
    if (n >= 1 && n <= 9) {
        const auto &s = rowSpans[n - 1];
        return {s[0], s[1], 30, 810};
    }
    if (n >= 10 && n <= 18) {
        const auto &s = columnSpans[n - 10];
        return {5190, 5970, s[0], s[1]};
    }
    if (n >= 19 && n <= 27) {
        const auto &s = rowSpans[27 - n];
        return {s[0], s[1], 5190, 5970};
    }
    if (n >= 28 && n <= 36) {
        const auto &s = columnSpans[36 - n];
        return {30, 825, s[0], s[1]};
    }
    return {0, 0, 0, 0};
}

int HitSquare(int x, int y)
{
    for (int n = 1; n <= 36; ++n) {
        const HitRect r = OverviewHitRect(n);
        if (r.left < x && x < r.right && r.top < y && y < r.bottom)
            return IsCardSquare(n) ? 0 : n;
    }
    return 0;
}
