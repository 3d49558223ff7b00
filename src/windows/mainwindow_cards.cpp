// The main window's "Kaarten" menu: the two card decks and the play money.
#include "windows/mainwindow.h"

#include "windows/geldform.h"
#include "windows/kansform.h"
#include "design/bankedit.h"

#include <QAction>
#include <utility>

void Main::connectCardMenu()
{
    // Each designer is made anew at every opening and keeps nothing when it closes.
    const auto openDeck = [this](quint8 subject) {
        m_state.ActiveSubject = subject;
        const RgbColour before = m_state.CardBorderColour;
        KansForm form(m_state, m_dialogs, printers(), this);
        form.exec();
        // A new border colour is one step of the design's history.
        const RgbColour after = std::exchange(m_state.CardBorderColour, before);
        SetCardBorderColour(m_state, after);
    };
    connect(menuAction(QStringLiteral("Kaarten/Kans Kaarten")), &QAction::triggered, this,
            [openDeck] { openDeck(1); });
    connect(menuAction(QStringLiteral("Kaarten/Algemeen Fonds")), &QAction::triggered, this,
            [openDeck] { openDeck(2); });
    connect(menuAction(QStringLiteral("Kaarten/Speelgeld")), &QAction::triggered, this, [this] {
        GeldForm form(m_state, m_dialogs, printers(), this);
        form.exec();
        SetBank(m_state, form.bank());
    });
}
