// The card and money sheets with no print server reachable: the system then lists no printer.
#include "app/defaultcontent.h"
#include "cards/geldform.h"
#include "cards/kansform.h"
#include "platform/printers.h"
#include "scripteddialogs.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TestCardsNoPrinter : public QObject
{
    Q_OBJECT
private slots:
    void printersSayThereIsNoPrinter_data();
    void printersSayThereIsNoPrinter();
};

void TestCardsNoPrinter::printersSayThereIsNoPrinter_data()
{
    QTest::addColumn<bool>("money");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("failure");
    QTest::newRow("card sheets") << false << "Wilt u deze 16 kaarten nu afdrukken?"
                                 << "Geen printer aanwezig of printer offline";
    QTest::newRow("money sheet") << true << "Wilt u dit speelgeld nu afdrukken?"
                                 << "Geen printer aanwezig of offline";
}

void TestCardsNoPrinter::printersSayThereIsNoPrinter()
{
    QFETCH(bool, money);
    QFETCH(QString, question);
    QFETCH(QString, failure);
    QTemporaryDir folder;
    Algemeen state;
    state.ProgramFolder = folder.path();
    LoadDefaultContent(state);
    state.ActiveSubject = 1;
    ScriptedDialogs dialogs;
    SystemPrinters printers;
    QVERIFY(printers.installedPrinters().isEmpty());
    QVERIFY(!printers.currentIsUsable());
    const Project before = state.project;
    dialogs.yesNoAnswers = {true};
    if (money) {
        GeldForm form(state, dialogs, printers);
        const QImage note = form.notePicture();
        form.PrintKnop->click();
        QCOMPARE(form.notePicture(), note);
    } else {
        KansForm form(state, dialogs, printers);
        form.cardPause = 0;
        form.HScroll->setValue(5);
        const QImage card = form.cardPicture();
        form.PrintKnop->click();
        QCOMPARE(form.HScroll->value(), 5);  // the designer stays on its card
        QCOMPARE(form.cardPicture(), card);
        QVERIFY(form.PrintKnop->isEnabled());
        QVERIFY(!form.isPrinting());
    }
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(dialogs.asked, (QStringList{" Print|" + question, " Error|" + failure}));
    QCOMPARE(state.project.KansDeck, before.KansDeck);
}

QTEST_MAIN(TestCardsNoPrinter)
#include "test_cardsnoprinter.moc"
