#pragma once
// The whole town at once: the squares' texts changed from the squares table, every changed
// square placed and every deed made in one step, the deeds that no longer match their square
// made again, and how far each square is done.

#include "model/algemeen.h"
#include "files/squaretable.h"

#include <QStringList>
#include <vector>

// How far square n is done.
struct SquareProgress {
    bool placeable = false;   // a square with texts (not a card square or a corner)
    bool placed = false;      // the board shows it as its texts say
    bool hasDeed = false;     // a street, station or utility
    bool deedMade = false;    // a deed was pasted (and is known)
    QStringList deedDiffers;  // what the pasted deed shows otherwise than the square now asks:
                              // "teksten", "bedrag", "factoren", "stationsafbeelding"
    bool deedOutOfDate() const { return deedMade && !deedDiffers.isEmpty(); }
    // All there is to do: placed as its texts say, its deed made and up to date.
    bool done() const { return (!placeable || placed) && (!hasDeed || (deedMade && deedDiffers.isEmpty())); }
};
SquareProgress ProgressOfSquare(const Algemeen &state, int n);
// One line in Dutch: "geplaatst, eigendomsbewijs verouderd (bedrag)" and the like.
QString ProgressText(const SquareProgress &progress);

// The texts square n is placed with: those the square has (a station has no city, a utility
// and a tax only an amount), the others empty, as the square editor leaves them.
BoardSquare PlacedTexts(int n, const BoardSquare &texts);

// The rows written into the squares' texts, recorded as one step named `stepName`. False when
// nothing changed.
bool SetSquareTexts(Algemeen &state, const std::vector<SquareRow> &rows, const QString &stepName);

// "Alles plaatsen en eigendomsbewijzen maken": composes and places every square that the board
// does not show as its texts say and pastes the deed of every street, station and utility from
// its square's texts, with the rent factors and station picture in force (a deed the sheet
// holds already, the same pixels and record, is left as it is): one step, with the pixels, texts and drawing record that
// placing and pasting them one by one give. The step keeps its areas uncompressed, about 0.2 MB
// an area, so that it is undone at once.
struct TownResult {
    int squares = 0;
    int deeds = 0;
};
TownResult PlaceAllAndMakeDeeds(Algemeen &state);
// "Eigendomsbewijzen bijwerken": pastes anew every deed that is out of date; one step. Returns
// how many. TownResult::deeds counts the deeds pasted the same way.
int UpdateDeeds(Algemeen &state);
