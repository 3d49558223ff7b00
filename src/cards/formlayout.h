#pragma once
// Placing the controls of the card and money designers in twips (15 to a screen pixel).

#include "fonts.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace formlayout {

constexpr int Twips = 15;
// A window's stated size includes the desktop's frame: 8 pixels across and 31 down.
constexpr int FrameWidthTwips = 120;
constexpr int FrameHeightTwips = 465;

inline void place(QWidget *w, int left, int top, int width = 0, int height = 0)
{
    if (width > 0 && height > 0)
        w->setGeometry(left / Twips, top / Twips, width / Twips, height / Twips);
    else
        w->move(left / Twips, top / Twips);
}

inline void setColour(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
    if (role == QPalette::Window)
        w->setAutoFillBackground(true);
}

// A label that sizes itself to its text, on a transparent background.
inline QLabel *label(QWidget *parent, const QString &text, int left, int top)
{
    auto *l = new QLabel(text, parent);
    l->setFont(ArialFont(8.25));
    place(l, left, top);
    l->adjustSize();
    return l;
}

inline void setLabelText(QLabel *l, const QString &text)
{
    l->setText(text);
    l->adjustSize();
}

// A label without text used as a coloured or bordered panel.
inline QLabel *panel(QWidget *parent, int left, int top, int width, int height,
                     const QColor &colour = QColor(), bool bordered = false)
{
    auto *l = new QLabel(parent);
    place(l, left, top, width, height);
    if (colour.isValid())
        setColour(l, QPalette::Window, colour);
    if (bordered)
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    return l;
}

}  // namespace formlayout
