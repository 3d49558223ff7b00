#pragma once
// "Spel en plaats": the game's own title and subtitle on the board's centre banner and the
// town on the station signs. Ok makes the change as one edit of the design.

#include "model/algemeen.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class SpelForm : public QDialog
{
    Q_OBJECT
public:
    explicit SpelForm(Algemeen &state, QWidget *parent = nullptr);

    QLineEdit *TitelText = nullptr;
    QLineEdit *OndertitelText = nullptr;
    QLineEdit *PlaatsText = nullptr;
    QPushButton *OkKnop = nullptr;
    QPushButton *CancelKnop = nullptr;

private:
    Algemeen &m_state;
};
