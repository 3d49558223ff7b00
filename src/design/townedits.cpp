#include "design/townedits.h"

#include "design/edits.h"
#include "design/undocommands.h"
#include "model/boardrules.h"
#include "drawing/squaredesign.h"
#include "drawing/squarerenderer.h"
#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"
#include "drawing/deedmaking.h"
#include "files/picturefile.h"

#include <cmath>

namespace {
bool sameAmounts(DeedMode mode, float baseA, const FactorTable &a, float baseB, const FactorTable &b)
{
    const QList<AmountRow> rowsA = DeedAmountRows(mode, baseA, a), rowsB = DeedAmountRows(mode, baseB, b);
    if (rowsA.size() != rowsB.size())
        return false;
    for (qsizetype i = 0; i < rowsA.size(); ++i)
        if (rowsA[i].y != rowsB[i].y || rowsA[i].text != rowsB[i].text)
            return false;
    return true;
}

// The texts the deed of square n is made with: the square editor's fields after placing.
PastedDeed wantedDeed(const Algemeen &state, int n)
{
    const BoardSquare texts = PlacedTexts(n, state.project.Board[n]);
    return DeedRecordFor(state, n, texts.Street, texts.City, texts.Amount);
}

// Square n composed from its texts and placed on the board, as "Plaatsen op Speelbord" does.
bool placeSquare(Algemeen &state, int n, QImage &templ)
{
    const BoardSquare texts = PlacedTexts(n, state.project.Board[n]);
    const SquareKind kind = KindOfSquare(n);
    if (kind == SquareKind::Utility || kind == SquareKind::Tax)
        LoadSquarePicture(state, n);
    ComposeSquare(templ, n, {texts.Street, texts.City, texts.Amount}, SquareArtFor(state, n));
    return PlaceSquareEdit(state, n, templ, texts);
}

bool sameRecord(const std::optional<PastedDeed> &a, const PastedDeed &b)
{
    return a && a->kind == b.kind && a->street == b.street && a->city == b.city
           && (a->base == b.base || (std::isnan(a->base) && std::isnan(b.base))) && a->factors == b.factors
           && a->stationImage == b.stationImage;
}

// The deed of square n made from its texts and pasted, as the deed designer's "Ok" does.
// Not when the sheet holds that very deed already, pixels and record.
bool pasteDeed(Algemeen &state, int n)
{
    const BoardSquare texts = PlacedTexts(n, state.project.Board[n]);
    if (KindOfSquare(n) == SquareKind::Utility)
        LoadSquarePicture(state, n);
    const MadeDeed made = MakeDeed(state, n, texts.Street, texts.City, texts.Amount, state.pictures.ImagePic);
    const std::optional<QPoint> slot = DeedSheetSlot(n);
    if (slot && sameRecord(state.drawing.deeds[n], made.record)
        && state.pictures.EigenDomsPic.copy(QRect(*slot, made.picture.size())).convertToFormat(made.picture.format())
               == made.picture)
        return false;
    return PasteDeedEdit(state, n, made.picture, made.record);
}
}

BoardSquare PlacedTexts(int n, const BoardSquare &texts)
{
    const SquareFields has = FieldsOfSquare(n);
    return {has.street ? texts.Street : QString(), has.city ? texts.City : QString(),
            has.amount ? texts.Amount : QString()};
}

SquareProgress ProgressOfSquare(const Algemeen &state, int n)
{
    SquareProgress p;
    if (n < 1 || n > 36)
        return p;
    p.placeable = FieldsOfSquare(n).amount;
    p.hasDeed = DeedSheetSlot(n).has_value();
    if (p.placeable) {
        const BoardSquare texts = PlacedTexts(n, state.project.Board[n]);
        const auto &record = state.drawing.squares[n];
        p.placed = record && record->street == texts.Street && record->city == texts.City
                   && record->amount == texts.Amount
                   && (KindOfSquare(n) != SquareKind::Station || record->stationImage == state.project.StationImage);
    }
    const auto &deed = state.drawing.deeds[n];
    if (!p.hasDeed || !deed)
        return p;
    p.deedMade = true;
    const PastedDeed wanted = wantedDeed(state, n);
    if (deed->kind != wanted.kind) {
        p.deedDiffers << QStringLiteral("teksten");
        return p;
    }
    if (wanted.kind == DeedKind::Utility)
        return p;
    if (deed->street != wanted.street || deed->city != wanted.city)
        p.deedDiffers << QStringLiteral("teksten");
    const DeedMode mode = wanted.kind == DeedKind::Station ? DeedMode::Station : DeedMode::Street;
    if (!(deed->base == wanted.base || (std::isnan(deed->base) && std::isnan(wanted.base))))
        p.deedDiffers << QStringLiteral("bedrag");
    else if (!sameAmounts(mode, deed->base, deed->factors, wanted.base, wanted.factors))
        p.deedDiffers << QStringLiteral("factoren");
    if (wanted.kind == DeedKind::Station && deed->stationImage != wanted.stationImage)
        p.deedDiffers << QStringLiteral("stationsafbeelding");
    return p;
}

QString ProgressText(const SquareProgress &p)
{
    if (!p.placeable)
        return QString();
    QString text = p.placed ? QStringLiteral("geplaatst") : QStringLiteral("niet geplaatst");
    if (!p.hasDeed)
        return text;
    if (!p.deedMade)
        return text + QStringLiteral(", geen eigendomsbewijs");
    if (p.deedDiffers.isEmpty())
        return text + QStringLiteral(", eigendomsbewijs gemaakt");
    return text + QStringLiteral(", eigendomsbewijs verouderd (%1)").arg(p.deedDiffers.join(QLatin1String(", ")));
}

bool SetSquareTexts(Algemeen &state, const std::vector<SquareRow> &rows, const QString &stepName)
{
    auto step = std::make_unique<SquareTextsStep>(state, stepName);
    ApplySquareRows(state.project, rows);
    if (!step->finish())
        return false;
    RecordStep(state, std::move(step));
    return true;
}

TownResult PlaceAllAndMakeDeeds(Algemeen &state)
{
    TownResult result;
    const StepGrouping group(state, QStringLiteral("alles plaatsen en eigendomsbewijzen maken"));
    QImage templ;
    for (int n = 1; n <= 36; ++n)
        if (FieldsOfSquare(n).amount && !ProgressOfSquare(state, n).placed && placeSquare(state, n, templ))
            ++result.squares;
    for (int n = 1; n <= 36; ++n)
        if (DeedSheetSlot(n) && pasteDeed(state, n))
            ++result.deeds;
    return result;
}

int UpdateDeeds(Algemeen &state)
{
    int count = 0;
    const StepGrouping group(state, QStringLiteral("eigendomsbewijzen bijwerken"));
    for (int n = 1; n <= 36; ++n)
        if (ProgressOfSquare(state, n).deedOutOfDate() && pasteDeed(state, n))
            ++count;
    return count;
}
