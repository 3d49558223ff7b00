#pragma once
// "Eigendomsbewijs (n) Ontwerpen": designs the title deed of the selected square, lets the user
// change its base rent and pastes it into the square's slot on the deed sheet.

#include "model/algemeen.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QPushButton;

class EigendomForm : public QDialog
{
    Q_OBJECT
public:
    // The deed of square `state.CurrentSquare`, from the texts of the main window's editor as
    // they stand now (whether or not they were stored in the square). `squarePicture` is the
    // picture of a utility square (water works or electricity company).
    EigendomForm(Algemeen &state, const QString &street, const QString &city,
                 const QString &amountText, const QImage &squarePicture = QImage(),
                 QWidget *parent = nullptr);

    // Controls by their names.
    QLabel *Label1 = nullptr;   // the frame behind the canvas
    QLabel *Pic = nullptr;      // shows the deed
    QWidget *Line1 = nullptr;   // the red sweep line over the canvas, never part of the deed
    QPushButton *SaveKnop = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *Combo1 = nullptr;  // base rent
    QLabel *Label12 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *TeLangLabel = nullptr;  // shown when the deed cuts the name or city
    QPushButton *ExitKnop = nullptr;

    const QImage &deed() const { return m_deed; }
    bool sweeping() const { return m_sweeping; }

    // "Ok": pastes the deed into its slot, then sweeps the red line down the canvas.
    void pasteDeed();

public slots:
    void reject() override;

private:
    PastedDeed m_record;
    void baseChanged(const QString &text);
    void showDeed();
    void drawAmounts(float base);

    Algemeen &m_state;
    int m_square = 0;
    QImage m_deed;
    bool m_sweeping = false;
    bool m_stopSweep = false;
};
