// Undo and redo of every change to the design, and the copy of an unsaved design that a program
// killed in the middle of its work leaves for the next start.

#include "app/recovery.h"
#include "app/undocommands.h"
#include "cards/kansform.h"
#include "deeds/eigendomform.h"
#include "printing/sharpdesign.h"
#include "testwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <cstdio>

namespace {
// Everything a change can touch, to compare the design before and after.
struct Snapshot {
    QImage board, deeds;
    QStringList texts;
    QByteArray drawing;
    quint8 station;
    RgbColour colour;
    std::array<qint32, FactorSlots> factors;
    explicit Snapshot(const Algemeen &s)
        : board(s.pictures.Speelbord), deeds(s.pictures.EigenDomsPic),
          drawing(DrawingFileBytes(s.drawing)), station(s.project.StationImage),
          colour(s.WindowColour), factors(s.RentFactors)
    {
        for (const BoardSquare &b : s.project.Board)
            texts << b.Street << b.City << b.Amount;
        for (const QString &card : s.project.KansDeck)
            texts << card;
        for (const QString &card : s.project.FondsDeck)
            texts << card;
    }
    bool operator==(const Snapshot &o) const
    {
        return board == o.board && deeds == o.deeds && texts == o.texts && drawing == o.drawing
               && station == o.station && colour == o.colour && factors == o.factors;
    }
};

// Renames square 21 through the editor and places it, as a user clicks.
void placeStreet(Main &m, const QString &street)
{
    m.show();
    QTest::mouseClick(m.Pic, Qt::LeftButton, {}, SquareCentre(21));
    m.Text1->setText(street);
    QTest::mouseClick(m.SaveKnop, Qt::LeftButton);
}

QStringList sessions(const QString &recovery)
{
    return QDir(recovery).entryList({"sessie-*"}, QDir::Dirs | QDir::NoDotAndDotDot);
}

// The program's part in the crash test: a window in `folder` places square 21, waits until the
// copy is on disk, says so and waits to be killed.
int runChild(const QString &folder)
{
    WindowIn w(folder);
    Main &m = *w.main;
    m.recovery()->setInterval(0);
    placeStreet(m, "Hersteld");
    while (!m.recovery()->idle())
        QTest::qWait(20);
    std::printf("klaar\n");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

struct Child {
    QProcess process;
    explicit Child(const QString &folder)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VASTGOED_TEST_CHILD", folder);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {});
    }
    bool ready() { return process.waitForReadyRead(60000) && process.readAll().contains("klaar"); }
    void kill()
    {
        process.kill();  // SIGKILL: nothing is cleaned up
        process.waitForFinished();
    }
    ~Child()
    {
        if (process.state() != QProcess::NotRunning)
            kill();
    }
};
}

class TestHistory : public QObject
{
    Q_OBJECT
private slots:
    void everyKindOfChangeUndoesAndRedoes()
    {
        TestWindow w;
        Main &m = *w.main;
        Algemeen &s = w.state;
        m.show();
        QList<Snapshot> states{Snapshot(s)};
        QStringList names;

        placeStreet(m, "Nieuwe Brink");
        states << Snapshot(s);
        names << m.UndoAction->text();
        // Only the square's area is kept, not the whole board.
        QVERIFY(m.history().bytes() < s.pictures.Speelbord.sizeInBytes() / 50);

        {
            EigendomForm deed(s, s.project.Board[21].Street, s.project.Board[21].City, s.project.Board[21].Amount);
            deed.show();
            QTest::mouseClick(deed.SaveKnop, Qt::LeftButton);  // returns when the sweep is over
        }
        states << Snapshot(s);
        names << m.UndoAction->text();

        {
            SystemPrinters printers;
            s.ActiveSubject = 2;
            KansForm cards(s, w.dialogs, printers);
            cards.HScroll->setValue(3);
            cards.Text2->setText("Een nieuwe kaart/met twee regels");
            QTest::mouseClick(cards.SaveKnop, Qt::LeftButton);
        }
        states << Snapshot(s);
        names << m.UndoAction->text();

        auto station = std::make_unique<SettingsStep>(s);
        s.project.StationImage = 7;
        RecordStep(s, std::move(station));
        states << Snapshot(s);
        names << m.UndoAction->text();

        auto factors = std::make_unique<RentFactorsStep>(s);
        s.RentFactors[2] += 5;
        RecordStep(s, std::move(factors));
        states << Snapshot(s);
        names << m.UndoAction->text();

        QCOMPARE(names, (QStringList{"Ongedaan maken: vakje 21 plaatsen", "Ongedaan maken: eigendomsbewijs 21 plaatsen",
                                     "Ongedaan maken: Algemeen Fonds-kaart 3 opslaan",
                                     "Ongedaan maken: stationsafbeelding kiezen",
                                     "Ongedaan maken: vermenigvuldigingsfactoren wijzigen"}));
        for (int i = states.size() - 2; i >= 0; --i) {
            m.UndoAction->trigger();
            QVERIFY2(Snapshot(s) == states[i], qPrintable(QString("after undoing to state %1").arg(i)));
        }
        QVERIFY(!m.UndoAction->isEnabled());
        QVERIFY(!s.UnsavedChanges);
        QCOMPARE(m.RedoAction->text(), QString("Opnieuw: vakje 21 plaatsen"));
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        for (int i = 1; i < states.size(); ++i) {
            QTest::keyClick(&m, Qt::Key_Y, Qt::ControlModifier);
            QVERIFY2(Snapshot(s) == states[i], qPrintable(QString("after redoing to state %1").arg(i)));
        }
        QVERIFY(s.UnsavedChanges);
        // The editor shows the square as it now is.
        for (int i = 0; i < 4; ++i)
            m.UndoAction->trigger();
        QCOMPARE(m.Text1->text(), QString("Nieuwe Brink"));
        m.UndoAction->trigger();
        QCOMPARE(m.Text1->text(), states[0].texts[21 * 3]);
    }

