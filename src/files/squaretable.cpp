#include "files/squaretable.h"

#include "files/projectfiles.h"
#include "files/recordfile.h"
#include "model/boardrules.h"

#include <QStringDecoder>

namespace {
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// The header's column names, in the order the table is written.
enum Column { NumberColumn, KindColumn, StreetColumn, CityColumn, AmountColumn, Columns };
const char *const ColumnNames[Columns] = {"Nummer", "Soort", "Straatnaam", "Plaats", "Huur Onbebouwd"};

QString quoted(const QString &field)
{
    if (!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"'))
        && !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString inner = field;
    inner.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

// The text of the file: UTF-8 when it reads as such (a byte order mark is dropped), otherwise
// Windows-1252.
QString decode(QByteArray bytes)
{
    const bool marked = bytes.startsWith(ByteOrderMark);
    if (marked)
        bytes.remove(0, ByteOrderMark.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

// The records of `text`: fields split at `separator` outside double quotes, "" inside quotes
// standing for one quote; CR LF, LF or CR end a record. False (with `problem`) when a quote
// is left open, a field is too long or there are too many records.
struct Records {
    QList<QStringList> records;
    QList<int> lines;  // the line each record starts on, from 1
};
bool splitRecords(const QString &text, QChar separator, Records &out, QString &problem)
{
    QStringList record;
    QString field;
    bool inQuotes = false;
    bool fieldWasQuoted = false;
    int line = 1, recordLine = 1;
    const auto endField = [&] {
        record.append(field);
        field.clear();
        fieldWasQuoted = false;
    };
    const auto endRecord = [&] {
        endField();
        if (!(record.size() == 1 && record.first().isEmpty())) {
            out.records.append(record);
            out.lines.append(recordLine);
        }
        record.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field.append(c);
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == u'\n' || (c == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n')))
                    ++line;
                field.append(c);
            }
        } else if (c == u'"' && field.isEmpty() && !fieldWasQuoted) {
            inQuotes = true;
            fieldWasQuoted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRecord();
            recordLine = ++line;
        } else {
            field.append(c);
        }
        if (field.size() > MaxSquareTableField) {
            problem = QStringLiteral("Regel %1: een veld is langer dan %2 tekens.").arg(recordLine).arg(MaxSquareTableField);
            return false;
        }
        if (out.records.size() > MaxSquareTableRecords) {
            problem = QStringLiteral("Het bestand heeft meer dan %1 regels; een vakjestabel heeft er 37.")
                          .arg(MaxSquareTableRecords);
            return false;
        }
    }
    if (inQuotes) {
        problem = QStringLiteral("Regel %1: een aanhalingsteken wordt niet gesloten.").arg(recordLine);
        return false;
    }
    if (!field.isEmpty() || !record.isEmpty() || fieldWasQuoted)
        endRecord();
    return true;
}

// The separator of the header line: ';' when it has one, otherwise ','.
QChar separatorOf(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n')
            break;
        if (c == u';')
            return c;
    }
    return QLatin1Char(',');
}

QString fieldName(Column c)
{
    return QString::fromLatin1(ColumnNames[c]);
}
}

QString SquareKindName(int n)
{
    switch (KindOfSquare(n)) {
    case SquareKind::Street: return QStringLiteral("straat");
    case SquareKind::Station: return QStringLiteral("station");
    case SquareKind::Utility: return QStringLiteral("nutsbedrijf");
    case SquareKind::Tax: return QStringLiteral("belasting");
    case SquareKind::CardSquare: return QStringLiteral("kaartvak");
    case SquareKind::None: break;
    }
    return n >= 1 && n <= 36 ? QStringLiteral("hoek") : QString();
}

SquareFields FieldsOfSquare(int n)
{
    switch (KindOfSquare(n)) {
    case SquareKind::Street: return {true, true, true};
    case SquareKind::Station: return {true, false, true};
    case SquareKind::Utility:
    case SquareKind::Tax: return {false, false, true};
    default: return {};
    }
}

bool IsAmountText(const QString &text)
{
    for (const QChar c : text)
        if (c.isDigit())
            return true;
    return false;
}

QByteArray SquareTableFileBytes(const Project &project)
{
    QStringList lines;
    QStringList header;
    for (const char *name : ColumnNames)
        header << QString::fromLatin1(name);
    lines << header.join(QLatin1Char(';'));
    for (int n = 1; n <= 36; ++n) {
        // Only the texts the square has: a station's city is never drawn or placed.
        const BoardSquare &s = project.Board[n];
        const SquareFields has = FieldsOfSquare(n);
        lines << QStringList{QString::number(n), SquareKindName(n), has.street ? quoted(s.Street) : QString(),
                             has.city ? quoted(s.City) : QString(), has.amount ? quoted(s.Amount) : QString()}
                     .join(QLatin1Char(';'));
    }
    return ByteOrderMark + (lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8();
}

SquareTableRead ReadSquareTable(const QByteArray &bytes, const Project *current)
{
    SquareTableRead result;
    const auto refuseWhole = [&](const QString &why) {
        result.rows.clear();
        result.refused = QStringList{why};
        result.wholeFileRefused = true;
        return result;
    };
    if (bytes.size() > MaxSquareTableBytes)
        return refuseWhole(QStringLiteral("Het bestand is groter dan %1 kB; een vakjestabel is een paar kB.")
                               .arg(MaxSquareTableBytes / 1024));
    if (bytes.contains('\0'))
        return refuseWhole(QStringLiteral("Het bestand is geen tekstbestand."));
    const QString text = decode(bytes);
    const QChar separator = separatorOf(text);
    Records table;
    QString problem;
    if (!splitRecords(text, separator, table, problem))
        return refuseWhole(problem);
    if (table.records.isEmpty())
        return refuseWhole(QStringLiteral("Het bestand is leeg."));

    // The columns by their names in the header, in any order.
    int at[Columns];
    const QStringList &header = table.records.first();
    for (int c = 0; c < Columns; ++c) {
        at[c] = -1;
        for (int i = 0; i < header.size(); ++i)
            if (header[i].trimmed().compare(fieldName(Column(c)), Qt::CaseInsensitive) == 0)
                at[c] = i;
        if (at[c] < 0 && c != KindColumn)
            return refuseWhole(QStringLiteral("De kopregel heeft geen kolom \"%1\"; verwacht wordt: %2 "
                                              "(gescheiden door ';' of ',').")
                                   .arg(fieldName(Column(c)),
                                        QStringList{fieldName(NumberColumn), fieldName(KindColumn), fieldName(StreetColumn),
                                                    fieldName(CityColumn), fieldName(AmountColumn)}
                                            .join(QLatin1String(", "))));
    }

    bool seen[SquareSlots] = {};
    for (int r = 1; r < table.records.size(); ++r) {
        const QStringList &fields = table.records[r];
        const QString where = QStringLiteral("Regel %1").arg(table.lines[r]);
        if (fields.size() != header.size()) {
            result.refused << QStringLiteral("%1: %2 velden, de kopregel heeft er %3 (scheidingsteken '%4').")
                                  .arg(where).arg(fields.size()).arg(header.size()).arg(separator);
            continue;
        }
        bool isNumber = false;
        const int n = fields[at[NumberColumn]].trimmed().toInt(&isNumber);
        if (!isNumber || n < 1 || n > 36) {
            result.refused << QStringLiteral("%1: \"%2\" is geen vaknummer van 1 tot en met 36.")
                                  .arg(where, fields[at[NumberColumn]].left(40));
            continue;
        }
        if (seen[n]) {
            result.refused << QStringLiteral("%1: vakje %2 staat al eerder in de tabel.").arg(where).arg(n);
            continue;
        }
        seen[n] = true;
        const SquareFields has = FieldsOfSquare(n);
        const struct {
            Column column;
            bool allowed;
        } texts[] = {{StreetColumn, has.street}, {CityColumn, has.city}, {AmountColumn, has.amount}};
        if (current && has.amount) {
            const BoardSquare &now = current->Board[n];
            if ((has.street ? now.Street : QString()) == fields[at[StreetColumn]]
                && (has.city ? now.City : QString()) == fields[at[CityColumn]] && now.Amount == fields[at[AmountColumn]])
                continue;  // nothing to change
        }
        QStringList problems;
        for (const auto &t : texts) {
            const QString &value = fields[at[t.column]];
            if (!t.allowed && !value.isEmpty()) {
                problems << QStringLiteral("een %1 heeft geen %2").arg(SquareKindName(n), fieldName(t.column));
            } else if (const QChar refused = FirstRefusedCharacter(value); !refused.isNull()) {
                const QString what = refused == u'"' ? QStringLiteral("een aanhalingsteken")
                                     : refused.unicode() < 0x20 || refused.unicode() == 0x7F
                                         ? QStringLiteral("een stuurteken of regelovergang")
                                         : QStringLiteral("het teken '%1'").arg(refused);
                problems << QStringLiteral("%1 bevat %2, dat niet in een project kan worden bewaard")
                                .arg(fieldName(t.column), what);
            }
        }
        if (has.amount && problems.isEmpty() && !IsAmountText(fields[at[AmountColumn]]))
            problems << QStringLiteral("\"%1\" is geen bedrag").arg(fields[at[AmountColumn]].left(40));
        if (!problems.isEmpty()) {
            result.refused << QStringLiteral("%1 (vakje %2): %3.").arg(where).arg(n).arg(problems.join(QLatin1String("; ")));
            continue;
        }
        if (!has.amount)
            continue;  // a card square or a corner, without texts
        result.rows.push_back({n, {fields[at[StreetColumn]], fields[at[CityColumn]], fields[at[AmountColumn]]}});
    }
    return result;
}

void ApplySquareRows(Project &project, const std::vector<SquareRow> &rows)
{
    for (const SquareRow &row : rows)
        if (row.number >= 1 && row.number <= 36)
            project.Board[row.number] = row.texts;
}
