#include "design/undocommands.h"

#include "artwork/artwork.h"
#include "model/boardrules.h"
#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"

#include <cstring>

namespace {
// Steps kept; at the most a few hundred kilobytes each, most far less.
constexpr int HistorySteps = 500;

// Fast compression: a square or a deed is mostly flat colour and shrinks many times over,
// in well under a millisecond.
constexpr int CompressionLevel = 1;

QString deckName(int deck) { return deck == 2 ? QStringLiteral("Algemeen Fonds") : QStringLiteral("Kans"); }

bool keepsArea(const QImage &picture, const QRect &area)
{
    return !picture.isNull() && picture.format() == QImage::Format_RGB32 && picture.rect().contains(area)
           && !area.isEmpty();
}
}

PictureArea::PictureArea(const QImage &picture, const QRect &area) : m_area(area)
{
    if (!keepsArea(picture, area)) {
        m_whole = true;
        m_picture = picture;
        return;
    }
    const qsizetype rowBytes = qsizetype(area.width()) * 4;
    QByteArray raw(rowBytes * area.height(), Qt::Uninitialized);
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(raw.data() + y * rowBytes, picture.constScanLine(area.top() + y) + area.left() * 4, rowBytes);
    m_pixels = qCompress(raw, CompressionLevel);
}

void PictureArea::restore(QImage &picture) const
{
    if (m_whole) {
        picture = m_picture;
        return;
    }
    const QByteArray raw = qUncompress(m_pixels);
    const qsizetype rowBytes = qsizetype(m_area.width()) * 4;
    if (raw.size() != rowBytes * m_area.height() || !keepsArea(picture, m_area))
        return;
    for (int y = 0; y < m_area.height(); ++y)
        std::memcpy(picture.scanLine(m_area.top() + y) + m_area.left() * 4, raw.constData() + y * rowBytes, rowBytes);
}

void PictureArea::exchange(QImage &picture)
{
    // What is there now is kept the way this area was: whole when this was whole, so that a
    // missing picture comes back missing.
    PictureArea now = m_whole ? PictureArea() : PictureArea(picture, m_area);
    if (m_whole || now.m_whole) {
        now.m_area = m_area;
        now.m_whole = true;
        now.m_picture = picture;
        now.m_pixels.clear();
    }
    restore(picture);
    *this = std::move(now);
}

qsizetype PictureArea::bytes() const
{
    // A whole picture is shared with the design or another step; count it all the same.
    return m_pixels.size() + (m_whole ? m_picture.sizeInBytes() : 0);
}

DesignStep::DesignStep(Algemeen &state, const QString &name, bool changesDesign)
    : QUndoCommand(name), m_state(state), m_changesDesign(changesDesign)
{
}

void DesignStep::redo()
{
    if (m_firstRedo) {
        m_firstRedo = false;
        return;
    }
    exchange();
}

QRect SquareArea(const Algemeen &state, int square)
{
    if (square < 0 || square >= SquareSlots)
        return {};
    const int side = SideOfSquare(square);
    const bool upright = side == 1 || side == 3;
    return QRect(state.squarePosition[square], upright ? QSize(TemplateWidth, TemplateHeight)
                                                       : QSize(TemplateHeight, TemplateWidth));
}

PlaceSquareStep::PlaceSquareStep(Algemeen &state, int square)
    : DesignStep(state, QStringLiteral("vakje %1 plaatsen").arg(square), true),
      m_square(square),
      m_area(state.pictures.Speelbord, SquareArea(state, square)),
      m_texts(state.project.Board[square]),
      m_record(state.drawing.squares[square])
{
}

void PlaceSquareStep::exchange()
{
    m_area.exchange(m_state.pictures.Speelbord);
    std::swap(m_texts, m_state.project.Board[m_square]);
    std::swap(m_record, m_state.drawing.squares[m_square]);
}

namespace {
QRect deedArea(int square)
{
    const auto slot = DeedSheetSlot(square);
    return slot ? QRect(*slot, QSize(DeedWidth, DeedHeight)) : QRect();
}
}

PasteDeedStep::PasteDeedStep(Algemeen &state, int square)
    : DesignStep(state, QStringLiteral("eigendomsbewijs %1 plaatsen").arg(square), true),
      m_square(square),
      m_area(state.pictures.EigenDomsPic, deedArea(square)),
      m_record(square >= 0 && square < int(state.drawing.deeds.size()) ? state.drawing.deeds[square]
                                                                        : std::nullopt)
{
}

