#include "dialogs/mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
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

// Reserves the letters of the captions that have a marker, then gives the others one.
QStringList WithMarkers(QStringList captions, QSet<QChar> taken)
{
    for (const QString &caption : captions) {
        const int at = MarkerAt(caption);
        if (at >= 0)
            taken.insert(caption[at].toLower());
    }
    for (QString &caption : captions) {
        if (caption.isEmpty() || MarkerAt(caption) >= 0 || caption.contains(QLatin1Char('&')))
            continue;
        const int at = FreePlace(caption, taken);
        if (at >= 0) {
            taken.insert(caption[at].toLower());
            caption.insert(at, QLatin1Char('&'));
        }
    }
    return captions;
}

}  // namespace

void AddMnemonics(const QList<QAction *> &actions)
{
    QList<QAction *> entries;
    QStringList captions;
    for (QAction *a : actions) {
        if (!a->isSeparator()) {
            entries << a;
            captions << a->text();
        }
    }
    captions = WithMarkers(captions, {});
    for (int i = 0; i < entries.size(); ++i) {
        entries[i]->setText(captions[i]);
        if (entries[i]->menu())
            AddMnemonics(entries[i]->menu()->actions());
    }
}

void AddButtonMnemonics(QWidget *window)
{
    QSet<QChar> taken;
    for (QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (QAction *a : bar->actions()) {
            const int at = MarkerAt(a->text());
            if (at >= 0)
                taken.insert(a->text()[at].toLower());
        }
    }
    QList<QAbstractButton *> buttons;
    QStringList captions;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->window() == window && !b->text().isEmpty()) {
            buttons << b;
            captions << b->text();
        }
    }
    captions = WithMarkers(captions, taken);
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(captions[i]);
}

QString WithoutMnemonic(QString caption)
{
    const int at = MarkerAt(caption);
    if (at >= 0)
        caption.remove(at - 1, 1);
    return caption.replace(QLatin1String("&&"), QLatin1String("&"));
}
