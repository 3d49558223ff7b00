#include "windows/kleurform.h"

#include "model/algemeen.h"
#include "drawing/fonts.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

using namespace formlayout;

namespace {
const char *const colourPrefix[3] = {"R: ", "G: ", "B: "};
}

KleurForm::KleurForm(Algemeen &state, std::function<void(int, int, int)> applyColour,
                     QWidget *parent)
    : QDialog(parent), m_state(state), m_visit(VisitSettings(state)), m_applyColour(std::move(applyColour))
{
    setWindowTitle(QStringLiteral("Instellingen"));
    setModal(true);
    setFont(ArialFont(8.25));
    setFixedSize(6600 / Twips, 3900 / Twips);

    // The colour bars, each on the frame behind them, with its value beside it.
    panel(this, 270, 270, 1470, 960);
    const int barTops[3] = {300, 600, 900};
    const int labelTops[3] = {345, 645, 945};
    const int values[3] = {m_state.WindowColour.red, m_state.WindowColour.green,
                           m_state.WindowColour.blue};
    for (int i = 0; i < 3; ++i) {
        HScroll1[i] = scrollBar(this, Qt::Horizontal, 0, 255, 300, barTops[i], 1410, 300);
        HScroll1[i]->setValue(qBound(0, values[i], 255));
        KleurLabel[i] = label(this, QString(), 1830, labelTops[i]);
        setLabelText(KleurLabel[i], QLatin1String(colourPrefix[i]) + QString::number(HScroll1[i]->value()));
        connect(HScroll1[i], &QScrollBar::valueChanged, this,
                [this, i](int value) { colourChanged(i, value); });
    }
    label(this, QStringLiteral("Achtergrondkleuren"), 285, 1260);
    ResetKnop = button(this, QStringLiteral("Reset"), 270, 1650);
    ResetKnop->setAutoDefault(false);  // Enter must never throw away the chosen colours
    connect(ResetKnop, &QPushButton::clicked, this, &KleurForm::reset);
    label(this, QStringLiteral("Reset kleuren"), 1140, 1710);

    // The station picture: a bar to choose it, its preview and its number.
    panel(this, 3390, 210, 339, 2160, Qt::black);
    VScroll = scrollBar(this, Qt::Vertical, 0, StationPictures - 1, 3420, 240, 270, 2100);
    panel(this, 3810, 210, 2535, 2160, Qt::black);
    Pic = new QLabel(this);
    place(Pic, 3870, 270, 2400, 2025);
    Pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label7 = label(this, QString(), 3840, 2400);
    label(this, QStringLiteral("Afbeelding Stations"), 4860, 2400);
    {
        const QSignalBlocker quiet(VScroll);
        VScroll->setValue(qBound(0, int(m_state.project.StationImage), StationPictures - 1));
    }
    stationChanged(VScroll->value());
    connect(VScroll, &QScrollBar::valueChanged, this, &KleurForm::stationChanged);

    ExitKnop = button(this, QStringLiteral("Exit"), 5490, 2910);
    connect(ExitKnop, &QPushButton::clicked, this, &QDialog::accept);
    ExitKnop->setDefault(true);  // Enter and Escape both leave the colours as chosen
    formlayout::tabOrder({HScroll1[0], HScroll1[1], HScroll1[2], VScroll, ResetKnop, ExitKnop});
    AddButtonMnemonics(this);

    applyBackground();
}

void KleurForm::applyBackground()
{
    const RgbColour &c = m_state.WindowColour;
    setColour(this, QPalette::Window, QColor(c.red, c.green, c.blue));
}

void KleurForm::colourChanged(int index, int value)
{
    RgbColour &c = m_state.WindowColour;
    (index == 0 ? c.red : index == 1 ? c.green : c.blue) = value;
    setLabelText(KleurLabel[index], QLatin1String(colourPrefix[index]) + QString::number(value));
    applyBackground();
    if (m_applyColour)
        m_applyColour(c.red, c.green, c.blue);
}

void KleurForm::reset()
{
    m_state.WindowColour = DefaultWindowColour;
    const int values[3] = {DefaultWindowColour.red, DefaultWindowColour.green, DefaultWindowColour.blue};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker quiet(HScroll1[i]);
        HScroll1[i]->setValue(values[i]);
        setLabelText(KleurLabel[i], QLatin1String(colourPrefix[i]) + QString::number(values[i]));
    }
    applyBackground();
    if (m_applyColour)
        m_applyColour(DefaultWindowColour.red, DefaultWindowColour.green, DefaultWindowColour.blue);
}

void KleurForm::stationChanged(int value)
{
    m_state.project.StationImage = quint8(qBound(0, value, StationPictures - 1));
    setLabelText(Label7, QStringLiteral("%1 / 30").arg(value + 1));
    const QRect source(0, 135 * value, 160, 135);
    const QImage &strip = m_state.pictures.TreinPic;
    Pic->setPixmap(strip.rect().contains(source) ? QPixmap::fromImage(strip.copy(source)) : QPixmap());
}
