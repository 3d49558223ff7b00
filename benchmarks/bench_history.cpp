// The history and the recovery copy as the user meets them: undo and redo of a placement in the
// main window, the longest the window stands still while copies of the design are written, and
// the memory of a long history.

#include "model/algemeen.h"
#include "windows/mainwindow.h"
#include "design/recovery.h"
#include "design/undocommands.h"
#include "model/boardrules.h"
#include "benchfolder.h"
#include "scripteddialogs.h"
#include "testwindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

namespace {
struct Window {
    BenchProgramFolder folder;
    Algemeen state;
    ScriptedDialogs dialogs;
    std::unique_ptr<Main> main;
    Window()
    {
        state.Paths = folder.path();
        main = std::make_unique<Main>(state, dialogs);
        main->show();
        QTest::qWait(50);
    }
    // Chooses square n on the overview, names it and places it.
    void place(int n, const QString &street)
    {
        QTest::mouseClick(main->Pic, Qt::LeftButton, {}, SquareCentre(n));
        main->Text1->setText(street);
        main->SaveKnop->click();
    }
};

const QList<int> &streets()
{
    static const QList<int> list = [] {
        QList<int> l;
        for (int n = 1; n < SquareSlots; ++n)
            if (IsStreet(n))
                l << n;
        return l;
    }();
    return list;
}

double medianMs(QList<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}
}

class BenchHistory : public QObject
{
    Q_OBJECT
private slots:
    void undoPlacement_data();
    void undoPlacement();
    void windowStandsStillWhileCopying();
    void memoryOf200Steps();
};

void BenchHistory::undoPlacement_data()
{
    QTest::addColumn<bool>("redo");
    QTest::newRow("undo") << false;
    QTest::newRow("redo") << true;
}

void BenchHistory::undoPlacement()
{
    QFETCH(bool, redo);
    Window w;
    w.place(21, QStringLiteral("Nieuwe Brink"));
    QList<qint64> times;
    QElapsedTimer clock;
    for (int i = 0; i < 101; ++i) {
        clock.start();
        w.main->UndoAction->trigger();
        const qint64 undo = clock.nsecsElapsed();
        clock.start();
        w.main->RedoAction->trigger();
        times << (redo ? clock.nsecsElapsed() : undo);
    }
    qInfo("median %.3f ms", medianMs(times));
    QTest::setBenchmarkResult(medianMs(times), QTest::WalltimeMilliseconds);
}

// Twenty placements, each followed by the copy of the design being written; every step of the
// event loop in between is timed, and the placements too. The figure is the longest of them all.
void BenchHistory::windowStandsStillWhileCopying()
{
    Window w;
    w.main->recovery()->setInterval(0);
    qint64 longest = 0;
    QElapsedTimer clock;
    for (int i = 0; i < 20; ++i) {
        clock.start();
        w.place(streets()[i % streets().size()], QStringLiteral("Straat %1").arg(i));
        longest = qMax(longest, clock.nsecsElapsed());
        QElapsedTimer waited;
        waited.start();
        do {
            clock.start();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            longest = qMax(longest, clock.nsecsElapsed());
        } while (!w.main->recovery()->idle() && waited.elapsed() < 10000);
        QVERIFY(w.main->recovery()->idle());
    }
    qInfo("longest %.3f ms", longest / 1e6);
    QTest::setBenchmarkResult(longest / 1e6, QTest::WalltimeMilliseconds);
}

void BenchHistory::memoryOf200Steps()
{
    Window w;
    for (int i = 0; i < 200; ++i)
        w.place(streets()[i % streets().size()], QStringLiteral("Straat %1").arg(i));
    QCOMPARE(w.main->history().stack().count(), 200);
    QTest::setBenchmarkResult(double(w.main->history().bytes()), QTest::BytesAllocated);
}

QTEST_MAIN(BenchHistory)
#include "bench_history.moc"
