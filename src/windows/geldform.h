#pragma once
// The money designer "Speelgeld Ontwerpen": one banknote designed from an amount, its colour and
// a background colour, or one of eight ready-made Euro pictures, printed ten to a sheet. The
// design lives only as long as the window.

#include "model/algemeen.h"

#include "drawing/banknote.h"
#include "model/owngame.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <vector>

class Dialogs;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QSpinBox;
class SystemPrinters;

class GeldForm : public QDialog
{
    Q_OBJECT
public:
    GeldForm(Algemeen &state, Dialogs &dialogs, SystemPrinters &printers, QWidget *parent = nullptr);

    // Draws the designed note over whatever the preview holds.
    void PlaatsBedrag();

    // The note as drawn (400 x 200); this is what is printed.
    const QImage &notePicture() const { return m_note.picture(); }
    const NoteDrawing &noteDrawing() const { return m_note; }
    // The strip of Euro pictures; empty when Data-9.vgx could not be read.
    const QImage &euroStrip() const { return m_euroStrip; }

    // The bank being designed, one note of it shown at a time; what the window closes with.
    const std::vector<BankNote> &bank() const { return m_bank; }
    int currentNote() const { return m_current; }
    // Shows note i (0-based) of the bank with its controls.
    void showNote(int i);

    RgbColour NoteBackColour;
    RgbColour AmountColour;

    QLabel *Pic = nullptr;
    QScrollBar *HScroll1 = nullptr;             // Euro picture 0..7
    std::array<QScrollBar *, 4> ColorScroll{};  // 1..3: red, green, blue of the background
    QLineEdit *Text1 = nullptr;                 // the amount
    QScrollBar *HScroll = nullptr;              // amount colour 1..13
    QLabel *KleurLabel = nullptr;               // "Kleur bedrag, n / 13"
    QPushButton *PrintKnop = nullptr;
    QPushButton *ExitKnop = nullptr;
    QPushButton *VorigeKnop = nullptr;   // the note before
    QPushButton *VolgendeKnop = nullptr; // the note after
    QLabel *BiljetLabel = nullptr;       // "Biljet n / 7"
    QSpinBox *SpelersBox = nullptr;      // players the whole bank is printed for
    QPushButton *AllesKnop = nullptr;    // "Alle biljetten afdrukken"

private:
    void showPicture();
    void amountColourChanged(int n);
    void backgroundChanged(int i, int value);
    void euroPictureChosen(int k);
    void print();
    void printBank();
    BankNote &shown() { return m_bank[size_t(m_current)]; }

    Algemeen &m_state;
    Dialogs &m_dialogs;
    SystemPrinters &m_printers;
    NoteDrawing m_note;
    QImage m_euroStrip;
    std::vector<BankNote> m_bank;
    int m_current = 0;
};
