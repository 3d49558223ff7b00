#pragma once
// The viewer: the finished board or the deed sheet at full size in a fixed viewport, slid by
// dragging it with the left mouse button or with the two scroll bars. It only displays.

#include <QDialog>
#include <QLabel>

class QScrollBar;
class QPushButton;
struct Algemeen;

// The picture inside the viewport; reports the left button and mouse moves in its own pixels,
// and the wheel turned over it.
class SlidePicture : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void leftPressed(QPoint at);
    void leftDragged(QPoint at);
    void wheeled(QPoint angle, Qt::KeyboardModifiers modifiers);
protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};

class Showform : public QDialog
{
    Q_OBJECT
public:
    // Shows the board when state.ActiveSubject is 3, the deed sheet when it is 4.
    explicit Showform(const Algemeen &state, QWidget *parent = nullptr);

    QWidget *PicCont = nullptr;
    SlidePicture *SlidePic = nullptr;
    QScrollBar *VScroll = nullptr;
    QScrollBar *HScroll = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *ExitKnop = nullptr;

    // Window state in twips.
    qint16 SlideX = 0, SlideY = 0;
    qint16 GrabX = 0, GrabY = 0;
    qint16 RangeX = 0, RangeY = 0;

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    void scrollByWheel(QPoint angle, Qt::KeyboardModifiers modifiers);
    void grab(QPoint pixel);
    void drag(QPoint pixel);
    void moveSlide();
};
