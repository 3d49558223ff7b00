#include "files/recordfile.h"

#include <cmath>

namespace {
// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1 control
// of the same value, as every Windows conversion does.
constexpr char16_t highTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> byteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i)
        if (highTable[i] == u)
            return char(0x80 + i);
    return std::nullopt;
}
}

std::optional<QByteArray> EncodeWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const auto b = byteOf(c);
        if (!b)
            return std::nullopt;
        out.append(*b);
    }
    return out;
}

QString DecodeWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(highTable[b - 0x80]) : QChar(b));
    }
    return out;
}

QChar FirstUnstorableCharacter(const QString &text)
{
    for (QChar c : text) {
        if (c == u'"' || c == u'\r' || c == u'\n' || !byteOf(c))
            return c;
    }
    return QChar();
}

void RecordWriter::separate()
{
    if (m_fieldInRecord)
        m_bytes.append(',');
    m_fieldInRecord = true;
}

bool RecordWriter::text(const QString &value)
{
    if (!FirstUnstorableCharacter(value).isNull())
        return false;
    separate();
    m_bytes.append('"');
    m_bytes.append(*EncodeWindows1252(value));
    m_bytes.append('"');
    return true;
}

void RecordWriter::number(qint64 value)
{
    separate();
    m_bytes.append(QByteArray::number(value));
}

void RecordWriter::endRecord()
{
    m_bytes.append("\r\n");
    m_fieldInRecord = false;
}

bool RecordWriter::textRecord(const QString &value)
{
    const bool ok = text(value);
    endRecord();
    return ok;
}

bool RecordReader::atEnd()
{
    // Blanks and line ends after the last field do not make another field.
    int p = m_pos;
    while (p < m_bytes.size() && (m_bytes[p] == ' ' || m_bytes[p] == '\t' || m_bytes[p] == '\r' || m_bytes[p] == '\n'))
        ++p;
    return p >= m_bytes.size();
}

void RecordReader::skipSeparator()
{
    while (m_pos < m_bytes.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t'))
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == ',') {
        ++m_pos;
        return;
    }
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
        ++m_pos;
}

std::optional<QString> RecordReader::field()
{
    if (atEnd())
        return std::nullopt;
    // Blanks and empty line ends before a field are skipped.
    while (m_pos < m_bytes.size() && (m_bytes[m_pos] == ' ' || m_bytes[m_pos] == '\t' || m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n'))
        ++m_pos;
    QByteArray raw;
    if (m_bytes[m_pos] == '"') {
        const int close = m_bytes.indexOf('"', m_pos + 1);
        const int end = close < 0 ? int(m_bytes.size()) : close;
        raw = m_bytes.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? int(m_bytes.size()) : close + 1;
        // Anything between the closing quote and the separator is dropped.
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
            ++m_pos;
    } else {
        int end = m_pos;
        while (end < m_bytes.size() && m_bytes[end] != ',' && m_bytes[end] != '\r' && m_bytes[end] != '\n')
            ++end;
        raw = m_bytes.mid(m_pos, end - m_pos).trimmed();
        m_pos = end;
    }
    skipSeparator();
    return DecodeWindows1252(raw);
}

std::optional<qint64> RecordReader::number()
{
    const auto f = field();
    if (!f)
        return std::nullopt;
    const QString t = f->trimmed();
    bool ok = false;
    const qint64 whole = t.toLongLong(&ok);
    if (ok)
        return whole;
    // A number written with a fraction is rounded like any numeric read.
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > 9.0e18)
        return std::nullopt;
    return qint64(std::nearbyint(d));
}
