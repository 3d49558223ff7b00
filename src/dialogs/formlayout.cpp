#include "dialogs/formlayout.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

namespace formlayout {

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / Twips, top / Twips, width / Twips, height / Twips);
}

void place(QWidget *w, int left, int top, int width, int height)
{
    if (width > 0 && height > 0)
        w->setGeometry(twips(left, top, width, height));
    else
        w->move(left / Twips, top / Twips);
}

QColor disabledColour(QPalette::ColorRole role, const QColor &colour)
{
    switch (role) {
    case QPalette::Base:
    case QPalette::Button: {
        const int grey = qGray(colour.rgb());
        return QColor(grey, grey, grey);
    }
    case QPalette::Text:
    case QPalette::WindowText:
    case QPalette::ButtonText:
        return QColor((colour.red() + 128) / 2, (colour.green() + 128) / 2, (colour.blue() + 128) / 2);
    default:
        return colour;  // a window's or panel's background stays as it is
    }
}

void setColour(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Active, role, colour);
    pal.setColor(QPalette::Inactive, role, colour);
    pal.setColor(QPalette::Disabled, role, disabledColour(role, colour));
    w->setPalette(pal);
    if (role == QPalette::Window)
        w->setAutoFillBackground(true);
}

QLabel *label(QWidget *parent, const QString &text, int left, int top, const QColor &textColour)
{
    auto *l = new QLabel(text, parent);
    if (textColour.isValid())
        setColour(l, QPalette::WindowText, textColour);
    place(l, left, top);
    l->adjustSize();
    return l;
}

void setLabelText(QLabel *l, const QString &text)
{
    l->setText(text);
    l->adjustSize();
}

QLabel *panel(QWidget *parent, int left, int top, int width, int height, const QColor &colour, int frameStyle)
{
    auto *l = new QLabel(parent);
    place(l, left, top, width, height);
    if (colour.isValid())
        setColour(l, QPalette::Window, colour);
    if (frameStyle != QFrame::NoFrame)
        l->setFrameStyle(frameStyle);
    return l;
}

QPushButton *button(QWidget *parent, const QString &caption, int left, int top, int width, int height)
{
    auto *b = new QPushButton(caption, parent);
    place(b, left, top, width, height);
    return b;
}

QScrollBar *scrollBar(QWidget *parent, Qt::Orientation orientation, int minimum, int maximum, int left, int top,
                      int width, int height)
{
    auto *bar = new QScrollBar(orientation, parent);
    bar->setRange(minimum, maximum);
    bar->setFocusPolicy(Qt::TabFocus);
    bar->setPageStep(qMax(1, (maximum - minimum + 1) / 10));  // a click beside the thumb: a tenth
    place(bar, left, top, width, height);
    return bar;
}

void tabOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *w : controls) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace formlayout
