#include "windows/showform.h"

#include "model/algemeen.h"
#include "drawing/fonts.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <cstdlib>

using namespace formlayout;

namespace {
// How far a picture can slide in one direction, in twips. A picture that fits the viewport
// stays where it is; the slide is kept within what the window state can hold.
qint16 slideRange(int viewport, int picture)
{
    if (picture <= viewport)
        return 0;
    return qint16(qMin(std::abs(viewport - picture), 32767));
}
}

void SlidePicture::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed(event->position().toPoint());
}

void SlidePicture::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton)
        emit leftDragged(event->position().toPoint());
}

void SlidePicture::wheelEvent(QWheelEvent *event)
{
    emit wheeled(event->angleDelta(), event->modifiers());
    event->accept();
}

Showform::Showform(const Algemeen &state, QWidget *parent) : QDialog(parent)
{
    // Step 1: the window and its controls.
    setFont(ArialFont(8.25));
    setFixedSize(9240 / Twips, 6180 / Twips);
    setColour(this, QPalette::Window,
              QColor(state.WindowColour.red, state.WindowColour.green, state.WindowColour.blue));
    setWindowTitle(state.ActiveSubject == 4 ? QStringLiteral("Show Eigendomsbewijzen")
                                            : QStringLiteral("Show Speelbord"));

    PicCont = new QWidget(this);
    place(PicCont, 150, 150, 8400, 4500);
    PicCont->setAutoFillBackground(true);
    panel(this, 8640, 150, 360, 4500, QColor(), QFrame::Panel | QFrame::Sunken);
    VScroll = new QScrollBar(Qt::Vertical, this);
    place(VScroll, 8670, 180, 300, 4440);
    panel(this, 150, 4740, 8850, 360, QColor(), QFrame::Panel | QFrame::Sunken);
    HScroll = new QScrollBar(Qt::Horizontal, this);
    place(HScroll, 180, 4770, 8790, 300);
    Label3 = label(this,
                   QStringLiteral("Beweeg de muiscursor over de afbeelding om deze te verschuiven of maak "
                                  "gebruik van de 2 scrollbalken."),
                   150, 5250);
    ExitKnop = button(this, QStringLiteral("Exit"), 8160, 5190);
    connect(ExitKnop, &QPushButton::clicked, this, &QDialog::accept);
    ExitKnop->setDefault(true);
    for (QScrollBar *bar : {VScroll, HScroll})
        bar->setFocusPolicy(Qt::TabFocus);
    formlayout::tabOrder({VScroll, HScroll, ExitKnop});
    AddButtonMnemonics(this);

    // Steps 2 and 3: the picture at its own size in the top-left corner.
    SlidePic = new SlidePicture(PicCont);
    SlidePic->setCursor(Qt::OpenHandCursor);
    const QImage picture = state.ActiveSubject == 4 ? state.pictures.EigenDomsPic
                         : state.ActiveSubject == 3 ? state.pictures.Speelbord
                                                    : QImage();
    if (!picture.isNull())
        SlidePic->setPixmap(QPixmap::fromImage(picture));
    SlidePic->setGeometry(0, 0, picture.width(), picture.height());

    // Steps 4 and 5: the ranges, in twips.
    RangeY = slideRange(4500, picture.height() * Twips);
    RangeX = slideRange(8400, picture.width() * Twips);
    for (QScrollBar *bar : {VScroll, HScroll}) {
        bar->setMinimum(0);
        bar->setMaximum(bar == VScroll ? RangeY : RangeX);
        bar->setSingleStep(10 * Twips);
        bar->setPageStep(bar == VScroll ? 4500 : 8400);
        bar->setEnabled(bar->maximum() > 0);
    }
    connect(VScroll, &QScrollBar::valueChanged, this, [this](int value) {
        SlidePic->move(SlidePic->x(), -value / Twips);
        SlideY = qint16(SlidePic->y() * Twips);
    });
    connect(HScroll, &QScrollBar::valueChanged, this, [this](int value) {
        SlidePic->move(-value / Twips, SlidePic->y());
        SlideX = qint16(SlidePic->x() * Twips);
    });
    connect(SlidePic, &SlidePicture::leftPressed, this, &Showform::grab);
    connect(SlidePic, &SlidePicture::leftDragged, this, &Showform::drag);
    connect(SlidePic, &SlidePicture::wheeled, this, &Showform::scrollByWheel);
}

void Showform::wheelEvent(QWheelEvent *event)
{
    scrollByWheel(event->angleDelta(), event->modifiers());
    event->accept();
}

// The wheel scrolls up and down, sideways with Shift or a sideways wheel, a notch as far as
// the scroll bars' own wheel: three steps of ten pixels.
void Showform::scrollByWheel(QPoint angle, Qt::KeyboardModifiers modifiers)
{
    if ((modifiers & Qt::ShiftModifier) && angle.x() == 0)
        angle = QPoint(angle.y(), 0);
    const int notch = QApplication::wheelScrollLines() * VScroll->singleStep();
    HScroll->setValue(HScroll->value() - angle.x() * notch / 120);
    VScroll->setValue(VScroll->value() - angle.y() * notch / 120);
}

void Showform::grab(QPoint pixel)
{
    GrabX = qint16(pixel.x() * Twips);
    GrabY = qint16(pixel.y() * Twips);
}

void Showform::drag(QPoint pixel)
{
    // The point under the cursor stays under it until the picture reaches an edge.
    const int x = pixel.x() * Twips - GrabX + SlidePic->x() * Twips;
    const int y = pixel.y() * Twips - GrabY + SlidePic->y() * Twips;
    SlideX = qint16(qBound(-int(RangeX), x, 0));
    SlideY = qint16(qBound(-int(RangeY), y, 0));
    moveSlide();
}

void Showform::moveSlide()
{
    SlidePic->move(SlideX / Twips, SlideY / Twips);
    HScroll->setValue(std::abs(SlideX));
    VScroll->setValue(std::abs(SlideY));
}
