// The square designer of the main window: selecting a square on the overview, the live
// preview while its texts are edited, placing it on the board, and the settings window.

#include "windows/mainwindow.h"
#include "design/edits.h"
#include "files/picturefile.h"
#include "design/undocommands.h"

#include "artwork/artwork.h"
#include "model/boardrules.h"
#include "windows/kleurform.h"
#include "drawing/squaredesign.h"
#include "drawing/squarerenderer.h"
#include "drawing/deeddrawing.h"
#include "windows/spelform.h"
#include "platform/busypointer.h"
#include "dialogs/formlayout.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using formlayout::Twips;

namespace {
// The picture that invites the user to choose a square.
const QImage &placeholderPicture()
{
    static const QImage picture = DrawPlaceholder();
    return picture;
}
}

void Main::connectSquareEditor()
{
    connect(Pic, &PictureLabel::pressed, this, &Main::SelectSquare);
    connect(Pic, &PictureLabel::stepped, this, &Main::StepSquare);
    connect(Text1, &QLineEdit::textChanged, this, &Main::editorTextChanged);
    connect(Text2, &QLineEdit::textChanged, this, &Main::editorTextChanged);
    connect(Combo1, &QComboBox::editTextChanged, this, &Main::editorAmountChanged);
    connect(SaveKnop, &QPushButton::clicked, this, &Main::PlaceCurrentSquare);
}

// A field that changes while the editor is closed (emptied by the program) leaves the
// preview alone; the placeholder stays.
void Main::editorTextChanged()
{
    if (m_state.CurrentSquare == 0 || !(Text1->isEnabled() || Text2->isEnabled()))
        return;
    DrawSquareTexts(templateImage, m_state.CurrentSquare,
                    {Text1->text(), Text2->text(), Combo1->currentText()});
    showTemplate();
    updateCutWarnings();
}

void Main::editorAmountChanged()
{
    if (m_state.CurrentSquare == 0 || !Combo1->isEnabled())
        return;
    DrawSquareAmount(templateImage, Combo1->currentText());
    showTemplate();
    updateCutWarnings();
}

// A name is cut when it runs past the square's frame or the deed's; an amount on the square.
void Main::updateCutWarnings()
{
    const auto nameIsCut = [](const QLineEdit *field, MeasuringLabel label) {
        return field->isEnabled() && (SquareTextIsCut(field->text(), label) || DeedNameIsCut(field->text()));
    };
    TeLangLabel[0]->setVisible(nameIsCut(Text1, MeasuringLabel::Text1Label));
    TeLangLabel[1]->setVisible(nameIsCut(Text2, MeasuringLabel::Text2Label));
    TeLangLabel[2]->setVisible(Combo1->isEnabled()
                               && SquareTextIsCut(Combo1->currentText(), MeasuringLabel::Text3Label));
}

void Main::SelectSquare(Qt::MouseButton button, QPoint pixel)
{
    EditSquare(button == Qt::LeftButton ? HitSquare(pixel.x() * Twips, pixel.y() * Twips) : 0);
}

void Main::StepSquare(int direction)
{
    int n = m_state.CurrentSquare;
    do
        n = direction > 0 ? n % 36 + 1 : (n <= 1 ? 36 : n - 1);
    while (KindOfSquare(n) == SquareKind::CardSquare);
    EditSquare(n);
}

void Main::EditSquare(int n)
{
    // Every choice starts from scratch: unplaced edits are dropped.
    for (QWidget *w : {static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
                       static_cast<QWidget *>(Combo1), static_cast<QWidget *>(SaveKnop),
                       static_cast<QWidget *>(KaartKnop)})
        w->setEnabled(false);
    {
        const QSignalBlocker quiet1(Text1), quiet2(Text2);
        Text1->clear();
        Text2->clear();
    }

    m_state.CurrentSquare = n;
    m_state.CurrentIsStreet = IsStreet(n);
    m_state.CurrentSide = quint8(SideOfSquare(n));
    const SquareKind kind = KindOfSquare(n);
    KaartKnop->setEnabled(m_state.CurrentIsStreet || kind == SquareKind::Station
                          || kind == SquareKind::Utility);
    Label4->setText(QStringLiteral("Kaart : %1").arg(n));
    Label4->adjustSize();

    // Load the editor; the preview is composed once, from the loaded texts.
    if (n != 0) {
        const BoardSquare &square = m_state.project.Board[n];
        const QSignalBlocker quiet1(Text1), quiet2(Text2), quiet3(Combo1);
        Combo1->setEditText(square.Amount);
        Combo1->setEnabled(true);
        SaveKnop->setEnabled(true);
        if (kind == SquareKind::Station || kind == SquareKind::Street) {
            Text1->setText(square.Street);
            Text1->setEnabled(true);
        }
        if (kind == SquareKind::Street) {
            Text2->setText(square.City);
            Text2->setEnabled(true);
        }
        if (kind == SquareKind::Utility || kind == SquareKind::Tax)
            LoadSquarePicture(m_state, n);
    }
    ComposeSquare(templateImage, n, {Text1->text(), Text2->text(), Combo1->currentText()},
                  SquareArtFor(m_state, n, placeholderPicture()));
    showTemplate();
    updateCutWarnings();
}

void Main::PlaceCurrentSquare()
{
    const int n = m_state.CurrentSquare;
    const SquareKind kind = KindOfSquare(n);
    if (kind == SquareKind::None || kind == SquareKind::CardSquare)
        return;
    const BusyPointer busy;
    if (PlaceSquareEdit(m_state, n, templateImage, {Text1->text(), Text2->text(), Combo1->currentText()}))
        showBoard();
}

void Main::openKleurForm()
{
    KleurForm form(m_state, [this](int r, int g, int b) { ApplyWindowColour(r, g, b); }, this);
    form.exec();
}

void Main::openSpelForm()
{
    SpelForm form(m_state, this);
    if (form.exec() == QDialog::Accepted)
        showBoard();
}