void PasteDeedStep::exchange()
{
    m_area.exchange(m_state.pictures.EigenDomsPic);
    if (m_square >= 0 && m_square < int(m_state.drawing.deeds.size()))
        std::swap(m_record, m_state.drawing.deeds[m_square]);
}

CardTextStep::CardTextStep(Algemeen &state, int deck, int card)
    : DesignStep(state, QStringLiteral("%1-kaart %2 opslaan").arg(deckName(deck)).arg(card), true),
      m_deck(deck),
      m_card(qBound(0, card, CardSlots - 1)),
      m_text(text())
{
}

QString &CardTextStep::text() const
{
    CardDeck &deck = m_deck == 2 ? m_state.project.FondsDeck : m_state.project.KansDeck;
    return deck[m_card];
}

bool CardTextStep::finish() { return text() != m_text; }

void CardTextStep::exchange() { std::swap(m_text, text()); }

SettingsStep::SettingsStep(Algemeen &state)
    : DesignStep(state, QString(), false),
      m_colour(state.WindowColour),
      m_station(state.project.StationImage)
{
}

bool SettingsStep::finish()
{
    const bool colour = m_colour != m_state.WindowColour;
    const bool station = m_station != m_state.project.StationImage;
    // Named once the visit is over, by what it changed.
    setText(colour && station ? QStringLiteral("instellingen wijzigen")
                  : station         ? QStringLiteral("stationsafbeelding kiezen")
                                    : QStringLiteral("vensterkleur wijzigen"));
    setChangesDesign(station);
    return colour || station;
}

void SettingsStep::exchange()
{
    std::swap(m_colour, m_state.WindowColour);
    std::swap(m_station, m_state.project.StationImage);
}

RentFactorsStep::RentFactorsStep(Algemeen &state)
    : DesignStep(state, QStringLiteral("vermenigvuldigingsfactoren wijzigen"), false),
      m_factors(state.RentFactors)
{
}

bool RentFactorsStep::finish() { return m_factors != m_state.RentFactors; }

void RentFactorsStep::exchange() { std::swap(m_factors, m_state.RentFactors); }

DesignHistory::DesignHistory(Algemeen &state, QObject *parent) : QObject(parent), m_state(state)
{
    m_stack.setUndoLimit(HistorySteps);
    m_state.history = this;
    connect(&m_stack, &QUndoStack::indexChanged, this, [this] {
        update();
        emit designChanged();
    });
}

DesignHistory::~DesignHistory()
{
    // The stack empties itself as it goes; nobody is told any more.
    disconnect(&m_stack, nullptr, this, nullptr);
    if (m_state.history == this)
        m_state.history = nullptr;
}

void DesignHistory::record(std::unique_ptr<DesignStep> step)
{
    if (step)
        m_stack.push(step.release());
}

void DesignHistory::startNew(bool unsaved)
{
    m_stack.clear();
    if (unsaved)
        m_stack.resetClean();
    else
        m_stack.setClean();
    update();
    emit designChanged();
}

void DesignHistory::markSaved()
{
    m_stack.setClean();
    update();
    emit designChanged();
}

bool DesignHistory::undo()
{
    if (!m_stack.canUndo())
        return false;
    m_stack.undo();
    return true;
}

bool DesignHistory::redo()
{
    if (!m_stack.canRedo())
        return false;
    m_stack.redo();
    return true;
}

qsizetype DesignHistory::bytes() const
{
    qsizetype total = 0;
    for (int i = 0; i < m_stack.count(); ++i)
        total += static_cast<const DesignStep *>(m_stack.command(i))->bytes();
    return total;
}

void DesignHistory::update()
{
    // Unsaved while a step that changes the design lies between here and the saved state,
    // or when the saved state is no longer in the history.
    const int clean = m_stack.cleanIndex();
    const int index = m_stack.index();
    bool unsaved = clean < 0;
    for (int i = qMin(clean, index); !unsaved && i < qMax(clean, index); ++i)
        unsaved = static_cast<const DesignStep *>(m_stack.command(i))->changesDesign();
    SetDesignUnsaved(m_state, unsaved);
}

void RecordStep(Algemeen &state, std::unique_ptr<DesignStep> step)
{
    if (!step || !step->finish())
        return;
    if (state.history)
        state.history->record(std::move(step));
    else if (step->changesDesign())
        SetDesignUnsaved(state, true);
}

void StartNewHistory(Algemeen &state, bool unsaved)
{
    if (state.history)
        state.history->startNew(unsaved);
    else
        SetDesignUnsaved(state, unsaved);
}

void SetDesignUnsaved(Algemeen &state, bool unsaved) { state.UnsavedChanges = unsaved; }
