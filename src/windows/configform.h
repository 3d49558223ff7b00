#pragma once
// "Vermenigvuldigingsfactor": the window where the user edits the twelve rent factors.

#include "design/edits.h"

#include <QDialog>
#include <array>

class Dialogs;
class QComboBox;
class QLabel;
class QPushButton;

class ConfigForm : public QDialog
{
    Q_OBJECT
public:
    ConfigForm(Algemeen &state, Dialogs &dialogs, QWidget *parent = nullptr);

    // Controls by their names; Combo1[1..12] hold factors 1..12 (slot 0 stays empty).
    std::array<QComboBox *, FactorSlots> Combo1{};
    QLabel *Label1 = nullptr;
    std::array<QLabel *, 11> rowLabels{};  // Label2..Label10 at indexes 2..10
    QPushButton *ResetKnop = nullptr;
    QPushButton *CancelKnop = nullptr;
    QPushButton *ExitKnop = nullptr;

private:
    void reset();
    void storeAndClose();

    Algemeen &m_state;
    Dialogs &m_dialogs;
    EditVisit m_visit;  // a visit of this window is one step of the design's history
};
