#pragma once
// The record syntax shared by the settings file, the project file and the deck file:
// records end in CR LF, fields are separated by commas, texts are quoted without escaping,
// numbers are bare decimal digits, characters are Windows-1252.

#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1252 conversion. Encoding fails (returns nothing) when a character has no byte.
std::optional<QByteArray> EncodeWindows1252(const QString &text);
QString DecodeWindows1252(const QByteArray &bytes);
// The first character of `text` that no record file can hold (a double quote, a line break
// or one outside Windows-1252), or a null QChar when there is none.
QChar FirstUnstorableCharacter(const QString &text);

class RecordWriter
{
public:
    // Appends a quoted text field; false when the text cannot be stored (see above).
    bool text(const QString &value);
    void number(qint64 value);
    void endRecord();  // CR LF
    // Convenience: a whole record of one text or of numbers.
    bool textRecord(const QString &value);
    const QByteArray &bytes() const { return m_bytes; }

private:
    void separate();
    QByteArray m_bytes;
    bool m_fieldInRecord = false;
};

// Reads fields in order; a field ends at a comma or a line end and the reader does not care
// on which line a field stands, it only counts fields.
class RecordReader
{
public:
    explicit RecordReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    // The next field as written (quotes dropped); nothing at the end of the data.
    std::optional<QString> field();
    // The next field as a whole number; nothing at the end or when it is not a number.
    std::optional<qint64> number();
    bool atEnd();

private:
    void skipSeparator();
    QByteArray m_bytes;
    int m_pos = 0;
};
