#pragma once
// Placing the controls of the windows in twips (15 to a screen pixel), their colours and the
// small labels, panels, buttons and scroll bars they are made of.

#include <QColor>
#include <QFrame>
#include <QPalette>
#include <QRect>
#include <Qt>
#include <initializer_list>

class QLabel;
class QPushButton;
class QScrollBar;
class QString;
class QWidget;

namespace formlayout {

constexpr int Twips = 15;
// A window's stated size includes the desktop's frame: 8 pixels across and 31 down.
constexpr int FrameWidthTwips = 120;
constexpr int FrameHeightTwips = 465;

// A place in twips as whole pixels, each figure divided by 15 and the rest dropped.
QRect twips(int left, int top, int width, int height);

// Moves the control; gives it a size as well when both width and height are above 0.
void place(QWidget *w, int left, int top, int width = 0, int height = 0);

// One colour of the control's palette; a window colour also fills its background. A disabled
// control shows the colour greyed: a background without its hue, a text halfway to grey.
void setColour(QWidget *w, QPalette::ColorRole role, const QColor &colour);

// The colour `colour` of `role` as a disabled control shows it.
QColor disabledColour(QPalette::ColorRole role, const QColor &colour);

// Tab and Shift+Tab go through the controls in this order.
void tabOrder(std::initializer_list<QWidget *> controls);

// A label in its parent's font sized to its text, in the given text colour if there is one.
QLabel *label(QWidget *parent, const QString &text, int left, int top, const QColor &textColour = QColor());

// Gives a label a new text and sizes it to it.
void setLabelText(QLabel *l, const QString &text);

// A label without text used as a coloured or framed panel.
QLabel *panel(QWidget *parent, int left, int top, int width, int height, const QColor &colour = QColor(),
              int frameStyle = QFrame::NoFrame);

// A push button, 810 by 330 twips unless told otherwise.
QPushButton *button(QWidget *parent, const QString &caption, int left, int top, int width = 810,
                    int height = 330);

// A scroll bar that Tab reaches; the arrow keys step it, Page Up and Page Down page it.
QScrollBar *scrollBar(QWidget *parent, Qt::Orientation orientation, int minimum, int maximum, int left, int top,
                      int width, int height);

}  // namespace formlayout
