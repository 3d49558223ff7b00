#include "files/picturefile.h"
#include "design/gamenames.h"

#include "design/startup.h"
#include "design/undocommands.h"
#include "artwork/artwork.h"
#include "model/boardrules.h"
#include "drawing/squaredesign.h"
#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"

#include <QPainter>
#include <vector>

namespace {
QRect deedArea(int n)
{
    const auto slot = DeedSheetSlot(n);
    return slot ? QRect(*slot, QSize(DeedWidth, DeedHeight)) : QRect();
}

// Square n composed from its record with `strip`, turned into a picture of its board area.
QImage placedStation(const Algemeen &state, int n, const PlacedSquare &placed, const QImage &strip)
{
    SquareArt art = SquareArtFor(state, n);
    art.stationStrip = strip;
    art.stationImage = placed.stationImage;
    QImage templ(TemplateWidth, TemplateHeight, QImage::Format_RGB32);
    ComposeSquare(templ, n, SquareTexts{placed.street, placed.city, placed.amount}, art);
    const QRect area = SquareArea(state, n);
    QImage out(area.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    PlaceSquare(out, templ, SideOfSquare(n), QPoint(0, 0));
    return out;
}

QImage pastedStationDeed(const Algemeen &state, int n, const PastedDeed &deed, const QImage &strip)
{
    QImage canvas = NewDeedCanvas();
    QPainter p(&canvas);
    DrawPastedDeed(p, n, deed, state.squareColour[n], strip, QImage());
    return canvas;
}

void copyInto(QImage &picture, const QImage &part, QPoint at)
{
    QPainter p(&picture);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(at, part);
}

// Keeps the names, the banner, the strip and the station areas of the board and deed sheet.
class GameNamesStep : public DesignStep
{
public:
    explicit GameNamesStep(Algemeen &state)
        : DesignStep(state, QStringLiteral("spel en plaats wijzigen"), true),
          m_title(state.game.title), m_subtitle(state.game.subtitle), m_town(state.game.town),
          m_strip(state.pictures.TreinPic), m_stripTown(state.pictures.TreinPicTown),
          m_overview(state.pictures.Overview), m_overviewTitle(state.pictures.OverviewTitle)
    {
        m_board.emplace_back(state.pictures.Speelbord, BoardCentreArea());
        for (int n = 1; n <= 36; ++n) {
            if (!IsStationSquare(n))
                continue;
            m_board.emplace_back(state.pictures.Speelbord, SquareArea(state, n));
            m_deeds.emplace_back(state.pictures.EigenDomsPic, deedArea(n));
        }
    }
    qsizetype bytes() const override
    {
        qsizetype total = 0;
        for (const auto &a : m_board)
            total += a.bytes();
        for (const auto &a : m_deeds)
            total += a.bytes();
        return total;
    }

protected:
    void exchange() override
    {
        std::swap(m_title, m_state.game.title);
        std::swap(m_subtitle, m_state.game.subtitle);
        std::swap(m_town, m_state.game.town);
        std::swap(m_strip, m_state.pictures.TreinPic);
        std::swap(m_stripTown, m_state.pictures.TreinPicTown);
        std::swap(m_overview, m_state.pictures.Overview);
        std::swap(m_overviewTitle, m_state.pictures.OverviewTitle);
        for (auto &a : m_board)
            a.exchange(m_state.pictures.Speelbord);
        for (auto &a : m_deeds)
            a.exchange(m_state.pictures.EigenDomsPic);
    }

private:
    QString m_title, m_subtitle, m_town;
    QImage m_strip;
    QString m_stripTown;
    QImage m_overview;
    QString m_overviewTitle;
    std::vector<PictureArea> m_board, m_deeds;
};

QString clean(const QString &text) { return text.trimmed().left(MaxGameText); }

// The overview the user clicks shows the game's title on its banner too, unless another tool
// changed the picture.
void retitleOverview(Algemeen &state, const QString &title)
{
    QImage &overview = state.pictures.Overview;
    if (state.pictures.OverviewTitle == title || overview.isNull()
        || overview.convertToFormat(QImage::Format_RGB32) != DrawBoardOverview(state.pictures.OverviewTitle))
        return;
    overview = DrawBoardOverview(title);
    state.pictures.OverviewTitle = title;
}
}

bool SetGameNames(Algemeen &state, const QString &title, const QString &subtitle, const QString &town)
{
    OwnGame wanted = state.game;
    wanted.title = clean(title);
    wanted.subtitle = subtitle.trimmed().left(2 * MaxGameText);
    wanted.town = clean(town);
    if (wanted.title == DefaultGameTitle())
        wanted.title.clear();
    if (wanted.subtitle == DefaultGameSubtitle())
        wanted.subtitle.clear();
    if (wanted == state.game)
        return false;

    auto step = std::make_unique<GameNamesStep>(state);
    QImage &board = state.pictures.Speelbord;
    const bool bannerChanged = wanted.title != state.game.title || wanted.subtitle != state.game.subtitle;
    if (bannerChanged && board.rect().contains(BoardCentreArea())) {
        // The banner is drawn anew tile by tile, where the board still shows the banner it had.
        for (const QRect &tile : BoardArtworkPieces(true)) {
            const QImage before = DrawBoardPiece(tile, tile.size(), state.game.title, state.game.subtitle);
            if (board.copy(tile).convertToFormat(QImage::Format_RGB32) == before)
                copyInto(board, DrawBoardPiece(tile, tile.size(), wanted.title, wanted.subtitle), tile.topLeft());
        }
    }
    if (wanted.town != state.game.town) {
        const QImage oldStrip = state.pictures.TreinPic;
        const QImage newStrip = DrawStationStrip(wanted.town);
        for (int n = 1; n <= 36; ++n) {
            if (!IsStationSquare(n))
                continue;
            const auto &placed = state.drawing.squares[n];
            const QRect area = SquareArea(state, n);
            if (placed && board.rect().contains(area)
                && board.copy(area) == placedStation(state, n, *placed, oldStrip))
                copyInto(board, placedStation(state, n, *placed, newStrip), area.topLeft());
            const auto &deed = state.drawing.deeds[n];
            QImage &sheet = state.pictures.EigenDomsPic;
            if (deed && deed->kind == DeedKind::Station && sheet.rect().contains(deedArea(n))
                && sheet.copy(deedArea(n)) == pastedStationDeed(state, n, *deed, oldStrip))
                PasteDeed(sheet, pastedStationDeed(state, n, *deed, newStrip), n);
        }
        state.pictures.TreinPic = newStrip;
        state.pictures.TreinPicTown = wanted.town;
    }
    retitleOverview(state, wanted.title);
    state.game.title = wanted.title;
    state.game.subtitle = wanted.subtitle;
    state.game.town = wanted.town;
    RecordStep(state, std::move(step));
    return true;
}

void RefreshGamePictures(Algemeen &state)
{
    retitleOverview(state, state.game.title);
    if (state.pictures.TreinPicTown == state.game.town && !state.pictures.TreinPic.isNull())
        return;
    const QImage strip = state.game.town.isEmpty() ? LoadPicture(state.dataPath(QStringLiteral("Data-4.vgx")))
                                                   : DrawStationStrip(state.game.town);
    if (strip.isNull())
        return;
    state.pictures.TreinPic = strip;
    state.pictures.TreinPicTown = state.game.town;
}
