// The squares table on any bytes, through ReadSquareTable, which "Importeren..." and
// --import-csv call: a refused file gives no rows and one reason; every row taken is a square
// that has texts, once, with texts a project keeps; and what is taken, written as a table and
// read again, gives the same rows without a refusal; read into the design it was written from
// it changes nothing.
#include "model/defaultcontent.h"
#include "files/projectfiles.h"
#include "files/squaretable.h"
#include "fuzzsupport.h"

#include <algorithm>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const SquareTableRead read = ReadSquareTable(fuzz::Bytes(data, size));
    if (read.wholeFileRefused)
        fuzz::Require(read.rows.empty() && read.refused.size() == 1, "a refused file gave rows");
    std::set<int> seen;
    for (const SquareRow &row : read.rows) {
        fuzz::Require(row.number >= 1 && row.number <= 36 && seen.insert(row.number).second, "square number");
        const SquareFields has = FieldsOfSquare(row.number);
        fuzz::Require(has.amount && IsAmountText(row.texts.Amount), "a row without an amount");
        fuzz::Require((has.street || row.texts.Street.isEmpty()) && (has.city || row.texts.City.isEmpty()),
                      "a text the square does not have");
        for (const QString *text : {&row.texts.Street, &row.texts.City, &row.texts.Amount})
            fuzz::Require(FirstRefusedCharacter(*text).isNull() && text->size() <= MaxSquareTableField,
                          "a text a project cannot keep");
    }
    // Into the default design and out again: every row comes back, and the table read into
    // the design it came from changes nothing.
    static const Project defaults = [] {
        Algemeen state;
        LoadDefaultContent(state);
        return state.project;
    }();
    Project project = defaults;
    ApplySquareRows(project, read.rows);
    const QByteArray table = SquareTableFileBytes(project);
    const SquareTableRead again = ReadSquareTable(table);
    fuzz::Require(again.refused.isEmpty(), "the table written is refused");
    for (const SquareRow &row : read.rows)
        fuzz::Require(std::find(again.rows.begin(), again.rows.end(), row) != again.rows.end(), "a row lost");
    const SquareTableRead same = ReadSquareTable(table, &project);
    fuzz::Require(same.refused.isEmpty() && same.rows.empty(), "the table changes the design it came from");
    return 0;
}
