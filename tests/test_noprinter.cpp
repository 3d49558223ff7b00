// Runs with no print server reachable: the system then lists no printer.
#include "app/mainwindow.h"
#include "platform/printers.h"
#include "scripteddialogs.h"

#include <QAction>
#include <QtTest>

class TestNoPrinter : public QObject
{
    Q_OBJECT
private slots:
    void deedPrintSaysThereIsNoPrinter();
};

void TestNoPrinter::deedPrintSaysThereIsNoPrinter()
{
    QTemporaryDir folder;
    Algemeen state;
    state.ProgramFolder = folder.path();
    ScriptedDialogs dialogs;
    Main w(state, dialogs);
    QVERIFY(w.printers().installedPrinters().isEmpty());
    QVERIFY(!w.printers().currentIsUsable());
    const QImage before = state.pictures.EigenDomsPic;
    dialogs.yesNoAnswers = {true};
    w.menuAction("Bestand/Afdrukken/Eigendomsbewijzen")->trigger();
    QCOMPARE(dialogs.asked, (QStringList{"Print|Print 28 Eigendomsbewijzen op 3 pagina's (A4)",
                                         " Error|Geen printer aanwezig of offline"}));
    QCOMPARE(state.pictures.EigenDomsPic, before);  // printing never changes the design
}

QTEST_MAIN(TestNoPrinter)
#include "test_noprinter.moc"
