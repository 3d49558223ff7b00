// The whole town at once, as the user meets it in the main window: every square placed and every
// deed pasted in one step ("Alles plaatsen en eigendomsbewijzen maken"), and one undo of it.

#include "model/algemeen.h"
#include "windows/mainwindow.h"
#include "design/undocommands.h"
#include "benchfolder.h"
#include "design/townedits.h"
#include "scripteddialogs.h"

#include <QAction>
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>

namespace {
double medianMs(QList<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}
}

class BenchTown : public QObject
{
    Q_OBJECT
private slots:
    void placeAllAndUndo_data()
    {
        QTest::addColumn<bool>("undo");
        QTest::newRow("place 30 squares + paste 28 deeds") << false;
        QTest::newRow("one undo of it") << true;
    }
    void placeAllAndUndo()
    {
        QFETCH(bool, undo);
        BenchProgramFolder folder;
        Algemeen state;
        state.Paths = folder.path();
        ScriptedDialogs dialogs;
        Main main(state, dialogs);
        main.show();
        QTest::qWait(50);
        QList<qint64> times;
        QElapsedTimer clock;
        for (int i = 0; i < 21; ++i) {
            // Every square renamed, so that every one is placed anew.
            std::vector<SquareRow> rows;
            for (int n = 1; n <= 36; ++n) {
                BoardSquare s = state.project.Board[n];
                if (!FieldsOfSquare(n).amount)
                    continue;
                if (FieldsOfSquare(n).street)
                    s.Street = QStringLiteral("Straat %1-%2").arg(n).arg(i);
                s.Amount = QStringLiteral("\u20AC %1,-").arg(100 + 10 * i);
                rows.push_back({n, s});
            }
            SetSquareTexts(state, rows, QStringLiteral("vakjes"));
            clock.start();
            main.placeEverything();
            const qint64 placing = clock.nsecsElapsed();
            clock.start();
            main.UndoAction->trigger();
            const qint64 undoing = clock.nsecsElapsed();
            main.RedoAction->trigger();
            times << (undo ? undoing : placing);
        }
        qInfo("median %.3f ms", medianMs(times));
        QTest::setBenchmarkResult(medianMs(times), QTest::WalltimeMilliseconds);
    }
};

QTEST_MAIN(BenchTown)
#include "bench_town.moc"
