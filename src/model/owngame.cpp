#include "model/owngame.h"

std::vector<BankNote> DefaultBank()
{
    struct Row { int value; int colour; RgbColour background; int perPlayer; };
    // Light backgrounds, one per value, each with an amount colour that reads well on it.
    const Row rows[] = {
        {1, 13, {245, 245, 235}, 5},   {5, 3, {255, 214, 226}, 5},   {10, 9, {214, 236, 255}, 5},
        {20, 8, {220, 250, 200}, 6},   {50, 7, {255, 236, 180}, 2},  {100, 11, {230, 214, 250}, 2},
        {500, 1, {255, 255, 160}, 2},
    };
    std::vector<BankNote> bank;
    for (const Row &r : rows) {
        BankNote note;
        note.amount = QStringLiteral("€ %1,-").arg(r.value);
        note.amountColour = r.colour;
        note.background = r.background;
        note.perPlayer = r.perPlayer;
        bank.push_back(note);
    }
    return bank;
}

int NotesForGame(const BankNote &note, int players)
{
    return 2 * qBound(0, note.perPlayer, 100) * qBound(1, players, MaxPlayers);
}
