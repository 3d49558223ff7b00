// The whole town at once: the squares table, the spreadsheet file in and out, everything placed
// and every deed made in one step, and what the main window shows of how far each square is.
#include "files/projectfiles.h"
#include "files/recordfile.h"
#include "design/startup.h"
#include "windows/textguard.h"
#include "design/undocommands.h"
#include "drawing/deedsheet.h"
#include "windows/eigendomform.h"
#include "design/edits.h"
#include "design/townedits.h"
#include "files/drawingfile.h"
#include "files/squaretable.h"
#include "printing/sharpdesign.h"
#include "testwindow.h"
#include "windows/squaretableform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
const QString Euro = QString(QChar(0x20AC));

// A town of our own: a street, a station, a utility and a tax changed, one name with a ';'.
std::vector<SquareRow> ownTown()
{
    return {{1, {"Markt; Oost", QString::fromUtf8("Zwolle-Zuïd"), Euro + " 230,-"}},
            {3, {QString::fromUtf8("Café Straat"), "Zwolle", Euro + " 240,-"}},
            {5, {"Station Zwolle", "", Euro + " 210,-"}},
            {8, {"", "", Euro + " 160,-"}},
            {17, {"", "", Euro + " 90,-"}},
            {36, {"Thorbeckegracht", "Zwolle", "500"}}};
}

// The design's pictures, texts and drawing record, everything placing and pasting change.
struct DesignSnapshot {
    QImage board, deeds;
    std::array<BoardSquare, SquareSlots> texts;
    QByteArray drawing;
    explicit DesignSnapshot(const Algemeen &s)
        : board(s.pictures.Speelbord), deeds(s.pictures.EigenDomsPic), texts(s.project.Board),
          drawing(DrawingFileBytes(s.drawing))
    {
    }
    bool operator==(const DesignSnapshot &o) const
    {
        for (int n = 0; n < SquareSlots; ++n)
            if (!(SquareRow{n, texts[n]} == SquareRow{n, o.texts[n]}))
                return false;
        return board == o.board && deeds == o.deeds && drawing == o.drawing;
    }
};

int runProgram(const QString &exe, const QStringList &args, QByteArray *errors = nullptr)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    p.setProcessEnvironment(env);
    p.start(exe, args);
    p.waitForFinished(120000);
    if (errors)
        *errors = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
}

class TestTown : public QObject
{
    Q_OBJECT

private slots:
    // Written, read back and written again: the same bytes; a spreadsheet's own way of saving
    // (Windows-1252, ',' between fields, quoted amounts, LF) reads as the same rows.
    void roundTrip()
    {
        Algemeen state;
        LoadDefaultContent(state);
        ApplySquareRows(state.project, ownTown());
        const QByteArray bytes = SquareTableFileBytes(state.project);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFNummer;Soort;Straatnaam;Plaats;Huur Onbebouwd\r\n"));
        QVERIFY(bytes.contains("\r\n1;straat;\"Markt; Oost\";Zwolle-Zu\xC3\xAF" "d;\xE2\x82\xAC 230,-\r\n"));
        QVERIFY(bytes.contains("\r\n2;kaartvak;;;\r\n"));

        const SquareTableRead read = ReadSquareTable(bytes);
        QVERIFY2(read.refused.isEmpty(), qPrintable(read.refused.join('\n')));
        QCOMPARE(int(read.rows.size()), 30);
        Algemeen other;
        ApplySquareRows(other.project, read.rows);
        QCOMPARE(SquareTableFileBytes(other.project), bytes);

        QByteArray spreadsheet = "Nummer,Soort,Straatnaam,Plaats,Huur Onbebouwd\n";
        for (const SquareRow &r : ownTown())
            spreadsheet += QByteArray::number(r.number) + ",x," + *EncodeWindows1252(r.texts.Street) + ","
                               + *EncodeWindows1252(r.texts.City) + ",\"" + *EncodeWindows1252(r.texts.Amount) + "\"\n";
        const SquareTableRead own = ReadSquareTable(spreadsheet);
        QVERIFY2(own.refused.isEmpty(), qPrintable(own.refused.join('\n')));
        QVERIFY(own.rows == ownTown());

        // The editor takes any amount; a table written from such a design reads back into it
        // without a word, while the same amount from elsewhere is refused.
        state.project.Board[4].Amount = "gratis";
        state.project.Board[6].Amount.clear();
        const QByteArray odd = SquareTableFileBytes(state.project);
        const SquareTableRead back = ReadSquareTable(odd, &state.project);
        QVERIFY(back.refused.isEmpty() && back.rows.empty());
        QCOMPARE(ReadSquareTable(odd, &other.project).refused.size(), 2);
    }

