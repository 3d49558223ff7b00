#include "design/edits.h"
#include "design/gamenames.h"

#include "design/drawingrecord.h"
#include "drawing/deedsheet.h"
#include "drawing/squarerenderer.h"
#include "files/picturefile.h"
#include "model/boardrules.h"
#include "model/defaultcontent.h"

bool PlaceSquareEdit(Algemeen &state, int n, const QImage &composed, const BoardSquare &texts)
{
    if (!IsComposableSquare(n))
        return false;
    auto step = std::make_unique<PlaceSquareStep>(state, n);
    PlaceSquare(state.pictures.Speelbord, composed, SideOfSquare(n), state.squarePosition[n]);
    state.project.Board[n] = texts;
    RecordPlacedSquare(state, n, texts);
    RecordStep(state, std::move(step));
    return true;
}

bool PasteDeedEdit(Algemeen &state, int n, const QImage &deed, const PastedDeed &record)
{
    auto step = std::make_unique<PasteDeedStep>(state, n);
    if (!PasteDeed(state.pictures.EigenDomsPic, deed, n))
        return false;
    state.drawing.deeds[n] = record;
    RecordStep(state, std::move(step));
    return true;
}

void SaveCardTextEdit(Algemeen &state, int deck, int card, const QString &text)
{
    if (card < 1 || card >= CardSlots || (deck != 1 && deck != 2))
        return;
    auto step = std::make_unique<CardTextStep>(state, deck, card);
    (deck == 1 ? state.project.KansDeck : state.project.FondsDeck)[card] = text;
    RecordStep(state, std::move(step));
}

EditVisit::EditVisit(Algemeen &state, std::unique_ptr<DesignStep> step) : m_state(&state), m_step(std::move(step)) {}

void EditVisit::finish()
{
    if (m_step)
        RecordStep(*m_state, std::move(m_step));
}

EditVisit VisitSettings(Algemeen &state) { return EditVisit(state, std::make_unique<SettingsStep>(state)); }
EditVisit VisitRentFactors(Algemeen &state) { return EditVisit(state, std::make_unique<RentFactorsStep>(state)); }

void MakeDefaultDesign(Algemeen &state)
{
    LoadDefaultContent(state);
    state.project.ProjectName.clear();
    state.project.StationImage = 0;
    state.drawing = DefaultDesignDrawing(state);
}

void NewDesign(Algemeen &state)
{
    const QImage board = LoadPicture(state.dataPath(QStringLiteral("Data-1.vgx")));
    if (!board.isNull())
        state.pictures.Speelbord = board;
    const QImage deeds = LoadPicture(state.dataPath(QStringLiteral("Data-2.vgx")));
    if (!deeds.isNull())
        state.pictures.EigenDomsPic = deeds;
    MakeDefaultDesign(state);
    state.game = Algemeen().game;
    state.CardBorderColour = Algemeen().CardBorderColour;
    RefreshGamePictures(state);
    StartNewHistory(state, false);
}

void ApplyLoadedProject(Algemeen &state, const LoadedProject &loaded, bool unsaved)
{
    state.project = loaded.project;
    if (!loaded.Speelbord.isNull())
        state.pictures.Speelbord = loaded.Speelbord;
    if (!loaded.EigenDomsPic.isNull())
        state.pictures.EigenDomsPic = loaded.EigenDomsPic;
    state.drawing = loaded.drawing;
    // The game's own title, town, bank and border; a project without Spel.json has the program's.
    const GameFile game = loaded.game.value_or(GameFile());
    state.game = game.game;
    if (state.game.bank.empty())
        state.game.bank = DefaultBank();
    state.CardBorderColour = game.cardBorder;
    RefreshGamePictures(state);
    StartNewHistory(state, unsaved);
}

ProjectReadResult LoadProjectInto(Algemeen &state, const QString &name)
{
    // Pictures of another size would not fit the drawing code: they are left out.
    ProjectReadResult read = ReadProjectFiles(state.Paths, name, QSize(BoardSize, BoardSize),
                                              QSize(DeedSheetWidth, DeedSheetHeight));
    if (read.loaded)
        ApplyLoadedProject(state, *read.loaded);
    return read;
}
