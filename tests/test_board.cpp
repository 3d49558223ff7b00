// The board: composing a square and placing it, the artwork's places, and the main window
// with its square editor, settings window, information bar, number strips, start and close.
#include "model/dateline.h"
#include "drawing/numberstrips.h"
#include "artwork/artwork.h"
#include "files/picturefile.h"
#include "windows/kleurform.h"
#include "drawing/squaredesign.h"
#include "drawing/squarerenderer.h"
#include "design/undocommands.h"
#include "design/gamenames.h"
#include "placementreference.h"
#include "testwindow.h"

#include <QComboBox>
#include <QPainter>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
const QColor Background(225, 239, 217);

QRect inkBox(const QImage &image, const QRect &rect) { return inkBounds(image, rect, Background); }

SquareArt plainArt()
{
    SquareArt art;
    art.colour = {105, 0, 61};
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 250));
    art.picture = picture;
    return art;
}
// A main window on a fresh state and program folder.
struct Window : TestWindow {
    explicit Window(bool withData = true) : TestWindow(withData) { main->show(); }
    // A left click in the middle of square n's hit rectangle.
    void select(int n) { click(SquareCentre(n)); }
    void click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(main->Pic, button, {}, pixel);
    }
    bool editorClosed() const
    {
        return state.CurrentSquare == 0 && !main->Text1->isEnabled() && !main->Text2->isEnabled()
               && !main->Combo1->isEnabled() && !main->SaveKnop->isEnabled()
               && !main->KaartKnop->isEnabled() && main->Text1->text().isEmpty()
               && main->Text2->text().isEmpty() && main->Label4->text() == "Kaart : 0";
    }
};

// What the editor shows with no square: the placeholder, framed one pixel wide, and no texts.
QImage framedPlaceholder()
{
    QImage templ = DrawPlaceholder().convertToFormat(QImage::Format_RGB32);
    QPainter(&templ).drawRect(0, 0, 179, 279);
    return templ;
}
}

class TestBoard : public QObject
{
    Q_OBJECT
private slots:

    // The game's own name: the banner and the station signs drawn by the artwork's code, one
    // step undone and done again to the exact pixels; a station changed by another tool keeps
    // its pixels.
    void gameNamesDrawnUndoneAndRedone()
    {
        Window w;
        QImage &board = w.state.pictures.Speelbord;
        // With the program's own title each piece of the artwork is the very pixels of the board.
        for (const QRect &piece : BoardArtworkPieces())
            QCOMPARE(DrawBoardPiece(piece, piece.size(), QString(), QString()), board.copy(piece));
        QPainter(&board).fillRect(QRect(SquareArea(w.state, 14).center(), QSize(3, 3)), Qt::magenta);
        const QImage before = board, sheet = w.state.pictures.EigenDomsPic, strip = w.state.pictures.TreinPic;
        const QImage overview = w.state.pictures.Overview;

        // The banner drawn again after the station signs is the banner on the board: what text
        // a process drew before does not move the outlines of the text it draws later.
        QVERIFY(SetGameNames(w.state, "Beekstad", "Het spel van onze beek", "Beekdorp"));
        DrawStationStrip("Beekdorp");
        std::vector<QImage> banner;
        for (const QRect &tile : BoardArtworkPieces(true))
            banner.push_back(DrawBoardPiece(tile, tile.size(), "Beekstad", "Het spel van onze beek"));
        QVERIFY(!SetGameNames(w.state, "Beekstad", "Het spel van onze beek", "Beekdorp"));
        const QImage after = board;
        for (size_t i = 0; i < banner.size(); ++i)
            QCOMPARE(after.copy(BoardArtworkPieces(true)[i]), banner[i]);
        QVERIFY(after.copy(BoardCentreArea()) != before.copy(BoardCentreArea()));
        QCOMPARE(w.state.pictures.TreinPic, DrawStationStrip("Beekdorp"));
        QVERIFY(after.copy(SquareArea(w.state, 5)) != before.copy(SquareArea(w.state, 5)));
        QCOMPARE(after.copy(SquareArea(w.state, 14)), before.copy(SquareArea(w.state, 14)));
        QCOMPARE(after.copy(SquareArea(w.state, 6)), before.copy(SquareArea(w.state, 6)));
        QVERIFY(w.state.pictures.EigenDomsPic != sheet);  // the station deeds show the town too
        QCOMPARE(w.state.pictures.Overview, DrawBoardOverview("Beekstad"));  // and the overview
        QVERIFY(w.state.pictures.Overview != overview);
        QVERIFY(w.state.UnsavedChanges);

        QVERIFY(w.state.history->undo());
        QCOMPARE(board, before);
        QCOMPARE(w.state.pictures.EigenDomsPic, sheet);
        QCOMPARE(w.state.pictures.TreinPic, strip);
        QCOMPARE(w.state.game.title, QString());
        QCOMPARE(w.state.pictures.Overview, overview);
        QVERIFY(w.state.history->redo());
        QCOMPARE(board, after);
        QCOMPARE(w.state.game.town, QStringLiteral("Beekdorp"));
    }

