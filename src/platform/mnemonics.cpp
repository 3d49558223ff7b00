#include "platform/mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QSet>

namespace {

int MarkerAt(const QString &caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&'))
                return i + 1;
            ++i;
        }
    }
    return -1;
}

// Where the marker goes: a word's first letter first, then any letter; -1 when all are taken.
int FreePlace(const QString &caption, const QSet<QChar> &taken)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < caption.size(); ++i) {
            const bool wordStart = i == 0 || !caption[i - 1].isLetterOrNumber();
            if (caption[i].isLetterOrNumber() && (pass == 1 || wordStart) && !taken.contains(caption[i].toLower()))
                return i;
        }
    }
    return -1;
}

}  // namespace

void AddMnemonics(const QList<QAction *> &actions)
{
    QSet<QChar> taken;
    for (QAction *a : actions) {
        const int at = MarkerAt(a->text());
        if (at >= 0)
            taken.insert(a->text()[at].toLower());
    }
    for (QAction *a : actions) {
        if (a->isSeparator())
            continue;
        QString caption = a->text();
        if (MarkerAt(caption) < 0 && !caption.contains(QLatin1Char('&'))) {
            const int at = FreePlace(caption, taken);
            if (at >= 0) {
                taken.insert(caption[at].toLower());
                caption.insert(at, QLatin1Char('&'));
                a->setText(caption);
            }
        }
        if (a->menu())
            AddMnemonics(a->menu()->actions());
    }
}

QString WithoutMnemonic(QString caption)
{
    const int at = MarkerAt(caption);
    if (at >= 0)
        caption.remove(at - 1, 1);
    return caption.replace(QLatin1String("&&"), QLatin1String("&"));
}
