#include "board/kleurform.h"

#include "app/algemeen.h"
#include "fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {
constexpr int Twips = 15;

void placeTwips(QWidget *w, int left, int top, int width = 0, int height = 0)
{
    if (width > 0 && height > 0)
        w->setGeometry(left / Twips, top / Twips, width / Twips, height / Twips);
    else
        w->move(left / Twips, top / Twips);
}

QLabel *label(QWidget *parent, const QString &text, int left, int top)
{
    auto *l = new QLabel(text, parent);
    placeTwips(l, left, top);
    l->adjustSize();
    return l;
}

QLabel *blackFrame(QWidget *parent, int left, int top, int width, int height)
{
    auto *l = new QLabel(parent);
    placeTwips(l, left, top, width, height);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::black);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
    return l;
}

const char *const colourPrefix[3] = {"R: ", "G: ", "B: "};
}

KleurForm::KleurForm(Algemeen &state, std::function<void(int, int, int)> applyColour,
                     QWidget *parent)
    : QDialog(parent), m_state(state), m_applyColour(std::move(applyColour))
{
    setWindowTitle(QStringLiteral("Instellingen"));
    setModal(true);
    setFont(ArialFont(8.25));
    setFixedSize(6600 / Twips, 3900 / Twips);

    // The colour bars, each on the frame behind them, with its value beside it.
    auto *frame = new QLabel(this);
    placeTwips(frame, 270, 270, 1470, 960);
    const int barTops[3] = {300, 600, 900};
    const int labelTops[3] = {345, 645, 945};
    const int values[3] = {m_state.WindowColour.red, m_state.WindowColour.green,
                           m_state.WindowColour.blue};
    for (int i = 0; i < 3; ++i) {
        HScroll1[i] = new QScrollBar(Qt::Horizontal, this);
        placeTwips(HScroll1[i], 300, barTops[i], 1410, 300);
        HScroll1[i]->setRange(0, 255);
        HScroll1[i]->setValue(qBound(0, values[i], 255));
        KleurLabel[i] = label(this, QString(), 1830, labelTops[i]);
        KleurLabel[i]->setText(QLatin1String(colourPrefix[i]) + QString::number(HScroll1[i]->value()));
        KleurLabel[i]->adjustSize();
        connect(HScroll1[i], &QScrollBar::valueChanged, this,
                [this, i](int value) { colourChanged(i, value); });
    }
    label(this, QStringLiteral("Achtergrondkleuren"), 285, 1260);
    ResetKnop = new QPushButton(QStringLiteral("Reset"), this);
    placeTwips(ResetKnop, 270, 1650, 810, 330);
    connect(ResetKnop, &QPushButton::clicked, this, &KleurForm::reset);
    label(this, QStringLiteral("Reset kleuren"), 1140, 1710);

    // The station picture: a bar to choose it, its preview and its number.
    blackFrame(this, 3390, 210, 339, 2160);
    VScroll = new QScrollBar(Qt::Vertical, this);
    placeTwips(VScroll, 3420, 240, 270, 2100);
    VScroll->setRange(0, StationPictures - 1);
    blackFrame(this, 3810, 210, 2535, 2160);
    Pic = new QLabel(this);
    placeTwips(Pic, 3870, 270, 2400, 2025);
    Pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label7 = label(this, QString(), 3840, 2400);
    label(this, QStringLiteral("Afbeelding Stations"), 4860, 2400);
    {
        const QSignalBlocker quiet(VScroll);
        VScroll->setValue(qBound(0, int(m_state.project.StationImage), StationPictures - 1));
    }
    stationChanged(VScroll->value());
    connect(VScroll, &QScrollBar::valueChanged, this, &KleurForm::stationChanged);

    ExitKnop = new QPushButton(QStringLiteral("Exit"), this);
    placeTwips(ExitKnop, 5490, 2910, 810, 330);
    connect(ExitKnop, &QPushButton::clicked, this, &QDialog::accept);

    applyBackground();
}

void KleurForm::applyBackground()
{
    const RgbColour &c = m_state.WindowColour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
    setPalette(pal);
    setAutoFillBackground(true);
}

void KleurForm::colourChanged(int index, int value)
{
    RgbColour &c = m_state.WindowColour;
    (index == 0 ? c.red : index == 1 ? c.green : c.blue) = value;
    KleurLabel[index]->setText(QLatin1String(colourPrefix[index]) + QString::number(value));
    KleurLabel[index]->adjustSize();
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
        KleurLabel[i]->setText(QLatin1String(colourPrefix[i]) + QString::number(values[i]));
        KleurLabel[i]->adjustSize();
    }
    applyBackground();
    if (m_applyColour)
        m_applyColour(DefaultWindowColour.red, DefaultWindowColour.green, DefaultWindowColour.blue);
}

void KleurForm::stationChanged(int value)
{
    m_state.project.StationImage = quint8(qBound(0, value, StationPictures - 1));
    Label7->setText(QStringLiteral("%1 / 30").arg(value + 1));
    Label7->adjustSize();
    const QRect source(0, 135 * value, 160, 135);
    const QImage &strip = m_state.pictures.TreinPic;
    Pic->setPixmap(strip.rect().contains(source) ? QPixmap::fromImage(strip.copy(source)) : QPixmap());
}