    // The overview shows what the board shows: a chest on 2, 15 and 25, a "?" on 12, 20 and 34,
    // a ring on 17, and no florin sign anywhere.
    void overviewAgreesWithTheBoard_data()
    {
        QTest::addColumn<int>("square");
        QTest::addColumn<QColor>("mark");
        const QColor chestBand(30, 110, 200), question(236, 120, 20), ringStone(180, 230, 255);
        for (int n : {2, 15, 25})
            QTest::addRow("chest %d", n) << n << chestBand;
        for (int n : {12, 20, 34})
            QTest::addRow("question %d", n) << n << question;
        QTest::newRow("ring 17") << 17 << ringStone;
    }

    void overviewAgreesWithTheBoard()
    {
        QFETCH(int, square);
        QFETCH(QColor, mark);
        const QImage overview = DrawBoardOverview();
        const HitRect h = OverviewHitRect(square);
        const QRect r(QPoint(h.left / 15, h.top / 15), QPoint(h.right / 15 - 1, h.bottom / 15 - 1));
        QVERIFY2(countWhere(overview, r, [&](QRgb c) { return near(QColor(c), mark, 6); }) >= 4,
                 qPrintable(QStringLiteral("square %1").arg(square)));
    }

    // The special pictures stand on the squares' own ground, so no lighter rectangle shows.
    void specialPicturesOnTheSquareGround()
    {
        for (const QImage &picture : {DrawWaterWorks(), DrawExtraTax(), DrawIncomeTax(), DrawElectricity()})
            for (const QPoint corner : {QPoint(0, 0), QPoint(picture.width() - 1, 0), QPoint(0, picture.height() - 1),
                                        QPoint(picture.width() - 1, picture.height() - 1)})
                QVERIFY2(near(picture.pixelColor(corner), Background, 3), qPrintable(describe(picture, corner)));
    }

