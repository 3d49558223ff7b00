#include "windows/spelform.h"

#include "design/gamenames.h"
#include "drawing/fonts.h"
#include "model/owngame.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"

#include <QLineEdit>
#include <QPushButton>

using namespace formlayout;

SpelForm::SpelForm(Algemeen &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setModal(true);
    setFont(ArialFont(8.25));
    setWindowTitle(QStringLiteral("Spel en plaats"));
    setFixedSize((7200 - FrameWidthTwips) / Twips, (2900 - FrameHeightTwips) / Twips);
    const RgbColour &wc = m_state.WindowColour;
    setColour(this, QPalette::Window, QColor(wc.red, wc.green, wc.blue));

    auto field = [this](const QString &caption, int top, const QString &text, const QString &shown, int length) {
        label(this, caption, 180, top + 45);
        auto *edit = new QLineEdit(this);
        place(edit, 1800, top, 5040, 330);
        edit->setMaxLength(length);
        edit->setText(text.isEmpty() ? shown : text);
        return edit;
    };
    TitelText = field(QStringLiteral("Titel van het spel"), 180, state.game.title, DefaultGameTitle(), MaxGameText);
    OndertitelText = field(QStringLiteral("Ondertitel"), 630, state.game.subtitle, DefaultGameSubtitle(),
                           2 * MaxGameText);
    PlaatsText = field(QStringLiteral("Plaats (stations)"), 1080, state.game.town, QString(), MaxGameText);
    PlaatsText->setPlaceholderText(QStringLiteral("elk station zijn eigen naam"));
    label(this, QStringLiteral("De titel staat ook op de hoeken van het speelgeld."), 1800, 1530);
    OkKnop = button(this, QStringLiteral("Ok"), 5220, 1980);
    CancelKnop = button(this, QStringLiteral("Annuleren"), 6120, 1980, 900);
    OkKnop->setDefault(true);
    tabOrder({TitelText, OndertitelText, PlaatsText, OkKnop, CancelKnop});
    AddButtonMnemonics(this);

    connect(OkKnop, &QPushButton::clicked, this, [this] {
        SetGameNames(m_state, TitelText->text(), OndertitelText->text(), PlaatsText->text());
        accept();
    });
    connect(CancelKnop, &QPushButton::clicked, this, &QDialog::reject);
}