    // Whatever a file holds, what cannot be taken is listed and, when the user says no, nothing
    // reaches the design.
    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("said");
        const QByteArray header = "Nummer;Soort;Straatnaam;Plaats;Huur Onbebouwd\r\n";
        const QByteArray good = "3;straat;Nieuw;Stad;\xE2\x82\xAC 300,-\r\n";
        QTest::newRow("tabs") << QByteArray("Nummer\tStraatnaam\tPlaats\tHuur Onbebouwd\n3\tA\tB\t5\n") << true << "geen kolom";
        QTest::newRow("byte order mark alone") << QByteArray("\xEF\xBB\xBF") << true << "leeg";
        QByteArray many = header;
        for (int i = 0; i < 10000; ++i)
            many += good;
        QTest::newRow("10,000 rows") << many << true << "meer dan 1000 regels";
        QTest::newRow("10 MB cell") << header + "3;straat;" + QByteArray(10 * 1024 * 1024, 'x') + ";B;5\r\n" << true << "groter dan";
        QTest::newRow("long cell") << header + "3;straat;" + QByteArray(5000, 'x') + ";B;5\r\n" << true << "langer dan 1000";
        QTest::newRow("binary") << header + QByteArray("\x00\x01\xFF\xFE", 4) + good << true << "geen tekstbestand";
        QTest::newRow("open quote") << header + "3;straat;\"Nieuw;Stad;5\r\n" << true << "niet gesloten";
        QTest::newRow("unknown square") << header + good + "37;straat;A;B;5\r\n" << false << "geen vaknummer";
        QTest::newRow("card square") << header + good + "2;kaartvak;A;;5\r\n" << false << "geen Straatnaam";
        QTest::newRow("station city") << header + good + "5;station;A;B;5\r\n" << false << "geen Plaats";
        QTest::newRow("double quote") << header + good + "4;straat;\"A \"\"B\"\"\";C;5\r\n" << false << "aanhalingsteken";
        QTest::newRow("not Windows-1252") << header + good + "4;straat;\xE2\x9C\x93;C;5\r\n" << false << "niet in een project";
        QTest::newRow("no amount") << header + good + "4;straat;A;C;gratis\r\n" << false << "geen bedrag";
        QTest::newRow("separator in amount") << QByteArray("Nummer,Straatnaam,Plaats,Huur Onbebouwd\n4,A,B,\xE2\x82\xAC 220,-\n3,N,S,300\n") << false << "5 velden";
        QTest::newRow("twice") << header + good + good << false << "al eerder";
    }
    void hostileFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, whole);
        QFETCH(QString, said);
        const SquareTableRead read = ReadSquareTable(bytes);
        QCOMPARE(read.wholeFileRefused, whole);
        QVERIFY2(read.refused.join('\n').contains(said), qPrintable(read.refused.join('\n')));
        QCOMPARE(read.rows.empty(), whole);

        // Through the window: the refusals shown, the user says no, nothing applied.
        TestWindow w;
        writeAll(w.folder.path("tabel.csv"), bytes);
        const DesignSnapshot before(w.state);
        SquareTableForm form(w.state, w.dialogs, w.main.get());
        w.dialogs.fileAnswers.push_back(w.folder.path("tabel.csv"));
        w.dialogs.yesNoAnswers.push_back(false);
        form.importTable();
        QVERIFY(!w.dialogs.asked.isEmpty() && w.dialogs.asked.last().contains(said));
        QVERIFY(DesignSnapshot(w.state) == before);
        QCOMPARE(w.main->history().stack().count(), 0);
    }

    // The table edits the texts the square editor edits, refuses what it refuses and warns
    // where it warns.
    void tableIsTheEditorsState()
    {
        TestWindow w;
        SquareTableForm form(w.state, w.dialogs, w.main.get());
        SquareTableModel &model = *form.model();
        QVERIFY(!(model.flags(model.index(1, SquareTableModel::StreetColumn)) & Qt::ItemIsEditable));  // card square
        QVERIFY(!(model.flags(model.index(4, SquareTableModel::CityColumn)) & Qt::ItemIsEditable));    // station
        QVERIFY(model.setData(model.index(2, SquareTableModel::StreetColumn), "Voorstraat"));
        QCOMPARE(w.state.project.Board[3].Street, QString("Voorstraat"));
        QVERIFY(!model.setData(model.index(2, SquareTableModel::CityColumn), "Den \"Bosch\""));
        QCOMPARE(w.state.project.Board[3].City, QString("Groningen"));
        QCOMPARE(model.refusal(), UnstorableCharacterMessage(u'"'));
        QCOMPARE(w.main->history().stack().count(), 1);

        const QString longName = "Burgemeester van Roijensingel Noord";
        QVERIFY(model.setData(model.index(2, SquareTableModel::CityColumn), longName));
        QCOMPARE(model.data(model.index(2, SquareTableModel::CityColumn), Qt::ToolTipRole).toString(),
                 QString("Te lang: wordt afgekapt"));
        w.main->EditSquare(3);
        QCOMPARE(w.main->Text1->text(), QString("Voorstraat"));
        QCOMPARE(w.main->Text2->text(), longName);
        QVERIFY(!w.main->TeLangLabel[1]->isHidden());
        QVERIFY(model.data(model.index(2, SquareTableModel::StreetColumn), Qt::ToolTipRole).isNull());
        QVERIFY(w.main->TeLangLabel[0]->isHidden());
    }

    // "Alles plaatsen" gives what placing and pasting square by square gives, to the pixel and
    // the record, and is undone and done again in one step.
    void placeAllEqualsPerSquare()
    {
        TestWindow byHand;
        for (Algemeen *s : {&byHand.state})
            s->RentFactors[3] = 7;
        for (const SquareRow &r : ownTown()) {
            byHand.main->EditSquare(r.number);
            if (byHand.main->Text1->isEnabled())
                byHand.main->Text1->setText(r.texts.Street);
            if (byHand.main->Text2->isEnabled())
                byHand.main->Text2->setText(r.texts.City);
            byHand.main->Combo1->setEditText(r.texts.Amount);
            byHand.main->SaveKnop->click();
        }
        for (int n = 1; n <= 36; ++n) {
            if (!DeedSheetSlot(n))
                continue;
            byHand.main->EditSquare(n);
            const bool utility = n == 8 || n == 29;
            EigendomForm form(byHand.state, byHand.main->Text1->text(), byHand.main->Text2->text(),
                              byHand.main->Combo1->currentText(), utility ? byHand.state.pictures.ImagePic : QImage());
            QTimer::singleShot(0, &form, &EigendomForm::reject);  // no need to watch the sweep
            form.pasteDeed();
        }

        TestWindow atOnce;
        atOnce.state.RentFactors[3] = 7;
        const DesignSnapshot before(atOnce.state);
        QVERIFY(SetSquareTexts(atOnce.state, ownTown(), "vakjes importeren"));
        const DesignSnapshot imported(atOnce.state);
        const TownResult result = PlaceAllAndMakeDeeds(atOnce.state);
        QCOMPARE(result.squares, 6);
        QCOMPARE(result.deeds, 28);  // the factor is in every deed's record
        QVERIFY(DesignSnapshot(atOnce.state) == DesignSnapshot(byHand.state));
        const DesignSnapshot after(atOnce.state);
        // Every square and deed prints sharp: its drawing gives exactly its pixels.
        int squareParts = 0;  // the artwork's own parts left out
        for (const SharpPart &part : SharpBoard(atOnce.state).parts)
            for (int n = 1; n <= 36; ++n)
                squareParts += IsComposableSquare(n) && part.area.topLeft() == DefaultSquarePosition(n) ? 1 : 0;
        QCOMPARE(squareParts, 30);
        QCOMPARE(int(SharpDeedSheet(atOnce.state).parts.size()), 28 + 13);  // and the gaps
        for (int n = 1; n <= 36; ++n)
            QVERIFY2(ProgressOfSquare(atOnce.state, n).done(), qPrintable(QString::number(n)));

        QUndoStack &stack = atOnce.main->history().stack();
        QCOMPARE(stack.count(), 2);
        atOnce.main->UndoAction->trigger();
        QVERIFY(DesignSnapshot(atOnce.state) == imported);
        atOnce.main->RedoAction->trigger();
        QVERIFY(DesignSnapshot(atOnce.state) == after);
        const TownResult again = PlaceAllAndMakeDeeds(atOnce.state);  // nothing left to do
        QCOMPARE(again.squares + again.deeds, 0);
        QCOMPARE(stack.count(), 2);
        atOnce.main->UndoAction->trigger();
        atOnce.main->UndoAction->trigger();
        QVERIFY(DesignSnapshot(atOnce.state) == before);
    }

    // A changed factor and a changed street: the deeds that no longer match are shown so, on the
    // overview too, and "Eigendomsbewijzen bijwerken" makes them again in one step.
    void outOfDateDeeds()
    {
        TestWindow w;
        Algemeen &s = w.state;
        for (int n = 1; n <= 36; ++n)
            QVERIFY(ProgressOfSquare(s, n).done());
        s.RentFactors[3] += 1;        // a street factor
        SetSquareTexts(s, {{6, {"Nieuwe Spui", "'S-Gravenhage", Euro + " 260,-"}}}, "vakje 6 wijzigen");
        w.main->EditSquare(6);
        int streets = 0;
        for (int n = 1; n <= 36; ++n) {
            const SquareProgress p = ProgressOfSquare(s, n);
            QVERIFY2(p.placed == (p.placeable && n != 6), qPrintable(QString::number(n)));
            if (IsStreet(n)) {
                ++streets;
                const QStringList expected = n == 6 ? QStringList{"teksten", "factoren"} : QStringList{"factoren"};
                QCOMPARE(p.deedDiffers, expected);
            } else {
                QVERIFY2(p.deedDiffers.isEmpty(), qPrintable(QString::number(n)));  // stations and utilities
            }
        }
        QCOMPARE(streets, 22);
        QCOMPARE(ProgressText(ProgressOfSquare(s, 6)),
                 QString("niet geplaatst, eigendomsbewijs verouderd (teksten, factoren)"));

        // On the overview, 5 pixels in from the top edge of the top row's squares, 5 either side
        // of their middle: square 6 framed, its square mark orange and its deed mark red;
        // square 5 (a station) green twice.
        w.main->show();
        const QImage overview = w.main->Pic->grab().toImage();
        const int top = OverviewHitRect(6).top / 15 + 5;
        const QPoint six(SquareCentre(6).x(), top), five(SquareCentre(5).x(), top);
        QVERIFY(near(overview.pixelColor(six + QPoint(-5, 0)), QColor(240, 140, 0)));
        QVERIFY(near(overview.pixelColor(six + QPoint(5, 0)), QColor(210, 0, 0)));
        QVERIFY(near(overview.pixelColor(five + QPoint(-5, 0)), QColor(0, 150, 0)));
        QVERIFY(near(overview.pixelColor(five + QPoint(5, 0)), QColor(0, 150, 0)));
        const QRect frame = QRect(QPoint(OverviewHitRect(6).left / 15, OverviewHitRect(6).top / 15), QSize(3, 3));
        QVERIFY(near(overview.pixelColor(frame.topLeft() + QPoint(2, 10)), QColor(0, 70, 220)));

        const DesignSnapshot before(s);
        w.main->updateAllDeeds();
        for (int n = 1; n <= 36; ++n)
            QVERIFY(ProgressOfSquare(s, n).deedDiffers.isEmpty());
        QVERIFY(!ProgressOfSquare(s, 6).placed);
        w.main->UndoAction->trigger();
        QVERIFY(DesignSnapshot(s) == before);
    }

    // From the command line: the table out, a town in, placed, made and saved; a refused file
    // saves nothing and says why.
    void commandLine()
    {
        ProgramFolder installation;
        const QString exe = installation.path("vastgoed-atelier");
        QFile::copy(qEnvironmentVariable("VASTGOED_EXE"), exe);
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(runProgram(exe, {"--export-csv", installation.path("standaard.csv")}), 0);
        Algemeen defaults;
        LoadDefaultContent(defaults);
        QCOMPARE(readAll(installation.path("standaard.csv")), SquareTableFileBytes(defaults.project));

        Algemeen town;
        LoadDefaultContent(town);
        ApplySquareRows(town.project, ownTown());
        writeAll(installation.path("zwolle.csv"), SquareTableFileBytes(town.project));
        QCOMPARE(runProgram(exe, {"--import-csv", installation.path("zwolle.csv"), "--project", "Zwolle"}), 0);
        Algemeen saved;
        saved.Paths = installation.path();
        LoadStartState(saved);
        QVERIFY(LoadProjectInto(saved, "Zwolle").loaded);
        QCOMPARE(SquareTableFileBytes(saved.project), SquareTableFileBytes(town.project));
        for (int n = 1; n <= 36; ++n)
            QVERIFY2(ProgressOfSquare(saved, n).done(), qPrintable(QString::number(n)));
        QCOMPARE(runProgram(exe, {"--export-csv", installation.path("terug.csv"), "--project", "Zwolle"}), 0);
        QCOMPARE(readAll(installation.path("terug.csv")), readAll(installation.path("zwolle.csv")));

        writeAll(installation.path("fout.csv"), readAll(installation.path("zwolle.csv")) + "40;straat;A;B;5\r\n");
        QByteArray errors;
        QCOMPARE(runProgram(exe, {"--import-csv", installation.path("fout.csv"), "--project", "Fout"}, &errors), 3);
        QVERIFY2(errors.contains("geen vaknummer"), errors.constData());
        QVERIFY(!ProjectExists(saved.Paths, "Fout"));
        QVERIFY(runProgram(exe, {"--import-csv", installation.path("zwolle.csv")}) != 0);  // no project named
    }
};

QTEST_MAIN(TestTown)
#include "test_town.moc"
