#pragma once
// The edits of the open design. Each makes its change on the shared state and records its own
// step in the design's history (`state.history`), so a change can be undone whichever window,
// command or script made it; without a history the design is only marked unsaved.

#include "design/undocommands.h"
#include "files/projectfiles.h"
#include "model/algemeen.h"

#include <QImage>
#include <QString>
#include <memory>

// Places `composed` (the square as drawn in the 180 x 280 template) on the board at square n's
// place, turned for its side, and keeps `texts` and the drawing record with it: one step
// "vakje n plaatsen". False, and nothing changed, for a card square or a number outside 1..36.
bool PlaceSquareEdit(Algemeen &state, int n, const QImage &composed, const BoardSquare &texts);

// Pastes `deed` into square n's slot of the deed sheet and keeps `record`, what it was drawn
// with: one step "eigendomsbewijs n plaatsen". False, and nothing changed, when square n has
// no slot or the deed is not a whole deed picture.
bool PasteDeedEdit(Algemeen &state, int n, const QImage &deed, const PastedDeed &record);

// Stores card `card` (1..16) of deck `deck` (1 Kans, 2 Algemeen Fonds): one step, none when
// the text was already there.
void SaveCardTextEdit(Algemeen &state, int deck, int card, const QString &text);

// A change made outside the edits (a picture changed by a test or a tool) marks the design
// unsaved, so that closing asks before the work is lost.
inline void MarkDesignChanged(Algemeen &state) { SetDesignUnsaved(state, true); }

// A visit of a window that changes the state as the user picks (the settings window, the rent
// factor window): the whole visit is one step, recorded when the visit ends (finish() or the
// end of its life), none when nothing changed.
class EditVisit
{
public:
    EditVisit(Algemeen &state, std::unique_ptr<DesignStep> step);
    EditVisit(EditVisit &&) = default;
    ~EditVisit() { finish(); }
    void finish();

private:
    Algemeen *m_state;
    std::unique_ptr<DesignStep> m_step;
};
EditVisit VisitSettings(Algemeen &state);     // window colour and station picture
EditVisit VisitRentFactors(Algemeen &state);  // "vermenigvuldigingsfactoren wijzigen"

// The default design's content on the shared state: the default texts, decks and colours,
// no name, station picture 0 and the drawing of the default design.
void MakeDefaultDesign(Algemeen &state);

// "Nieuw Project": the Data board and deed sheet (a missing one leaves the picture that is
// there) and the default design; the history starts anew with nothing unsaved.
void NewDesign(Algemeen &state);

// Opens a project read whole: it replaces the open design (texts, decks, station picture and
// the pictures it brought; square colours and positions stay); the history starts anew, with
// nothing unsaved or (`unsaved`, a recovered design) everything unsaved.
void ApplyLoadedProject(Algemeen &state, const LoadedProject &loaded, bool unsaved = false);

// Reads project `name` with the sizes the drawing code needs and opens it into `state`.
// Returns the result of reading; the design is untouched when nothing was loaded.
ProjectReadResult LoadProjectInto(Algemeen &state, const QString &name);
