// Printing with no print server reachable: the system then lists no printer, and every printing
// path says so instead of printing elsewhere or changing the design.
#include "windows/geldform.h"
#include "windows/kansform.h"
#include "windows/aaprintpicture.h"
#include "windows/printspeelbord.h"
#include "testwindow.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TestNoPrinter : public QObject
{
    Q_OBJECT
private slots:
    void sheetPrintersSayThereIsNoPrinter_data()
    {
        QTest::addColumn<QString>("sheets");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("deeds") << "deeds" << QStringList{"Print|Print 28 Eigendomsbewijzen op 3 pagina's (A4)",
                                                         " Error|Geen printer aanwezig of offline"};
        QTest::newRow("cards") << "cards" << QStringList{" Print|Wilt u deze 16 kaarten nu afdrukken?",
                                                         " Error|Geen printer aanwezig of printer offline"};
        QTest::newRow("money") << "money" << QStringList{" Print|Wilt u dit speelgeld nu afdrukken?",
                                                         " Error|Geen printer aanwezig of offline"};
        QTest::newRow("board") << "board" << QStringList{"Vastgoed Atelier|Selecteer een printer uit de lijst!",
                                                         " Error|Geen printer aanwezig of offline"};
    }

    void sheetPrintersSayThereIsNoPrinter()
    {
        QFETCH(QString, sheets);
        QFETCH(QStringList, asked);
        DesignerSetup d;
        auto &[folder, state, dialogs, printers] = d;
        dialogs.yesNoAnswers = {true};
        QVERIFY(printers.installedPrinters().isEmpty());
        QVERIFY(!printers.currentIsUsable());
        const Project before = state.project;
        if (sheets == "deeds") {
            Main w(state, dialogs);
            const QImage sheet = state.pictures.EigenDomsPic;
            w.menuAction("Bestand/Afdrukken/Eigendomsbewijzen")->trigger();
            QCOMPARE(state.pictures.EigenDomsPic, sheet);
        } else if (sheets == "money") {
            GeldForm form(state, dialogs, printers);
            const QImage note = form.notePicture();
            form.PrintKnop->click();
            QCOMPARE(form.notePicture(), note);
        } else if (sheets == "board") {
            // The list holds only its prompt; a printer listed once but not installed now gets
            // nothing either.
            state.pictures.Speelbord = QImage(2180, 2180, QImage::Format_RGB32);
            PrintSpeelbord form(state, dialogs, printers);
            QCOMPARE(form.CmbPrinter->count(), 1);
            QCOMPARE(form.CmbPrinter->itemText(0), QString("Printerkeuze"));
            form.show();
            QTest::mouseClick(form.PrintKnop, Qt::LeftButton);
            form.CmbPrinter->addItem("Zolder");
            form.CmbPrinter->setCurrentIndex(1);
            QTest::mouseClick(form.PrintKnop, Qt::LeftButton);
            QVERIFY(form.isVisible());
            QCOMPARE(form.AAPrintPicture1->jobsPrinted(), 0);
        } else {
            KansForm form(state, dialogs, printers);
            form.cardPause = 0;
            form.HScroll->setValue(5);
            const QImage card = form.cardPicture();
            form.PrintKnop->click();
            QCOMPARE(form.HScroll->value(), 5);  // the designer stays on its card, usable again
            QCOMPARE(form.cardPicture(), card);
            QVERIFY(form.PrintKnop->isEnabled());
            QVERIFY(!form.isPrinting());
        }
        QVERIFY(!QGuiApplication::overrideCursor());  // the busy pointer is gone before the message
        QCOMPARE(dialogs.asked, asked);
        QCOMPARE(state.project.KansDeck, before.KansDeck);
    }
};

QTEST_MAIN(TestNoPrinter)
#include "test_noprinter.moc"
