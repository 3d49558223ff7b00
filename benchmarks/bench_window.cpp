// The main window: start-up to a shown window, and one keystroke in the square editor as the
// user sees it (the preview redrawn and repainted).

#include "model/algemeen.h"
#include "windows/mainwindow.h"
#include "model/boardrules.h"
#include "benchfolder.h"
#include "scripteddialogs.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>

namespace {
// Processes events until the window is on screen (no fixed sleeps, unlike qWaitForWindowExposed).
bool showAndWait(QWidget &w)
{
    w.show();
    QElapsedTimer waited;
    waited.start();
    while (!(w.windowHandle() && w.windowHandle()->isExposed())) {
        QCoreApplication::processEvents();
        if (waited.elapsed() > 5000)
            return false;
    }
    QCoreApplication::processEvents();  // the first paint
    return true;
}
}

class BenchWindow : public QObject
{
    Q_OBJECT
private slots:
    void startUpFirstInProcess();
    void startUp();
    void keystrokeInEditor();
};

// The first start in a process pays for loading fonts and plug-ins as a user's start does;
// it runs once and is reported as a single figure.
void BenchWindow::startUpFirstInProcess()
{
    BenchProgramFolder folder;
    QElapsedTimer clock;
    clock.start();
    Algemeen state;
    state.Paths = folder.path();
    ScriptedDialogs dialogs;
    Main w(state, dialogs);
    QVERIFY(showAndWait(w));
    const qint64 ns = clock.nsecsElapsed();
    QTest::setBenchmarkResult(ns / 1e6, QTest::WalltimeMilliseconds);
}

void BenchWindow::startUp()
{
    BenchProgramFolder folder;
    QBENCHMARK {
        Algemeen state;
        state.Paths = folder.path();
        ScriptedDialogs dialogs;
        Main w(state, dialogs);
        QVERIFY(showAndWait(w));
    }
}

void BenchWindow::keystrokeInEditor()
{
    BenchProgramFolder folder;
    Algemeen state;
    state.Paths = folder.path();
    ScriptedDialogs dialogs;
    Main w(state, dialogs);
    QVERIFY(showAndWait(w));
    const HitRect hit = OverviewHitRect(21);
    w.SelectSquare(Qt::LeftButton, QPoint((hit.left + hit.right) / 30, (hit.top + hit.bottom) / 30));
    QCOMPARE(state.CurrentSquare, 21);
    w.Text1->setFocus();
    bool grow = true;
    QBENCHMARK {
        // Alternately one letter more and one less, so the name stays short.
        if (grow)
            QTest::keyClick(w.Text1, Qt::Key_K);
        else
            QTest::keyClick(w.Text1, Qt::Key_Backspace);
        grow = !grow;
        QCoreApplication::processEvents();  // the preview's repaint
    }
}

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