    // Every station sign lies whole inside its picture and keeps its own colours at night.
    void stationSignsInsideAndLit()
    {
        const QImage strip = DrawStationStrip();
        const QRgb signBlue = qRgb(0, 60, 150);
        for (int i = 0; i < StationPictures; ++i) {
            const QImage picture = strip.copy(0, StationHeight * i, StationWidth, StationHeight);
            const QRect sign = boxWhere(picture, picture.rect(), [&](QRgb c) { return c == signBlue; });
            QVERIFY2(pixelsOf(picture, picture.rect(), QColor(signBlue)) >= 100, qPrintable(QString::number(i)));
            QVERIFY2(sign.left() >= 3 && sign.right() <= StationWidth - 4, qPrintable(QString::number(i)));
        }
    }
    void fastPlacementEqualsReference_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QPoint>("position");
        const QPoint inside[] = {{1000, 0}, {1900, 820}, {1180, 1900}, {0, 1000}};
        for (int side = 1; side <= 4; ++side) {
            QTest::addRow("side %d", side) << side << inside[side - 1];
            // Partly outside the board: only the part inside is written.
            QTest::addRow("side %d past the far edge", side) << side << QPoint(2100, 2050);
            QTest::addRow("side %d before the near edge", side) << side << QPoint(-40, -100);
        }
    }

    void fastPlacementEqualsReference()
    {
        QFETCH(int, side);
        QFETCH(QPoint, position);
        const QImage templ = noiseImage(180, 280, 7);
        QImage fast = noiseImage(2180, 2180, 11);
        QImage reference = fast.copy();
        PlaceSquare(fast, templ, side, position);
        PlaceSquarePixelByPixel(reference, templ, side, position);
        QVERIFY(fast == reference);
        QVERIFY(fast != noiseImage(2180, 2180, 11));
        QImage empty;  // a null board is left alone
        PlaceSquare(empty, templ, side, position);
        QVERIFY(empty.isNull());
    }

    void streetLayout()
    {
        QImage templ;
        ComposeSquare(templ, 21, {"Brink", "Ons Dorp", "€ 60,-"}, plainArt());
        // Band 2..58, rule 59..61, a frame two pixels wide at the sides and four at the bottom.
        const QColor band(105, 0, 61), black(Qt::black);
        const QList<QPair<QPoint, QColor>> pixels = {
            {{90, 2}, band},     {{90, 58}, band},    {{90, 59}, black},   {{90, 61}, black},  {{90, 62}, Background},
            {{0, 150}, black},   {{1, 150}, black},   {{178, 150}, black}, {{179, 150}, black}, {{2, 150}, Background},
            {{90, 276}, black},  {{90, 279}, black},  {{90, 275}, Background}};
        for (const auto &[at, colour] : pixels)
            QVERIFY2(templ.pixelColor(at) == colour, qPrintable(describe(templ, at)));

        // Each text sits in its own rows, centred near pixel 90.
        for (const QRect &box : {inkBox(templ, QRect(2, 75, 176, 25)), inkBox(templ, QRect(2, 100, 176, 26)),
                                 inkBox(templ, QRect(2, 235, 176, 26))}) {
            QVERIFY(box.isValid());
            QVERIFY2(qAbs(box.center().x() - 90) <= 6, qPrintable(QString::number(box.center().x())));
        }
        // Nothing else between the rule and the amount.
        QVERIFY(!inkBox(templ, QRect(2, 62, 176, 13)).isValid());
        QVERIFY(!inkBox(templ, QRect(2, 127, 176, 107)).isValid());
    }

    void awkwardTexts_data()
    {
        QTest::addColumn<QString>("street");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("amount");
        QTest::newRow("empty name") << "" << "Ons Dorp" << "€ 60,-";
        QTest::newRow("500 characters") << QString(500, QLatin1Char('W')) << "Ons Dorp" << "€ 60,-";
        QTest::newRow("amount not a number") << "Brink" << "Ons Dorp" << "abc";
        QTest::newRow("beyond Windows-1252")
            << QString::fromUtf8("Stra\u00dfe \u2603 \U0001F600") << QString::fromUtf8("\u0141\u00f3d\u017a") << QString::fromUtf8("\u20ac \u221e");
    }

    void awkwardTexts()
    {
        QFETCH(QString, street);
        QFETCH(QString, city);
        QFETCH(QString, amount);
        QImage templ;
        ComposeSquare(templ, 21, {street, city, amount}, plainArt());
        const QRect streetInk = inkBox(templ, QRect(2, 75, 176, 25));
        QCOMPARE(streetInk.isValid(), !street.isEmpty());
        QVERIFY(inkBox(templ, QRect(2, 100, 176, 26)).isValid());
        QVERIFY(inkBox(templ, QRect(2, 235, 176, 26)).isValid());

        // A text wider than the square runs off both edges, under the frame.
        if (MeasuredWidthTwips(street, MeasuringLabel::Text1Label) > 176 * 15)
            QVERIFY(streetInk.left() <= 4 && streetInk.right() >= 175);
        QCOMPARE(templ.pixelColor(0, 110), QColor(Qt::black));
        QCOMPARE(templ.pixelColor(179, 110), QColor(Qt::black));
    }

    void overviewSquaresLieOnTheirClickRectangles()
    {
        const QImage overview = DrawBoardOverview();
        const QRgb background = overview.pixel(0, 0);
        for (int n = 1; n <= 36; ++n) {
            const HitRect h = OverviewHitRect(n);
            const QRect r(QPoint(h.left / 15, h.top / 15), QPoint(h.right / 15 - 1, h.bottom / 15 - 1));
            // Every pixel of the square belongs to it and a press there hits it (card squares hit
            // nothing); the ring of pixels around it is the background showing through the gaps.
            for (int y = r.top() - 1; y <= r.bottom() + 1; ++y)
                for (int x = r.left() - 1; x <= r.right() + 1; ++x) {
                    if (!r.contains(x, y)) {
                        QCOMPARE(overview.pixel(x, y), background);
                        continue;
                    }
                    QVERIFY2(overview.pixel(x, y) != background,
                             qPrintable(QStringLiteral("square %1 has a hole at %2,%3").arg(n).arg(x).arg(y)));
                    if (!IsCardSquare(n))
                        QCOMPARE(HitSquare(15 * x + 7, 15 * y + 7), n);
                }
        }
    }

    void cardSquaresFillTheirPlacesOnTheBoard()
    {
        // The board as the Data picture is made: the default design, then the card squares.
        const QImage empty = DrawBoardTemplate();
        Algemeen design;
        LoadDefaultContent(design);
        const SquarePictures pictures{DrawStationStrip(), DrawWaterWorks(), DrawExtraTax(),
                                      DrawIncomeTax(), DrawElectricity()};
        QImage board = ComposeDefaultBoard(empty, design, pictures);
        // Corners and middle stay as the template has them; every other square is written.
        for (const QRect &c : {QRect(0, 0, 280, 280), QRect(1900, 0, 280, 280), QRect(1900, 1900, 280, 280),
                               QRect(0, 1900, 280, 280), QRect(280, 280, 1620, 1620)})
            QVERIFY(board.copy(c) == empty.copy(c));
        for (int n = 1; n <= 36; ++n)
            QVERIFY2((board.pixel(design.squarePosition[n] + QPoint(90, 90)) != empty.pixel(design.squarePosition[n] + QPoint(90, 90)))
                         == !IsCardSquare(n), qPrintable(QString::number(n)));
        // Square 21's purple band faces the centre; square 1 is turned over, its red band at the bottom.
        QCOMPARE(board.pixelColor(1360 + 90, 1900 + 20), QColor(105, 0, 61));
        QCOMPARE(board.pixelColor(280 + 90, 279 - 20), QColor(255, 0, 0));
        QImage expected = board;
        PlaceCardSquares(board);

        const QImage kans = DrawCardSquare(true), fonds = DrawCardSquare(false);
        QVERIFY(kans != fonds);
        // Kans on 12, 20 and 34, Algemeen Fonds on 2, 15 and 25, each turned to face the centre;
        // nothing else on the board changes.
        for (int n : {12, 20, 34})
            PlaceSquarePixelByPixel(expected, kans, SideOfSquare(n), DefaultSquarePosition(n));
        for (int n : {2, 15, 25})
            PlaceSquarePixelByPixel(expected, fonds, SideOfSquare(n), DefaultSquarePosition(n));
        QVERIFY(board == expected);
    }

    void selectingLoadsTheEditor_data()
    {
        QTest::addColumn<int>("square");
        QTest::addColumn<QStringList>("texts");        // street, city, amount
        QTest::addColumn<QList<bool>>("enabled");      // street, city, Kaart
        QTest::newRow("street 21") << 21 << QStringList{"Brink", "Ons Dorp", "€ 60,-"} << QList<bool>{true, true, true};
        QTest::newRow("station 5") << 5 << QStringList{"Station Noord", "", "€ 200,-"} << QList<bool>{true, false, true};
        QTest::newRow("water works 8") << 8 << QStringList{"", "", "€ 150,-"} << QList<bool>{false, false, true};
        QTest::newRow("extra tax 17") << 17 << QStringList{"", "", "€ 100,-"} << QList<bool>{false, false, false};
    }

    void selectingLoadsTheEditor()
    {
        QFETCH(int, square);
        QFETCH(QStringList, texts);
        QFETCH(QList<bool>, enabled);
        Window w;
        w.select(square == 21 ? 3 : 21);  // something else was selected before
        w.select(square);
        Main &m = *w.main;
        QCOMPARE(w.state.CurrentSquare, square);
        QCOMPARE(w.state.CurrentIsStreet, square == 21);
        QCOMPARE(m.Label4->text(), QStringLiteral("Kaart : %1").arg(square));
        QCOMPARE((QStringList{m.Text1->text(), m.Text2->text(), m.Combo1->currentText()}), texts);
        QCOMPARE((QList<bool>{m.Text1->isEnabled(), m.Text2->isEnabled(), m.KaartKnop->isEnabled()}), enabled);
        QVERIFY(m.Combo1->isEnabled() && m.SaveKnop->isEnabled());

        // The preview is the square as composed from what the editor holds.
        QImage expected;
        LoadSquarePicture(w.state, square);
        ComposeSquare(expected, square, {texts[0], texts[1], texts[2]}, SquareArtFor(w.state, square));
        QCOMPARE(m.templateImage, expected);
        QCOMPARE(m.Orgineel->pixmap().toImage().convertToFormat(QImage::Format_RGB32), expected);
    }

    void pressesThatSelectNothing()
    {
        Window w;
        // Presses at pixel x 15 = twips: the left edge of square 1 (x = 840), the gap before square 2
        // (x = 1305), the top edge (y = 30), a right button on square 21, and the card squares 2 and 25.
        QList<QPair<QPoint, Qt::MouseButton>> presses = {
            {{56, 20}, Qt::LeftButton}, {{87, 20}, Qt::LeftButton}, {{70, 2}, Qt::LeftButton}, {{263, 372}, Qt::RightButton}};
        for (int card : {2, 25}) {
            const HitRect r = OverviewHitRect(card);
            presses.append({QPoint((r.left + r.right) / 30, (r.top + r.bottom) / 30), Qt::LeftButton});
        }
        for (const auto &[pixel, button] : presses) {
            w.select(21);
            QCOMPARE(w.state.CurrentSquare, 21);
            w.click(pixel, button);
            QVERIFY2(w.editorClosed() && !w.state.CurrentIsStreet, qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
            QCOMPARE(w.main->templateImage, framedPlaceholder());
        }
    }

    void previewFollowsTypingUntilPlaced()
    {
        Window w;
        Main &m = *w.main;
        const QImage board = w.state.pictures.Speelbord;
        const Project design = w.state.project;
        struct Case { int square; QWidget *field; int firstRow, lastRow; };
        for (const Case &c : {Case{21, m.Text2, 75, 125}, Case{22, m.Combo1->lineEdit(), 235, 260}}) {
            w.select(c.square);
            const QImage before = m.templateImage;
            QTest::keyClicks(c.field, "WWW");
            // The preview changes, but only in the rows of that field.
            QVERIFY(m.templateImage != before);
            QCOMPARE(m.templateImage.copy(0, 0, 180, c.firstRow), before.copy(0, 0, 180, c.firstRow));
            QCOMPARE(m.templateImage.copy(0, c.lastRow + 1, 180, 279 - c.lastRow), before.copy(0, c.lastRow + 1, 180, 279 - c.lastRow));
            QCOMPARE(m.Orgineel->pixmap().toImage().convertToFormat(QImage::Format_RGB32), m.templateImage);
        }
        // Nothing reaches the board or the design until it is placed; selecting another square drops the edits.
        w.select(21);
        QCOMPARE(m.Text2->text(), QStringLiteral("Ons Dorp"));
        QCOMPARE(w.state.project.Board[21].City, design.Board[21].City);
        QCOMPARE(w.state.project.Board[22].Amount, design.Board[22].Amount);
        QVERIFY(w.state.pictures.Speelbord == board);
        QVERIFY(!w.state.UnsavedChanges);
    }

    void editorWarnsWhileTypingATextThatWillBeCut_data()
    {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("field");  // 0 street, 1 city, 2 amount
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("warned");
        QTest::newRow("a street name that fits") << 21 << 0 << "Brinkstraat" << false;
        QTest::newRow("a long street name") << 21 << 0 << "Burgemeester van Walsumweg" << true;
        QTest::newRow("a long city") << 1 << 1 << "Nieuwerkerk aan den IJssel" << true;
        QTest::newRow("a long station name") << 14 << 0 << "Station Amsterdam Centraal" << true;
        QTest::newRow("a long amount") << 22 << 2 << "1000000000000000000,-" << true;
    }

    void editorWarnsWhileTypingATextThatWillBeCut()
    {
        QFETCH(int, square);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(bool, warned);
        Window w;
        Main &m = *w.main;
        w.select(square);
        QLineEdit *fields[3] = {m.Text1, m.Text2, m.Combo1->lineEdit()};
        fields[field]->selectAll();
        QTest::keyClicks(fields[field], typed);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(m.TeLangLabel[i]->isVisible(), warned && i == field);
        QCOMPARE(m.TeLangLabel[field]->text(), QStringLiteral("Te lang: wordt afgekapt"));
        // Shortened again, or nothing selected, and the warning goes.
        fields[field]->setText("Ab");
        QVERIFY(!m.TeLangLabel[field]->isVisible());
        fields[field]->setText(typed);
        w.click(QPoint(2, 2), Qt::RightButton);
        QVERIFY(!m.TeLangLabel[field]->isVisible());
    }

    void placingWritesBoardAndPicture_data()
    {
        QTest::addColumn<int>("square");
        QTest::addColumn<QString>("street");
        QTest::addColumn<QString>("city");
        QTest::newRow("station 14, no city") << 14 << "Station Oost" << "";
        QTest::newRow("street 3 at the top") << 3 << "Groote Markt" << "Groningen";
    }

    void placingWritesBoardAndPicture()
    {
        QFETCH(int, square);
        QFETCH(QString, street);
        QFETCH(QString, city);
        Window w;
        Main &m = *w.main;
        if (!IsStreet(square))
            w.state.project.Board[square].City = "stale";  // becomes empty: the field is empty
        w.select(square);
        m.Combo1->lineEdit()->selectAll();
        QTest::keyClicks(m.Combo1->lineEdit(), "abc");

        QImage expectedBoard = w.state.pictures.Speelbord.copy();
        PlaceSquarePixelByPixel(expectedBoard, m.templateImage, SideOfSquare(square),
                                w.state.squarePosition[square]);
        const QImage smallBefore = m.Image1->pixmap().toImage();
        QTest::mouseClick(m.SaveKnop, Qt::LeftButton);

        QVERIFY(w.state.pictures.Speelbord == expectedBoard);
        const BoardSquare &stored = w.state.project.Board[square];
        QCOMPARE((QStringList{stored.Street, stored.City, stored.Amount}), (QStringList{street, city, "abc"}));
        QVERIFY(w.state.UnsavedChanges);
        QVERIFY(m.Image1->pixmap().toImage() != smallBefore);
        // The editor stays as it was.
        QCOMPARE(w.state.CurrentSquare, square);
        QVERIFY(m.SaveKnop->isEnabled());
    }

    void startsAndPlacesWithoutDataPictures()
    {
        // Without the Data pictures the program starts without a message, and the editor still
        // works: the texts are kept.
        Window w(false);
        QVERIFY(w.state.pictures.Speelbord.isNull() && w.state.pictures.Overview.isNull());
        QVERIFY(w.dialogs.asked.isEmpty());
        QVERIFY(QFile::exists(w.state.settingsPath()));
        w.select(23);
        QTest::keyClicks(w.main->Text1, " 2");
        QTest::mouseClick(w.main->SaveKnop, Qt::LeftButton);
        QCOMPARE(w.state.project.Board[23].Street, QStringLiteral("Station Zuid 2"));
        QVERIFY(w.state.pictures.Speelbord.isNull());
    }

    void missingSquarePictureKeepsTheLastOne()
    {
        Window w;
        QImage waterWorks(50, 40, QImage::Format_RGB32);
        waterWorks.fill(QColor(0, 90, 255));
        QFile::remove(w.state.dataPath("Data-5.vgx"));
        QFile::remove(w.state.dataPath("Data-6.vgx"));
        QVERIFY(waterWorks.save(w.state.dataPath("Data-5.vgx"), "PNG"));
        w.select(8);
        QVERIFY(w.state.pictures.ImagePic == waterWorks);
        QCOMPARE(w.main->templateImage.pixelColor(12, 75), QColor(0, 90, 255));
        w.select(17);  // its picture is missing: square 17 shows what was loaded last
        QVERIFY(w.state.pictures.ImagePic == waterWorks);
        QCOMPARE(w.main->templateImage.copy(23, 90, 133, 107),
                 waterWorks.scaled(133, 107).convertToFormat(QImage::Format_RGB32));
    }

    void settingsWindow()
    {
        Window w;
        Main &m = *w.main;
        w.state.project.StationImage = 3;
        const QImage board = w.state.pictures.Speelbord;
        KleurForm form(w.state, [&m](int r, int g, int b) { m.ApplyWindowColour(r, g, b); }, &m);

        // A colour bar goes straight to the state, the window and its number strips.
        form.HScroll1[2]->setValue(0);
        const QColor yellow(220, 220, 0);
        QCOMPARE(w.state.WindowColour, (RgbColour{220, 220, 0}));
        QCOMPARE(form.KleurLabel[2]->text(), QStringLiteral("B: 0"));
        QCOMPARE(m.centralWidget()->palette().color(QPalette::Window), yellow);
        for (QLabel *strip : m.numberStrips)
            QCOMPARE(strip->pixmap().toImage().pixelColor(0, 0), yellow);
        // Enter (with the focus on Reset, even) never throws the chosen colours away; Reset does.
        form.show();
        form.ResetKnop->setFocus();
        QTest::keyClick(&form, Qt::Key_Return);
        QCOMPARE(w.state.WindowColour, (RgbColour{220, 220, 0}));
        QTest::mouseClick(form.ResetKnop, Qt::LeftButton);
        QCOMPARE(w.state.WindowColour, DefaultWindowColour);
        QCOMPARE(m.numberStrips[1]->pixmap().toImage().pixelColor(0, 0), QColor(220, 220, 190));

        // Station picture 29 is strip rows 3915..4049; the board keeps its stations until one is placed.
        QCOMPARE(form.Label7->text(), QStringLiteral("4 / 30"));
        form.VScroll->setValue(29);
        QCOMPARE(int(w.state.project.StationImage), 29);
        QCOMPARE(form.Label7->text(), QStringLiteral("30 / 30"));
        const QImage last = w.state.pictures.TreinPic.copy(0, 3915, 160, 135);
        QCOMPARE(form.Pic->pixmap().toImage().convertToFormat(QImage::Format_RGB32), last);
        QVERIFY(w.state.pictures.Speelbord == board);
        w.select(23);
        QCOMPARE(m.templateImage.copy(12, 75, 160, 135), last);
    }

    void dateLineAndClock()
    {
        QCOMPARE(DateLine(QDate(2026, 12, 5)), QStringLiteral("Zaterdag 5 December 2026"));
        QCOMPARE(DateLine(QDate(2027, 5, 31)), QStringLiteral("Maandag 31 Mei 2027"));
        QCOMPARE(ClockText(QTime(9, 5, 7)), QStringLiteral(" 9:05:07"));
        QCOMPARE(ClockText(QTime(23, 59, 0)), QStringLiteral(" 23:59:00"));
    }

    void cardSquareNumbersDoNotShow()
    {
        // A card square's number and its neighbour's, by the top-left of the number in twips: 2 and 3
        // above, 15 and 16 right, 25 and 24 below, 34 and 33 left.
        const QList<std::tuple<NumberStrip, QPoint, QPoint>> numbers{
            {NumberStrip::Above, {1530, 15}, {2010, 15}},   {NumberStrip::Right, {-15, 3465}, {-15, 3945}},
            {NumberStrip::Below, {1980, 15}, {2460, 15}},   {NumberStrip::Left, {-15, 2025}, {-15, 2505}}};
        for (const RgbColour colour : {RgbColour{220, 220, 190}, RgbColour{10, 80, 200}}) {
            const QColor bg(colour.red, colour.green, colour.blue);
            for (const auto &[strip, hiddenAt, shownAt] : numbers) {
                const QImage image = DrawNumberStrip(strip, colour);
                auto box = [&](QPoint twips) { return QRect(qMax(0, twips.x() / 15), twips.y() / 15, 20, 14) & image.rect(); };
                QVERIFY(!inkIn(image, box(hiddenAt), bg));
                QVERIFY(inkIn(image, box(shownAt), bg));
            }
        }
    }

    void closeQuestion()
    {
        TestWindow t;
        auto &[state, dialogs, main] = static_cast<WindowIn &>(t);
        Main &w = *main;
        w.show();
        // The settings file is written at every close, and only at a close that goes ahead.
        QFile::remove(state.settingsPath());

        // Nothing unsaved: no question, the settings are written.
        QVERIFY(w.close());
        QVERIFY(dialogs.asked.isEmpty());
        QVERIFY(QFile::exists(state.settingsPath()));

        QFile::remove(state.settingsPath());
        w.show();
        state.UnsavedChanges = true;
        state.WindowColour = {1, 2, 3};
        dialogs.yesNoAnswers = {false};
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(dialogs.asked.value(0), QStringLiteral(" Sluiten|Wijzigingen zijn nog niet opgeslagen...\n"
                                                        "wilt u het programma toch sluiten?"));
        QVERIFY(!QFile::exists(state.settingsPath()));

        dialogs.yesNoAnswers = {true};
        QVERIFY(w.close());
        QVERIFY(readAll(state.settingsPath()).contains("\r\n1,2,3\r\n"));
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
