// The main window: start-up to a shown window, and one keystroke in the square editor as the
// user sees it (the preview redrawn and repainted).

#include "model/algemeen.h"
#include "windows/mainwindow.h"
#include "model/boardrules.h"
#include "benchfolder.h"
#include "scripteddialogs.h"
#include "dialogs/printers.h"
#include "printing/printerpage.h"
#include "printing/printrun.h"
#include "windows/printallform.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSignalSpy>
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
    void printAllPreview();
    void printAllKeepsAnswering();
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

// "Alles afdrukken", preview: Qt's preview draws every sheet before it shows the first, so the
// time to the first page is the time to draw them all (24 sheets with fold-over backs).
void BenchWindow::printAllPreview()
{
    BenchProgramFolder folder;
    Algemeen state;
    state.Paths = folder.path();
    ScriptedDialogs dialogs;
    Main w(state, dialogs);
    PrintAllForm form(state, dialogs, w.printers(), &w);
    QBENCHMARK {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPrintPreviewWidget preview(&printer);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &form, &PrintAllForm::paintPreview);
        preview.updatePreview();
        QVERIFY(preview.pageCount() >= 24);
    }
}

// "Alles afdrukken" as PDF files at 300 dpi: the longest time the window's event loop waits
// between two turns while the print runs beside it (reported as the figure), and the whole print.
void BenchWindow::printAllKeepsAnswering()
{
    BenchProgramFolder folder;
    Algemeen state;
    state.Paths = folder.path();
    ScriptedDialogs dialogs;
    Main w(state, dialogs);
    PrintAllForm form(state, dialogs, w.printers(), &w);
    QTemporaryDir out;
    dialogs.folderAnswers = {out.path()};
    QSignalSpy done(&form, &PrintAllForm::done);
    QElapsedTimer whole, turn;
    whole.start();
    QVERIFY(form.print());
    qint64 longest = whole.elapsed();  // the start itself, on the window's thread
    turn.start();
    while (done.isEmpty()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        longest = qMax(longest, turn.restart());
    }
    qInfo("whole print %lld ms, longest wait of the window %lld ms", whole.elapsed(), longest);
    QTest::setBenchmarkResult(double(longest), QTest::WalltimeMilliseconds);
}

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
