// Runs with no print server reachable: the system then lists no printer.
#include "app/mainwindow.h"
#include "platform/printers.h"
#include "printing/aaprintpicture.h"
#include "printing/printspeelbord.h"
#include "scripteddialogs.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

class TestNoPrinter : public QObject
{
    Q_OBJECT
private slots:
    void deedPrintSaysThereIsNoPrinter();
    void boardWindowListsOnlyThePrompt();
    void printPictureControlFailsWithoutPrinter();
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

void TestNoPrinter::boardWindowListsOnlyThePrompt()
{
    Algemeen state;
    state.pictures.Speelbord = QImage(2180, 2180, QImage::Format_RGB32);
    state.pictures.Speelbord.fill(Qt::green);
    ScriptedDialogs dialogs;
    SystemPrinters printers;
    PrintSpeelbord form(state, dialogs, printers);
    QCOMPARE(form.CmbPrinter->count(), 1);
    QCOMPARE(form.CmbPrinter->itemText(0), QString("Printerkeuze"));
    form.show();
    QTest::mouseClick(form.PrintKnop, Qt::LeftButton);
    QTest::mouseClick(form.PrintKnop, Qt::LeftButton);
    QCOMPARE(dialogs.asked, (QStringList{"Vastgoed Atelier|Selecteer een printer uit de lijst!",
                                         "Vastgoed Atelier|Selecteer een printer uit de lijst!"}));
    QVERIFY(form.isVisible());
    QCOMPARE(form.AAPrintPicture1->jobsPrinted(), 0);
}

void TestNoPrinter::printPictureControlFailsWithoutPrinter()
{
    SystemPrinters printers;
    AAPrintPicture control(printers);
    control.setDefultPrinter("PDF");
    QVERIFY(!control.GetPrinterMargin());
    QVERIFY(control.GetPreview().isNull());
    QVERIFY(!control.PrintPicture());
    QCOMPARE(control.jobsPrinted(), 0);
}

QTEST_MAIN(TestNoPrinter)
#include "test_noprinter.moc"
