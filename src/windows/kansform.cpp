#include "windows/kansform.h"

#include "files/projectfiles.h"
#include "files/recordfile.h"
#include "windows/textguard.h"
#include "design/edits.h"
#include "drawing/carddrawing.h"
#include "printing/cardsheets.h"
#include "drawing/fonts.h"
#include "platform/busypointer.h"
#include "dialogs/dialogs.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"
#include "printing/printerpage.h"
#include "windows/sheetprint.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace formlayout;

namespace {
const char *const componentPrefix[4] = {"", "R: ", "G: ", "B: "};
}

QString UnstorableCardTextMessage(QChar c)
{
    if (c == QLatin1Char('"'))
        return QStringLiteral("Een dubbel aanhalingsteken (\") kan niet in een kaarttekst worden "
                              "opgeslagen.\nGebruik een enkel aanhalingsteken (') in plaats daarvan.");
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        return QStringLiteral("Een regelovergang kan niet in een kaarttekst worden opgeslagen.\n"
                              "Gebruik \"/\" om op de kaart een nieuwe regel te beginnen.");
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return QStringLiteral("Een stuurteken kan niet in een kaarttekst worden opgeslagen.");
    return QStringLiteral("Het teken \"%1\" kan niet in een kaarttekst worden opgeslagen.").arg(c);
}

QString TooLongCardTextMessage(int lines)
{
    return QStringLiteral("Deze tekst is te lang voor de kaart: hij beslaat %1 regels en er passen er %2.\n"
                          "Maak de tekst korter of gebruik minder \"/\".")
        .arg(lines)
        .arg(CardTextLines);
}

KansForm::KansForm(Algemeen &state, Dialogs &dialogs, SystemPrinters &printers, QWidget *parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_printers(printers)
{
    // 1. Size and background.
    setModal(true);
    setFont(ArialFont(8.25));
    setFixedSize((7800 - FrameWidthTwips) / Twips, (4890 - FrameHeightTwips) / Twips);
    const RgbColour &wc = m_state.WindowColour;
    setColour(this, QPalette::Window, QColor(wc.red, wc.green, wc.blue));

    // 2. The border colour is the design's own, kept with the project.

    // 3 to 5. The preview with its frame, border band and title.
    panel(this, 180, 180, 4935, 3135, QColor(80, 120, 80));
    Pic = new QLabel(this);
    place(Pic, 240, 240, 4800, 3000);
    m_picture = NewCardPicture();
    DrawCardFrame(m_picture, subject(), m_state.CardBorderColour);
    setWindowTitle(subject() == 2 ? QStringLiteral("Algemeen Fonds") : QStringLiteral("Kans Kaarten"));

    // 6. The other controls.
    panel(this, 5340, 270, 1500, 960, QColor(), QFrame::Box | QFrame::Plain);
    for (int i = 1; i <= 3; ++i) {
        HScroll1[i] = scrollBar(this, Qt::Horizontal, 0, 255, 5370, 300 * i, 1440, 300);
        KleurLabel[i] = label(this, QString(), 6915, 45 + 300 * i);
    }
    label(this, QStringLiteral("Randkleur"), 5370, 1245);
    label(this, QStringLiteral("Kaartnummer"), 5370, 2130);
    panel(this, 5340, 2400, 1500, 360, QColor(0, 0, 0));
    HScroll = scrollBar(this, Qt::Horizontal, 1, 16, 5370, 2430, 1440, 300);
    KaartLabel = label(this, QStringLiteral("1 / 16"), 6930, 2460);

    Text2 = new QLineEdit(this);
    place(Text2, 180, 3450, 7380, 300);
    Text2->setFont(ArialFont(8.25));
    setColour(Text2, QPalette::Base, QColor(10, 10, 50));
    setColour(Text2, QPalette::Text, QColor(255, 255, 220));
    SaveKnop = button(this, QStringLiteral("Save"), 180, 3900);
    SaveLabel = label(this, QStringLiteral("Bovenstaande tekst opslaan."), 1050, 3960);
    // A character the project cannot keep is not taken, typed or pasted; why is said beside
    // Save, never over the buttons, so the next click on them is theirs.
    RefusalLabel = new QLabel(this);
    place(RefusalLabel, 1050, 3870, 4770, 510);
    RefusalLabel->setWordWrap(true);
    setColour(RefusalLabel, QPalette::WindowText, QColor(160, 0, 0));
    RefusalLabel->hide();
    InstallStorableTextGuard(Text2, [this](const QString &message) { showRefusal(message); });
    Text2->setText(activeDeck()[1]);

    PrintKnop = button(this, QStringLiteral("Print"), 5895, 3900);
    PrintKnop->setToolTip(QStringLiteral(" Alle 16 kaarten afdrukken "));
    ExitKnop = button(this, QStringLiteral("Exit"), 6735, 3900);
    // Enter in the text stores it; Escape closes the window.
    SaveKnop->setDefault(true);
    formlayout::tabOrder(
        {HScroll1[1], HScroll1[2], HScroll1[3], HScroll, Text2, SaveKnop, PrintKnop, ExitKnop});
    AddButtonMnemonics(this);
    Text2->setFocus();

    const RgbColour border = m_state.CardBorderColour;
    const int components[4] = {0, border.red, border.green, border.blue};
    for (int i = 1; i <= 3; ++i) {
        HScroll1[i]->setValue(components[i]);
        borderColourChanged(i, components[i]);
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i](int v) { borderColourChanged(i, v); });
    }
    connect(HScroll, &QScrollBar::valueChanged, this, [this] { ShowCard(); });
    connect(SaveKnop, &QPushButton::clicked, this, &KansForm::save);
    connect(PrintKnop, &QPushButton::clicked, this, &KansForm::print);
    connect(ExitKnop, &QPushButton::clicked, this, &KansForm::reject);

    // 7. The text of card 1.
    LayoutCardText(m_picture, Text2->text());
    showPicture();
}

