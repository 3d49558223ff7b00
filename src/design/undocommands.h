#pragma once
// The history of the open design: every change to it is one step that can be undone and done
// again. A step is recorded after the change has been made: it is built just before, keeping
// what it will change, and handed to RecordStep afterwards. Undo and redo are one and the same
// exchange: the step puts what it keeps back into the design and keeps what was there.

#include "model/algemeen.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QUndoCommand>
#include <QUndoStack>
#include <memory>
#include <optional>

// A rectangle of a picture, kept compressed. A picture that is missing, of another pixel format
// or too small for the rectangle is kept whole instead (shared, not copied).
class PictureArea
{
public:
    PictureArea() = default;
    PictureArea(const QImage &picture, const QRect &area);
    // Puts the kept pixels into `picture` and keeps what was there in their place.
    void exchange(QImage &picture);
    qsizetype bytes() const;

private:
    void restore(QImage &picture) const;
    QRect m_area;
    QByteArray m_pixels;       // compressed rows of the area
    bool m_whole = false;
    QImage m_picture;          // when kept whole
};

class DesignStep : public QUndoCommand
{
public:
    // `changesDesign`: the step changes what a project saves; window colour and rent factors
    // are program settings and leave the design as saved.
    DesignStep(Algemeen &state, const QString &name, bool changesDesign);
    void undo() final { exchange(); }
    void redo() final;
    bool changesDesign() const { return m_changesDesign; }
    // Called once the change has been made. False when it changed nothing: such a step is
    // not recorded.
    virtual bool finish() { return true; }
    // The memory the step keeps, in bytes.
    virtual qsizetype bytes() const { return 0; }

protected:
    void setChangesDesign(bool changes) { m_changesDesign = changes; }
    // Exchanges what the step keeps with what the design holds now.
    virtual void exchange() = 0;
    Algemeen &m_state;

private:
    bool m_changesDesign;
    bool m_firstRedo = true;  // the change was made before it was recorded
};

// "vakje n plaatsen": the square's area of the board, its texts and its drawing record.
class PlaceSquareStep : public DesignStep
{
public:
    PlaceSquareStep(Algemeen &state, int square);
    qsizetype bytes() const override { return m_area.bytes(); }

protected:
    void exchange() override;

private:
    int m_square;
    PictureArea m_area;
    BoardSquare m_texts;
    std::optional<PlacedSquare> m_record;
};

// "eigendomsbewijs n plaatsen": the deed's slot of the deed sheet and its drawing record.
class PasteDeedStep : public DesignStep
{
public:
    PasteDeedStep(Algemeen &state, int square);
    qsizetype bytes() const override { return m_area.bytes(); }

protected:
    void exchange() override;

private:
    int m_square;
    PictureArea m_area;
    std::optional<PastedDeed> m_record;
};

// "Kans-kaart n opslaan" / "Algemeen Fonds-kaart n opslaan". `deck` 1 is Kans, 2 Algemeen Fonds.
class CardTextStep : public DesignStep
{
public:
    CardTextStep(Algemeen &state, int deck, int card);
    bool finish() override;

protected:
    void exchange() override;

private:
    QString &text() const;
    int m_deck;
    int m_card;
    QString m_text;
};

// The settings window: window colour and station picture, one step for one visit.
class SettingsStep : public DesignStep
{
public:
    explicit SettingsStep(Algemeen &state);
    bool finish() override;

protected:
    void exchange() override;

private:
    RgbColour m_colour;
    quint8 m_station;
};

// "vermenigvuldigingsfactoren wijzigen": one visit of the rent factor window.
class RentFactorsStep : public DesignStep
{
public:
    explicit RentFactorsStep(Algemeen &state);
    bool finish() override;

protected:
    void exchange() override;

private:
    std::array<qint32, FactorSlots> m_factors;
};

// The undo stack of the open design, and whether the design differs from the saved one.
class DesignHistory : public QObject
{
    Q_OBJECT
public:
    // Keeps `state.UnsavedChanges` in step and makes itself `state.history`.
    explicit DesignHistory(Algemeen &state, QObject *parent = nullptr);
    ~DesignHistory() override;

    QUndoStack &stack() { return m_stack; }
    // Records a change already made and finished (see RecordStep).
    void record(std::unique_ptr<DesignStep> step);
    // A new history: the design is now the saved one, or (`unsaved`) one that was never saved.
    void startNew(bool unsaved = false);
    // The design has just been saved.
    void markSaved();
    // Undo or redo the last step; false when there is none.
    bool undo();
    bool redo();
    // The memory the steps keep, in bytes.
    qsizetype bytes() const;

signals:
    // After every step recorded, undone or done again and after a new history.
    void designChanged();

private:
    void update();
    Algemeen &m_state;
    QUndoStack m_stack;
};

// Records `step` in the design's history; without a history the design is only marked as
// changed. A step that changed nothing is dropped.
void RecordStep(Algemeen &state, std::unique_ptr<DesignStep> step);

// The design's history starts anew: nothing unsaved, or (`unsaved`) a design that was never
// saved. Without a history only the mark is set.
void StartNewHistory(Algemeen &state, bool unsaved);

// The one writer of `state.UnsavedChanges`, the mark that makes closing ask first.
void SetDesignUnsaved(Algemeen &state, bool unsaved);

// The board area square n is placed in.
QRect SquareArea(const Algemeen &state, int square);
