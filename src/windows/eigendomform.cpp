#include "windows/eigendomform.h"
#include "design/edits.h"

#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"
#include "model/rentfactors.h"
#include "drawing/fonts.h"
#include "platform/busypointer.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"
#include "platform/pause.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

using namespace formlayout;

namespace {
// The colour of the windows' small texts.
const QColor LabelText(64, 64, 64);

// A base rent as the deed keeps it, a 32-bit float; nothing when it does not fit one.
std::optional<float> baseAsFloat(double base)
{
    if (!std::isfinite(base) || std::fabs(base) > double(FLT_MAX))
        return std::nullopt;
    return float(base);
}

// A base too large for the deed: every amount row stays empty.
constexpr float NoBase = std::numeric_limits<float>::infinity();
}

EigendomForm::EigendomForm(Algemeen &state, const QString &street, const QString &city,
                           const QString &amountText, const QImage &squarePicture,
                           QWidget *parent)
    : QDialog(parent), m_state(state), m_square(state.CurrentSquare)
{
    setWindowTitle(QStringLiteral("Eigendomsbewijs (%1) Ontwerpen").arg(m_square));
    setFont(ArialFont(8.25));
    setFixedSize(6840 / Twips, 5160 / Twips);
    setColour(this, QPalette::Window,
              QColor(state.WindowColour.red, state.WindowColour.green, state.WindowColour.blue));

    Label1 = new QLabel(this);
    place(Label1, 180, 180, 3165, 4365);
    setColour(Label1, QPalette::Window, QColor(110, 150, 100));
    Pic = new QLabel(this);
    place(Pic, 255, 255, 3000, 4200);
    Pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColour(Pic, QPalette::Window, DeedBackground());
    Line1 = new QWidget(Pic);
    Line1->setGeometry(0, 0, DeedWidth, 1);
    setColour(Line1, QPalette::Window, QColor(255, 0, 0));
    Line1->hide();

    SaveKnop = button(this, QStringLiteral("Ok"), 3600, 300);
    Label2 = label(this, QStringLiteral("Deze kaart opslaan"), 4500, 360, LabelText);

    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setFont(ArialFont(8.25));
    // The box takes exactly what is typed: no completion from its list ("2" stays 2, not 20).
    Combo1->setCompleter(nullptr);
    for (int item = 5; item <= 100; ++item)
        Combo1->addItem(QString::number(item));
    setColour(Combo1, QPalette::Base, QColor(220, 190, 190));
    setColour(Combo1, QPalette::Text, Qt::black);
    Combo1->lineEdit()->setPalette(Combo1->palette());
    place(Combo1, 3630, 1275);
    Combo1->resize(810 / Twips, Combo1->sizeHint().height());
    Label12 = label(this, QStringLiteral("Huur onbebouwd"), 4515, 1335, LabelText);

    Label4 = label(this,
                   QStringLiteral("De vermenigvuldigingsfactor voor de bedragen op de "
                                  "eigendomsbewijzen van straten en stations is te wijzigen "
                                  "onder Tools..."),
                   3630, 2100, QColor(90, 90, 0));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label4, 3630, 2100, 2700, 900);

    // Below the hint, away from the buttons: the deed cuts a name wider than its frame.
    TeLangLabel = label(this, QStringLiteral("Te lang: wordt afgekapt"), 3630, 3150, QColor(170, 0, 0));
    TeLangLabel->setToolTip(QStringLiteral("De naam of de plaats is breder dan het eigendomsbewijs en "
                                           "wordt aan beide kanten afgekapt. Maak hem korter in het "
                                           "hoofdvenster."));
    const bool utility = IsUtilitySquare(m_square);
    TeLangLabel->setVisible(!utility && (DeedNameIsCut(street)
                                         || (!IsStationSquare(m_square) && DeedNameIsCut(city))));

    ExitKnop = button(this, QStringLiteral("Exit"), 5730, 4200);
    // Enter pastes the deed ("Ok"), Escape closes the window.
    SaveKnop->setDefault(true);
    formlayout::tabOrder({Combo1, SaveKnop, ExitKnop});
    AddButtonMnemonics(this);

    // The base rent: the main window's amount divided by 5. The box shows it in the form it
    // reads back ("2.4", not "2,4"), so that a later change starts from the same number.
    Combo1->blockSignals(true);
    Combo1->setCurrentIndex(15);  // "20"
    const double quotient = BaseRentFromAmountText(amountText);
    Combo1->setEditText(QString::number(quotient, 'g', 15));
    Combo1->blockSignals(false);
    const std::optional<float> base = baseAsFloat(quotient);
    if (base)
        m_state.DeedBaseRent = *base;
    const float drawnBase = base ? *base : NoBase;

    // What the deed is drawn with, so that the sheet can be drawn again when it is printed.
    m_record.kind = DeedKindOfSquare(m_square);
    m_record.street = street;
    m_record.city = city;
    m_record.base = drawnBase;
    m_record.factors = m_state.RentFactors;
    m_record.stationImage = m_state.project.StationImage;
    if (IsUtilitySquare(m_square)) {
        Combo1->hide();
        Label12->hide();
        DrawUtilityDeed(m_deed, m_square == 8 ? UtilityDeed::WaterWorks : UtilityDeed::Electricity,
                        squarePicture);
    } else if (IsStationSquare(m_square)) {
        DrawStationDeed(m_deed, street, m_state.pictures.TreinPic, m_state.project.StationImage,
                        drawnBase, m_state.RentFactors);
    } else {
        const RgbColour colour =
            m_square >= 0 && m_square < SquareSlots ? m_state.squareColour[m_square] : RgbColour{};
        DrawStreetDeed(m_deed, m_square, street, city, colour, drawnBase, m_state.RentFactors);
    }
    showDeed();

    connect(Combo1, &QComboBox::currentTextChanged, this, &EigendomForm::baseChanged);
    connect(SaveKnop, &QPushButton::clicked, this, &EigendomForm::pasteDeed);
    connect(ExitKnop, &QPushButton::clicked, this, &EigendomForm::reject);
}

