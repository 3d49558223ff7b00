#pragma once
// What makes the game the family's own: its title and subtitle on the board's centre banner,
// the town on the station signs, and the bank of play money. Kept with the project in Spel.json.

#include "model/rgbcolour.h"

#include <QString>
#include <vector>

// One denomination of the bank, as the money designer draws it.
struct BankNote {
    QString amount;              // the amount text, drawn as typed, e.g. "€ 500,-"
    int amountColour = 1;        // 1..13, see AmountColour
    RgbColour background{255, 255, 160};
    bool greyOutlines = false;   // inner outlines in 80, 80, 80 (after a background change)
    int picture = -1;            // a ready-made picture 0..7 instead of the designed note; -1 none
    bool amountOverPicture = false;  // the amount drawn again over the ready-made picture
    int perPlayer = 0;           // notes of this value each player starts with
    bool operator==(const BankNote &o) const
    {
        return amount == o.amount && amountColour == o.amountColour && background == o.background
               && greyOutlines == o.greyOutlines && picture == o.picture
               && amountOverPicture == o.amountOverPicture && perPlayer == o.perPlayer;
    }
};

constexpr int MaxBankNotes = 12;
constexpr int DefaultPlayers = 4;
constexpr int MaxPlayers = 12;

struct OwnGame {
    QString title;     // empty: "VASTGOED ATELIER"
    QString subtitle;  // empty: the default subtitle
    QString town;      // empty: every station keeps its own name
    std::vector<BankNote> bank;
    bool operator==(const OwnGame &o) const
    {
        return title == o.title && subtitle == o.subtitle && town == o.town && bank == o.bank;
    }
};

inline QString DefaultGameTitle() { return QStringLiteral("VASTGOED ATELIER"); }
inline QString DefaultGameSubtitle() { return QStringLiteral("Het spel van straten, stations en slimme zetten"); }
constexpr int MaxGameText = 40;

// The bank a new design starts with: EUR 1, 5, 10, 20, 50, 100 and 500, each in its own amount
// colour and background; a player starts with 5 x 1, 5 x 5, 5 x 10, 6 x 20, 2 x 50, 2 x 100 and
// 2 x 500 (EUR 1,500).
std::vector<BankNote> DefaultBank();

// How many notes of `note` a game for `players` needs: each player's share and a bank reserve
// of the same again.
int NotesForGame(const BankNote &note, int players);
