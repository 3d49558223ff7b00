#pragma once
// The squares table as a spreadsheet file: one row a square with its number, kind, street,
// city and amount. Written as UTF-8 (with a byte order mark, so that a spreadsheet does not
// take it for the local code page), ';' between the fields and CR LF line ends; read back as
// UTF-8 or Windows-1252, with ';' or ',' between the fields. Reading never trusts the file:
// what cannot be taken is listed, in Dutch, and left out.

#include "model/algemeen.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The largest file the reader takes, the most records and the longest field: a real table is
// 37 short lines.
constexpr qint64 MaxSquareTableBytes = 1024 * 1024;
constexpr int MaxSquareTableRecords = 1000;
constexpr int MaxSquareTableField = 1000;

// The texts of one square as a row of the table holds them.
struct SquareRow {
    int number = 0;  // 1..36
    BoardSquare texts;
    bool operator==(const SquareRow &o) const
    {
        return number == o.number && texts.Street == o.texts.Street && texts.City == o.texts.City
               && texts.Amount == o.texts.Amount;
    }
};

// The Dutch name of a square's kind as the table shows it ("straat", "station", ...).
QString SquareKindName(int n);
// Which of a square's three texts it has: the street or station name, the city, the amount.
// A card square and a corner have none.
struct SquareFields {
    bool street = false;
    bool city = false;
    bool amount = false;
};
SquareFields FieldsOfSquare(int n);
// Whether `text` is an amount: it holds a digit.
bool IsAmountText(const QString &text);

// The table of all 36 squares of `project`, a header row first.
QByteArray SquareTableFileBytes(const Project &project);

struct SquareTableRead {
    std::vector<SquareRow> rows;  // the rows that can be taken, in the file's order
    QStringList refused;          // one line for each thing left out, in Dutch
    bool wholeFileRefused = false;  // nothing in the file can be taken (rows is empty)
};
// Reads a table written by SquareTableFileBytes or by a spreadsheet. Rows of card squares
// and corners with empty texts are passed over without a word, and so are rows that give a
// square of `current` (when given) the texts it has: a table written from a design always
// reads back into it, whatever its squares hold (the square editor takes any amount).
SquareTableRead ReadSquareTable(const QByteArray &bytes, const Project *current = nullptr);

// The rows' texts written into `project`'s squares.
void ApplySquareRows(Project &project, const std::vector<SquareRow> &rows);