void EigendomForm::showDeed()
{
    Pic->setPixmap(QPixmap::fromImage(m_deed));
}

void EigendomForm::drawAmounts(float base)
{
    DrawDeedAmounts(m_deed, IsStationSquare(m_square) ? DeedMode::Station : DeedMode::Street, base,
                    m_state.RentFactors);
    m_record.base = base;
    m_record.factors = m_state.RentFactors;
    showDeed();
}

void EigendomForm::baseChanged(const QString &text)
{
    if (IsUtilitySquare(m_square))
        return;
    // A base beyond a 32-bit float is refused: the amount column stays empty and the base
    // in force stays as it was.
    const std::optional<float> base = baseAsFloat(LeadingNumber(text));
    if (base)
        m_state.DeedBaseRent = *base;
    drawAmounts(base ? *base : NoBase);
}

void EigendomForm::pasteDeed()
{
    if (m_sweeping)
        return;
    BusyPointer busy;
    SaveKnop->setEnabled(false);
    // The deed goes onto the sheet whole before the sweep starts, so nothing done during
    // the sweep can leave part of a deed there.
    PasteDeedEdit(m_state, m_square, m_deed, m_record);

    m_sweeping = true;
    m_stopSweep = false;
    QPointer<EigendomForm> alive(this);
    Line1->show();
    for (int y = 0; y < DeedHeight && !m_stopSweep; y += 2) {
        Line1->move(0, y);
        Pause(0.01f);
        if (!alive)
            return;
    }
    Line1->hide();
    m_sweeping = false;
    SaveKnop->setEnabled(true);
}

void EigendomForm::reject()
{
    // "Exit" during the sweep ends the sweep and closes the window all the same.
    m_stopSweep = true;
    QDialog::reject();
}
