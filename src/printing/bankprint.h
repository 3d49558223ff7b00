#pragma once
// The whole bank of play money on paper: for each denomination as many notes as a game for the
// chosen number of players needs, ten a sheet, each sheet labelled with its value.

#include "model/owngame.h"

#include <QImage>
#include <QString>
#include <vector>

class PrinterPage;

// One sheet of the bank: which note of the set, and how many copies it holds (1..10).
struct BankSheet {
    int note = 0;
    int count = 0;
    int sheet = 1;   // of this note's sheets, 1..sheets
    int sheets = 1;
};

std::vector<BankSheet> BankSheets(const std::vector<BankNote> &bank, int players);

// The label printed under the notes of `sheet`, e.g. "€ 500,-: blad 1 van 2, 16 biljetten".
QString BankSheetLabel(const BankNote &note, const BankSheet &sheet, int players);

// Prints the bank; false as soon as a printer operation fails.
bool PrintBank(PrinterPage &page, const std::vector<BankNote> &bank, int players, const QString &title,
               const QImage &strip);
