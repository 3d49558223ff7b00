// The edits of the design without any window: each is one step of the history that undoes
// and redoes exactly, a refused edit changes nothing, and opening or starting a design begins
// a new history.
#include "design/edits.h"
#include "design/startup.h"
#include "drawing/deeddrawing.h"
#include "files/drawingfile.h"
#include "files/picturefile.h"
#include "testsupport.h"

#include <QtTest>

namespace {
// Everything an edit may change, to compare designs by.
struct Look {
    QImage board, deeds;
    std::array<BoardSquare, SquareSlots> squares;
    CardDeck kans, fonds;
    int station;
    std::array<qint32, FactorSlots> factors;
    QByteArray drawing;
    bool operator==(const Look &o) const
    {
        auto same = [](const std::array<BoardSquare, SquareSlots> &a, const std::array<BoardSquare, SquareSlots> &b) {
            return std::equal(a.begin(), a.end(), b.begin(), [](const BoardSquare &x, const BoardSquare &y) {
                return x.Street == y.Street && x.City == y.City && x.Amount == y.Amount;
            });
        };
        return board == o.board && deeds == o.deeds && same(squares, o.squares) && kans == o.kans
               && fonds == o.fonds && station == o.station && factors == o.factors && drawing == o.drawing;
    }
};

Look lookOf(const Algemeen &s)
{
    return {s.pictures.Speelbord, s.pictures.EigenDomsPic, s.project.Board, s.project.KansDeck,
            s.project.FondsDeck, s.project.StationImage, s.RentFactors, DrawingFileBytes(s.drawing)};
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Design {
    ProgramFolder folder;
    Algemeen state;
    DesignHistory history{state};
    Design()
    {
        state.Paths = folder.path();
        LoadStartState(state);
        history.startNew();
    }
};
}

class TestEdits : public QObject
{
    Q_OBJECT
private slots:
    void eachEditIsOneStepThatUndoesAndRedoes_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("stepName");
        QTest::addColumn<bool>("changesDesign");
        QTest::newRow("square") << "square" << "vakje 21 plaatsen" << true;
        QTest::newRow("deed") << "deed" << "eigendomsbewijs 32 plaatsen" << true;
        QTest::newRow("card") << "card" << "Algemeen Fonds-kaart 3 opslaan" << true;
        QTest::newRow("settings") << "settings" << "stationsafbeelding kiezen" << true;
        QTest::newRow("factors") << "factors" << "vermenigvuldigingsfactoren wijzigen" << false;
    }
    void eachEditIsOneStepThatUndoesAndRedoes()
    {
        QFETCH(QString, edit);
        QFETCH(QString, stepName);
        QFETCH(bool, changesDesign);
        Design d;
        Algemeen &s = d.state;
        const Look before = lookOf(s);
        if (edit == "square") {
            QVERIFY(PlaceSquareEdit(s, 21, filled(TemplateWidth, TemplateHeight, qRgb(200, 0, 0)),
                                    {"Nieuwe Brink", "Beekstad", "€ 300,-"}));
            // Square 21 lies on the third side, turned half a turn, at its default place.
            QCOMPARE(s.pictures.Speelbord.pixel(s.squarePosition[21] + QPoint(5, 5)), qRgb(200, 0, 0));
            QCOMPARE(s.drawing.squares[21]->street, QString("Nieuwe Brink"));
        } else if (edit == "deed") {
            PastedDeed record;
            record.kind = DeedKind::Station;
            record.street = "Station Noord";
            QVERIFY(PasteDeedEdit(s, 32, filled(DeedWidth, DeedHeight, qRgb(0, 0, 200)), record));
            QCOMPARE(s.drawing.deeds[32]->street, QString("Station Noord"));
        } else if (edit == "card") {
            SaveCardTextEdit(s, 2, 3, "Een nieuwe kaart");
            QCOMPARE(s.project.FondsDeck[3], QString("Een nieuwe kaart"));
        } else if (edit == "settings") {
            EditVisit visit = VisitSettings(s);
            s.project.StationImage = 7;
        } else {
            EditVisit visit = VisitRentFactors(s);
            s.RentFactors[2] += 5;
        }
        const Look after = lookOf(s);
        QVERIFY(!(after == before));
        QCOMPARE(d.history.stack().count(), 1);
        QCOMPARE(d.history.stack().undoText(), stepName);
        QCOMPARE(s.UnsavedChanges, changesDesign);
        QVERIFY(d.history.undo());
        QVERIFY(lookOf(s) == before);
        QVERIFY(!s.UnsavedChanges);
        QVERIFY(d.history.redo());
        QVERIFY(lookOf(s) == after);
    }

    void refusedEditsChangeNothing()
    {
        Design d;
        Algemeen &s = d.state;
        const Look before = lookOf(s);
        const QImage square = filled(TemplateWidth, TemplateHeight, qRgb(1, 2, 3));
        for (int n : {0, 12, 34, 37, -4})  // no square, card squares, numbers off the board
            QVERIFY(!PlaceSquareEdit(s, n, square, {"X", "Y", "Z"}));
        QVERIFY(!PasteDeedEdit(s, 17, filled(DeedWidth, DeedHeight, qRgb(1, 2, 3)), PastedDeed{}));  // a tax: no deed
        QVERIFY(!PasteDeedEdit(s, 21, filled(10, 10, qRgb(1, 2, 3)), PastedDeed{}));  // not a deed picture
        SaveCardTextEdit(s, 1, 4, s.project.KansDeck[4]);  // the text it already has
        SaveCardTextEdit(s, 3, 4, "Geen stapel");
        { EditVisit unchanged = VisitSettings(s); }
        QVERIFY(lookOf(s) == before);
        QCOMPARE(d.history.stack().count(), 0);
        QVERIFY(!s.UnsavedChanges);
    }

    void openingOrStartingADesignBeginsANewHistory()
    {
        Design d;
        Algemeen &s = d.state;
        QVERIFY(PlaceSquareEdit(s, 21, filled(TemplateWidth, TemplateHeight, qRgb(200, 0, 0)), {"Opgeslagen", "", ""}));
        QVERIFY(WriteProjectFiles(s, "P"));
        const Look saved = lookOf(s);
        QVERIFY(PlaceSquareEdit(s, 24, filled(TemplateWidth, TemplateHeight, qRgb(0, 200, 0)), {"Later", "", ""}));
        QVERIFY(s.UnsavedChanges);

        QVERIFY(LoadProjectInto(s, "P").loaded);
        QVERIFY(lookOf(s) == saved);
        QCOMPARE(d.history.stack().count(), 0);
        QVERIFY(!s.UnsavedChanges);

        NewDesign(s);
        QCOMPARE(s.pictures.Speelbord, LoadPicture(s.dataPath("Data-1.vgx")));
        QCOMPARE(s.project.Board[21].Street, Design().state.project.Board[21].Street);
        QVERIFY(s.project.ProjectName.isEmpty());
        QCOMPARE(d.history.stack().count(), 0);
        QVERIFY(!s.UnsavedChanges);
    }
};

QTEST_MAIN(TestEdits)
#include "test_edits.moc"
