#include "drawing/carddrawing.h"

#include "drawing/fonts.h"
#include "drawing/pixeloutline.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

namespace {
constexpr int Twips = 15;

QColor toColor(const RgbColour &c) { return QColor(qBound(0, c.red, 255), qBound(0, c.green, 255), qBound(0, c.blue, 255)); }

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
}

// An outline (x1, y1)-(x2, y2) in twips, one pixel wide.
void outline(QPainter &p, int x1, int y1, int x2, int y2, const QColor &colour)
{
    FillOutline(p, x1 / Twips, y1 / Twips, x1 / Twips + (x2 - x1) / Twips, y1 / Twips + (y2 - y1) / Twips, colour);
}

void drawBorder(QPainter &p, const RgbColour &border)
{
    prepare(p);
    for (int i = 30; i <= 180; i += 15)
        outline(p, i, i, 4785 - i, 2985 - i, toColor(border));
}

void drawFrame(QPainter &p, int subject, const RgbColour &border)
{
    prepare(p);
    p.fillRect(QRect(0, 0, CardPictureWidth, CardPictureHeight), CardBackground);
    outline(p, 0, 0, 4785, 2985, CardOutlineGrey);
    drawBorder(p, border);
    outline(p, 210, 210, 4575, 2775, CardInnerOutline);
    outline(p, 225, 225, 4560, 2760, CardInnerOutline);
    p.setFont(CardTitleFont());
    p.setPen(Qt::black);
    const QPoint at = CardTitlePosition(subject);
    p.drawText(QPointF(at.x(), at.y() + p.fontMetrics().ascent()), CardTitle(subject));
}

void layoutText(QPainter &p, const QString &text, int height)
{
    const QStringList lines = WrapLines(text);
    if (lines.isEmpty())
        return;
    p.save();
    // Nothing of the text may reach the dark inner outline, whatever a font draws.
    p.setClipRect(QRect(QPoint(CardInnerLeft, CardInnerTop), QPoint(CardInnerRight, CardInnerBottom)),
                  Qt::IntersectClip);
    p.setFont(CardTextFont());
    p.setPen(Qt::black);
    const QFontMetrics metrics = p.fontMetrics();
    int y = CardFirstLineTop;
    for (int i = 0; i < lines.size() && i < CardTextLines && y < height; ++i) {
        const QString &line = lines.at(i);
        const int width = metrics.horizontalAdvance(line);
        p.drawText(QPointF(CardLineLeft(width), y + metrics.ascent()), line.trimmed());
        y += CardLinePitch;
    }
    p.restore();
}

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Whether the line may break before the word at `i` (which follows a blank): not when the
// blanks before it follow a "€", which belongs with the amount after it.
bool mayBreakBefore(const QString &paragraph, int start, int i)
{
    int j = i - 1;
    while (j >= start && isBlank(paragraph.at(j)))
        --j;
    return j >= start && paragraph.at(j) != QChar(0x20AC);
}

// The lines of one paragraph (a text without line breaks), wrapped greedily: a line breaks
// before the first word that no longer fits; blanks never force a break and stay at the end of
// the line they follow; a word wider than the line is broken where it stops fitting.
void wrapParagraph(const QString &paragraph, const QFontMetrics &metrics, int usable, QStringList &lines)
{
    const int n = int(paragraph.size());
    int start = 0;
    while (start < n) {
        int wordStart = start;  // where the line may be broken before a word, when > start
        int end = n;
        for (int i = start; i < n; ++i) {
            const QChar c = paragraph.at(i);
            if (isBlank(c))
                continue;
            if (i > start && isBlank(paragraph.at(i - 1)) && mayBreakBefore(paragraph, start, i))
                wordStart = i;
            // Widths grow with every character, so the line is measured up to and including i.
            if (metrics.horizontalAdvance(paragraph.mid(start, i - start + 1)) > usable) {
                if (wordStart > start)
                    end = wordStart;
                else
                    end = qMax(i, start + 1);  // inside a word too long for a line
                break;
            }
        }
        lines << paragraph.mid(start, end - start);
        start = end;
    }
}
}

QFont CardTextFont() { return ArialFont(9.75); }
QFont CardTitleFont() { return ArialFont(18, true); }

QString CardTitle(int subject)
{
    return subject == 2 ? QStringLiteral("Algemeen Fonds") : QStringLiteral("Kans");
}

QPoint CardTitlePosition(int subject)
{
    return subject == 2 ? QPoint(930 / Twips, 450 / Twips) : QPoint(1950 / Twips, 450 / Twips);
}

QImage NewCardPicture()
{
    QImage card(CardPictureWidth, CardPictureHeight, QImage::Format_RGB32);
    card.fill(CardBackground);
    return card;
}

void DrawCardBorder(QImage &card, const RgbColour &border)
{
    QPainter p(&card);
    drawBorder(p, border);
}

void DrawCardFrame(QImage &card, int subject, const RgbColour &border)
{
    if (card.size() != QSize(CardPictureWidth, CardPictureHeight))
        card = NewCardPicture();
    QPainter p(&card);
    drawFrame(p, subject, border);
}

QStringList WrapLines(const QString &text, const QFont &font, int usableWidth)
{
    QString withBreaks = text;
    withBreaks.replace(QLatin1Char('/'), QStringLiteral("\r\n"));
    // Any kind of line break starts a new line; a break at the very end opens no line of its own.
    QStringList paragraphs = withBreaks.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!paragraphs.isEmpty() && paragraphs.last().isEmpty())
        paragraphs.removeLast();
    const QFontMetrics metrics(font);
    QStringList lines;
    for (const QString &paragraph : paragraphs) {
        if (paragraph.isEmpty())
            lines << QString();
        else
            wrapParagraph(paragraph, metrics, qMax(1, usableWidth), lines);
    }
    return lines;
}

int CardLineLeft(int width)
{
    // 2400 - w / 2 twips, with w in twips; whole pixels rounded to the nearest.
    return qMax(CardTextLeft, int(std::lround((2400.0 - width * Twips / 2.0) / Twips)));
}

void LayoutCardText(QImage &card, const QString &text)
{
    QPainter p(&card);
    layoutText(p, text, card.height());
}

void DrawCard(QPainter &p, int subject, const RgbColour &border, const QString &text)
{
    drawFrame(p, subject, border);
    layoutText(p, text, CardPictureHeight);
}

QImage DrawCard(int subject, const RgbColour &border, const QString &text)
{
    QImage card = NewCardPicture();
    DrawCardFrame(card, subject, border);
    LayoutCardText(card, text);
    return card;
}