int KansForm::subject() const { return m_state.ActiveSubject == 2 ? 2 : 1; }

CardDeck &KansForm::activeDeck()
{
    return subject() == 2 ? m_state.project.FondsDeck : m_state.project.KansDeck;
}

void KansForm::showPicture() { Pic->setPixmap(QPixmap::fromImage(m_picture)); }

void KansForm::showRefusal(const QString &message)
{
    RefusalLabel->setText(message);
    RefusalLabel->setVisible(!message.isEmpty());
    SaveLabel->setVisible(message.isEmpty());
}

void KansForm::ShowCard()
{
    showRefusal(QString());  // a card shown afresh, after a save too
    const int n = HScroll->value();
    setLabelText(KaartLabel, QStringLiteral("%1 / 16").arg(n));
    DrawCardFrame(m_picture, subject(), m_state.CardBorderColour);
    Text2->setText(activeDeck()[n]);
    LayoutCardText(m_picture, Text2->text());
    showPicture();
}

void KansForm::borderColourChanged(int i, int value)
{
    RgbColour &border = m_state.CardBorderColour;
    (i == 1 ? border.red : i == 2 ? border.green : border.blue) = value;
    setLabelText(KleurLabel[i], QLatin1String(componentPrefix[i]) + QString::number(value));
    DrawCardBorder(m_picture, border);
    showPicture();
}

void KansForm::save()
{
    const QString text = Text2->text();
    // The deck file cannot hold every character, and the project save refuses control
    // characters; such a text is refused here, not stored.
    const QChar bad = FirstRefusedCharacter(text);
    if (!bad.isNull()) {
        m_dialogs.showMessage(this, UnstorableCardTextMessage(bad), QStringLiteral(" Save"),
                              Dialogs::Icon::Warning);
        return;
    }
    // A text with more lines than the card holds would lose its last lines: refused.
    const int lines = int(WrapLines(text).size());
    if (lines > CardTextLines) {
        m_dialogs.showMessage(this, TooLongCardTextMessage(lines), QStringLiteral(" Save"),
                              Dialogs::Icon::Warning);
        return;
    }
    SaveCardTextEdit(m_state, subject(), HScroll->value(), text);
    ShowCard();
}

void KansForm::setControlsEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{HScroll1[1], HScroll1[2], HScroll1[3], HScroll, Text2,
                                                      SaveKnop, PrintKnop, ExitKnop})
        w->setEnabled(enabled);
}

void KansForm::print()
{
    if (m_printing)
        return;
    if (!m_dialogs.askYesNo(this, QStringLiteral("Wilt u deze 16 kaarten nu afdrukken?"),
                            QStringLiteral(" Print"), Dialogs::Icon::None))
        return;
    // The window stays responsive between the cards, but nothing may change the deck, the card
    // or the colour while the sheets are being printed, and it cannot be closed meanwhile.
    m_printing = true;
    setControlsEnabled(false);
    CardDesignerSteps steps;
    steps.goToCard = [this](int card) { HScroll->setValue(card); };
    steps.preview = [this] {
        return SharpCard(m_picture, subject(), m_state.CardBorderColour, Text2->text());
    };
    steps.pauseSeconds = cardPause;
    RunSheetPrinter(this, m_dialogs, m_printers, windowTitle(), CardPrintFailure(),
                    [&steps](PrinterPage &page) {
        BusyPointer busy;
        return PrintCardSheets(page, steps);
    }, m_state.SharpPrinting);
    setControlsEnabled(true);
    m_printing = false;
}

void KansForm::reject()
{
    if (m_printing)
        return;
    QDialog::reject();
}

void KansForm::closeEvent(QCloseEvent *event)
{
    if (m_printing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
