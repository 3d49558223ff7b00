#pragma once
// Small layout helpers of the deed windows: places in twips, colours of labels and boxes.

#include "fonts.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace deedforms {
constexpr int Twips = 15;  // twips to a screen pixel

inline void placeTwips(QWidget *w, int left, int top, int width = 0, int height = 0)
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

// A label sized to its text, Arial 8.25 pt dark grey unless told otherwise.
inline QLabel *textLabel(QWidget *parent, const QString &text, int left, int top,
                         const QFont &font = ArialFont(8.25),
                         const QColor &colour = QColor(64, 64, 64))
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    setColour(label, QPalette::WindowText, colour);
    placeTwips(label, left, top);
    label->adjustSize();
    return label;
}
}