    void unsavedFollowsTheHistory()
    {
        TestWindow w;
        Main &m = *w.main;
        m.AnimateSave = false;
        placeStreet(m, "Eerste");
        w.dialogs.textAnswers = {QString("Proef")};
        m.FileSave();
        QVERIFY(!w.state.UnsavedChanges);
        m.UndoAction->trigger();  // back before the save
        QVERIFY(w.state.UnsavedChanges);
        m.RedoAction->trigger();
        QVERIFY(!w.state.UnsavedChanges);

        // The window colour is a setting of the program, not of the design.
        auto colour = std::make_unique<SettingsStep>(w.state);
        w.state.WindowColour = RgbColour{1, 2, 3};
        RecordStep(w.state, std::move(colour));
        QCOMPARE(m.UndoAction->text(), QString("Ongedaan maken: vensterkleur wijzigen"));
        QVERIFY(!w.state.UnsavedChanges);

        // A new project starts a new history.
        m.FileNew();
        QVERIFY(!m.UndoAction->isEnabled());
        QVERIFY(!m.RedoAction->isEnabled());
        QVERIFY(!w.state.UnsavedChanges);
    }

    void aKilledProgramsDesignIsOffered()
    {
        ProgramFolder folder;
        const QString recovery = folder.path("Herstel");
        const QString question = "Er is een niet-opgeslagen ontwerp gevonden";

        // While the program runs, another one started beside it leaves its copy alone.
        Child first(folder.path());
        QVERIFY(first.ready());
        QCOMPARE(sessions(recovery).size(), 1);
        {
            WindowIn beside(folder.path());
            beside.main->OfferRecovery();
            QVERIFY(beside.dialogs.asked.filter(question).isEmpty());
            QCOMPARE(sessions(recovery).size(), 2);
        }
        QCOMPARE(sessions(recovery).size(), 1);

        // Killed, its copy is offered; Nee removes it.
        first.kill();
        {
            WindowIn next(folder.path());
            next.dialogs.yesNoAnswers = {false};
            next.main->OfferRecovery();
            QCOMPARE(next.dialogs.asked.filter(question).size(), 1);
            QVERIFY(next.state.project.Board[21].Street != "Hersteld");
            QCOMPARE(sessions(recovery).size(), 1);  // its own
        }
        QVERIFY(sessions(recovery).isEmpty());

        // Killed again, Ja brings the placement back, unsaved.
        Child second(folder.path());
        QVERIFY(second.ready());
        second.kill();
        TestWindow reference;
        placeStreet(*reference.main, "Hersteld");
        WindowIn next(folder.path());
        next.main->OfferRecovery();
        QCOMPARE(next.dialogs.asked.filter(question).size(), 1);
        QCOMPARE(next.state.project.Board[21].Street, QString("Hersteld"));
        QVERIFY(next.state.pictures.Speelbord == reference.state.pictures.Speelbord);
        QCOMPARE(DrawingFileBytes(next.state.drawing), DrawingFileBytes(reference.state.drawing));
        QVERIFY(next.state.UnsavedChanges);
        // The copy is now this program's own; nothing is left of the killed one's.
        QCOMPARE(sessions(recovery), QStringList{QFileInfo(next.main->recovery()->folder()).fileName()});
        next.main.reset();  // a normal close
        QVERIFY(sessions(recovery).isEmpty());
        QVERIFY(QDir(folder.path("Projecten")).isEmpty());
    }

    void aDamagedCopyIsSetAside()
    {
        ProgramFolder folder;
        const QString left = folder.path("Herstel/sessie-20260101-000000-000-1");
        QDir().mkpath(left + "/000001/Naamloos");
        writeAll(left + "/000001/Herstel.txt", "Vastgoed Atelier herstelkopie 1\nnaam=\nbestand=Naamloos\ntijd=\n");
        writeAll(left + "/000001/Naamloos.vgd", QByteArray(300, '\x01'));

        WindowIn next(folder.path());
        next.main->OfferRecovery();
        QCOMPARE(next.dialogs.asked.filter("kan niet worden hersteld").size(), 1);
        QVERIFY(next.dialogs.asked.filter("Er is een niet-opgeslagen").isEmpty());
        QVERIFY(!QFileInfo::exists(left));
        QVERIFY(QFileInfo(left + ".beschadigd/000001/Naamloos.vgd").isFile());
        QVERIFY(!next.state.UnsavedChanges);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString child = qEnvironmentVariable("VASTGOED_TEST_CHILD");
    if (!child.isEmpty())
        return runChild(child);
    TestHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_history.moc"
