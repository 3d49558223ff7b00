#pragma once
// The settings window "Instellingen": the background colour of the windows and the station
// picture. Every change goes straight into the shared state; there is no cancel.

#include "design/edits.h"

#include <QDialog>
#include <array>
#include <functional>

struct Algemeen;
class QLabel;
class QPushButton;
class QScrollBar;

class KleurForm : public QDialog
{
    Q_OBJECT
public:
    // `applyColour` gives the main window (and its number strips) a new background.
    KleurForm(Algemeen &state, std::function<void(int, int, int)> applyColour,
              QWidget *parent = nullptr);

    std::array<QScrollBar *, 3> HScroll1{};  // red, green, blue
    std::array<QLabel *, 3> KleurLabel{};
    QPushButton *ResetKnop = nullptr;
    QScrollBar *VScroll = nullptr;           // station picture 0..29
    QLabel *Pic = nullptr;                   // its preview, 160 x 135
    QLabel *Label7 = nullptr;                // "n / 30"
    QPushButton *ExitKnop = nullptr;

private:
    void colourChanged(int index, int value);
    void reset();
    void stationChanged(int value);
    void applyBackground();

    Algemeen &m_state;
    EditVisit m_visit;  // a visit of this window is one step of the design's history
    std::function<void(int, int, int)> m_applyColour;
};
