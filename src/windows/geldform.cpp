#include "windows/geldform.h"

#include "files/picturefile.h"
#include "drawing/banknote.h"
#include "printing/moneysheet.h"
#include "drawing/fonts.h"
#include "dialogs/dialogs.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"
#include "printing/printerpage.h"
#include "windows/sheetprint.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace formlayout;

GeldForm::GeldForm(Algemeen &state, Dialogs &dialogs, SystemPrinters &printers, QWidget *parent)
    : QDialog(parent), NoteBackColour(DefaultNoteBackColour), AmountColour(DefaultAmountColour),
      m_state(state), m_dialogs(dialogs), m_printers(printers)
{
    // 1. The window, the frame and the preview.
    setModal(true);
    setFont(ArialFont(8.25));
    setWindowTitle(QStringLiteral("Speelgeld Ontwerpen"));
    setFixedSize((8100 - FrameWidthTwips) / Twips, (4500 - FrameHeightTwips) / Twips);
    const RgbColour &wc = m_state.WindowColour;
    setColour(this, QPalette::Window, QColor(wc.red, wc.green, wc.blue));
    panel(this, 180, 180, 6135, 3135, QColor(80, 120, 80));
    Pic = new QLabel(this);
    place(Pic, 240, 240, 6000, 3000);

    // 2 and 3. Outlines in black at opening, the dots and the ellipses.
    m_note.start(DefaultNoteBackColour);
    m_note.outlines(Qt::black);
    m_note.dots();
    m_note.ellipses();

    // 4. The other controls.
    label(this, QStringLiteral("Euro afbeeldingen"), 6495, 630);
    panel(this, 6480, 900, 1350, 330, QColor(), QFrame::Box | QFrame::Plain);
    HScroll1 = scrollBar(this, Qt::Horizontal, 0, EuroPictureCount - 1, 6510, 930, 1290, 270);
    HScroll1->setValue(1);
    label(this, QStringLiteral("Achtergrondkleur"), 6495, 1830);
    panel(this, 6480, 2100, 1350, 960, QColor(), QFrame::Box | QFrame::Plain);
    const int start[4] = {0, DefaultNoteBackColour.red, DefaultNoteBackColour.green, DefaultNoteBackColour.blue};
    for (int i = 1; i <= 3; ++i) {
        ColorScroll[i] = scrollBar(this, Qt::Horizontal, 1, 255, 6510, 1830 + 300 * i, 1290, 300);
        ColorScroll[i]->setValue(start[i]);
    }
    Text1 = new QLineEdit(this);
    place(Text1, 180, 3510, 900, 300);
    Text1->setFont(ArialFont(9));
    setColour(Text1, QPalette::Base, QColor(230, 230, 180));
    Text1->setMaxLength(AmountMaxLength);
    Text1->setText(DefaultAmountText());
    label(this, QStringLiteral("Bedrag in Euro's"), 1140, 3570);
    panel(this, 2700, 3510, 1350, 360, QColor(), QFrame::Box | QFrame::Plain);
    HScroll = scrollBar(this, Qt::Horizontal, 1, AmountColourCount, 2730, 3540, 1290, 300);
    KleurLabel = label(this, QStringLiteral("Kleur bedrag, 1 / 13"), 4095, 3570);
    PrintKnop = button(this, QStringLiteral("Print"), 6180, 3510);
    ExitKnop = button(this, QStringLiteral("Exit"), 7020, 3510);
    // Enter asks whether to print the note; Escape closes the window.
    PrintKnop->setDefault(true);
    formlayout::tabOrder(
        {HScroll1, ColorScroll[1], ColorScroll[2], ColorScroll[3], Text1, HScroll, PrintKnop, ExitKnop});
    AddButtonMnemonics(this);

    // 5. The designed note.
    PlaatsBedrag();

    // 6. The Euro pictures; a missing or unreadable file leaves the strip empty.
    m_euroStrip = LoadPicture(m_state.dataPath(QStringLiteral("Data-9.vgx")));

    connect(Text1, &QLineEdit::textChanged, this, [this] { PlaatsBedrag(); });
    connect(HScroll, &QScrollBar::valueChanged, this, &GeldForm::amountColourChanged);
    for (int i = 1; i <= 3; ++i)
        connect(ColorScroll[i], &QScrollBar::valueChanged, this, [this, i](int v) { backgroundChanged(i, v); });
    connect(HScroll1, &QScrollBar::valueChanged, this, &GeldForm::euroPictureChosen);
    connect(PrintKnop, &QPushButton::clicked, this, &GeldForm::print);
    connect(ExitKnop, &QPushButton::clicked, this, &GeldForm::reject);
}

void GeldForm::showPicture() { Pic->setPixmap(QPixmap::fromImage(m_note.picture())); }

void GeldForm::PlaatsBedrag()
{
    m_note.amount(Text1->text(), AmountColour, NoteBackColour);
    showPicture();
}

void GeldForm::amountColourChanged(int n)
{
    AmountColour = ::AmountColour(n);
    setLabelText(KleurLabel, QStringLiteral("Kleur bedrag, %1 / 13").arg(n));
    PlaatsBedrag();
}

void GeldForm::backgroundChanged(int i, int value)
{
    (i == 1 ? NoteBackColour.red : i == 2 ? NoteBackColour.green : NoteBackColour.blue) = value;
    m_note.start(NoteBackColour);
    m_note.outlines(QColor(80, 80, 80));
    PlaatsBedrag();
}

void GeldForm::euroPictureChosen(int k)
{
    m_note.euroPicture(m_euroStrip, k);
    showPicture();
}

void GeldForm::print()
{
    if (!m_dialogs.askYesNo(this, QStringLiteral("Wilt u dit speelgeld nu afdrukken?"), QStringLiteral(" Print"),
                            Dialogs::Icon::None))
        return;
    RunSheetPrinter(this, m_dialogs, m_printers, QStringLiteral("Speelgeld"), SheetPrintFailure(),
                    [this](PrinterPage &page) { return PrintMoneySheet(page, m_note.sharpPicture()); },
                    m_state.SharpPrinting);
}
