#pragma once
// The card designer: one deck of 16 cards ("Kans" or "Algemeen Fonds", by ActiveSubject), one
// card at a time as a finished card and as editable text, the border colour, and printing the
// whole deck on two sheets.

#include "model/algemeen.h"

#include <QDialog>
#include <QImage>
#include <array>

class Dialogs;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class SystemPrinters;

class KansForm : public QDialog
{
    Q_OBJECT
public:
    KansForm(Algemeen &state, Dialogs &dialogs, SystemPrinters &printers, QWidget *parent = nullptr);

    // Shows card HScroll->value() of the active deck: counter, frame, text box and text.
    void ShowCard();

    // The card preview as drawn (320 x 200); this is what is printed.
    const QImage &cardPicture() const { return m_picture; }
    bool isPrinting() const { return m_printing; }

    // The pause after each printed card (seconds); window events are processed meanwhile.
    float cardPause = 0.2f;

    QLabel *Pic = nullptr;
    std::array<QScrollBar *, 4> HScroll1{};  // 1..3: red, green, blue of the border
    std::array<QLabel *, 4> KleurLabel{};    // 1..3
    QScrollBar *HScroll = nullptr;           // card number 1..16
    QLabel *KaartLabel = nullptr;            // "n / 16"
    QLineEdit *Text2 = nullptr;
    QPushButton *SaveKnop = nullptr;
    QLabel *SaveLabel = nullptr;     // "Bovenstaande tekst opslaan."
    QLabel *RefusalLabel = nullptr;  // why a character was not taken, in SaveLabel's place
    QPushButton *PrintKnop = nullptr;
    QPushButton *ExitKnop = nullptr;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int subject() const;
    CardDeck &activeDeck();
    void showPicture();
    void borderColourChanged(int i, int value);
    void save();
    void print();
    void setControlsEnabled(bool enabled);
    void showRefusal(const QString &message);

    Algemeen &m_state;
    Dialogs &m_dialogs;
    SystemPrinters &m_printers;
    QImage m_picture;
    bool m_printing = false;
};

// The Dutch explanation shown when a card text holds a character the deck file cannot store.
QString UnstorableCardTextMessage(QChar c);
// The Dutch explanation shown when a card text needs more lines than the card holds.
QString TooLongCardTextMessage(int lines);
