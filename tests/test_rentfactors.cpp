// Reading numbers as the deed windows read them, and the window of multiplying factors.
#include "app/algemeen.h"
#include "app/settingsfile.h"
#include "app/startup.h"
#include "deeds/configform.h"
#include "deeds/rentfactors.h"
#include "scripteddialogs.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <limits>

class TestRentFactors : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void factorFromText_data();
    void factorFromText();
    void baseRentFromAmount_data();
    void baseRentFromAmount();

    void okStoresWhatTheBoxesHold();
    void resetThenCancelKeepsTheDefaults();
    void factorBeyond32BitsIsClampedWithAMessage();
    void factorsSurviveARestart();
};

// Plain cases (letters after digits, a comma, a blank inside) are typed into the factor window below.
void TestRentFactors::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("tabs and line feeds") << " \t1\n000 " << 1000.0;
    QTest::newRow("exponent D") << "1D2" << 100.0;
    QTest::newRow("exponent lower case, negative") << "25e-1" << 2.5;
    QTest::newRow("exponent letter without digits") << "3E+" << 3.0;
    QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
    QTest::newRow("octal stops at 8") << "&O178" << 15.0;
    QTest::newRow("ampersand alone") << "&X1" << 0.0;
    QTest::newRow("sign without digits") << "-" << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("beyond a double") << "1E999" << inf;
    QTest::newRow("long digits beyond a double") << QString(400, QLatin1Char('9')) << inf;
    QTest::newRow("below a double") << "1E-999" << 0.0;
    QTest::newRow("many leading zeros below a double") << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0;
}

void TestRentFactors::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text), value);
}

void TestRentFactors::factorFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<bool>("clamped");
    QTest::newRow("7.5 to even") << "7.5" << 8 << false;
    QTest::newRow("-2.5 to even") << "-2.5" << -2 << false;
    QTest::newRow("largest") << "2147483647" << 2147483647 << false;
    QTest::newRow("smallest") << "-2147483648" << qint32(-2147483647 - 1) << false;
    QTest::newRow("one beyond") << "2147483648" << 2147483647 << true;
    QTest::newRow("half beyond rounds out") << "2147483647.5" << 2147483647 << true;
    QTest::newRow("1E40") << "1E40" << 2147483647 << true;
    QTest::newRow("&HFFFFFFFFF") << "&HFFFFFFFFF" << 2147483647 << true;
    QTest::newRow("beyond a double") << "1E999" << 2147483647 << true;
}

void TestRentFactors::factorFromText()
{
    QFETCH(QString, text);
    QFETCH(qint32, stored);
    QFETCH(bool, clamped);
    bool wasClamped = !clamped;
    QCOMPARE(FactorFromText(text, &wasClamped), stored);
    QCOMPARE(wasClamped, clamped);
}

void TestRentFactors::baseRentFromAmount_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<double>("base");
    QTest::newRow("€ 12,-") << QString::fromUtf8("€ 12,-") << 2.4;
    QTest::newRow("dashes go, so no minus") << QString::fromUtf8("-€ 50,-") << 10.0;
    QTest::newRow("empty") << QString() << 0.0;
}

void TestRentFactors::baseRentFromAmount()
{
    QFETCH(QString, amount);
    QFETCH(double, base);
    QCOMPARE(BaseRentFromAmountText(amount), base);
}


void TestRentFactors::okStoresWhatTheBoxesHold()
{
    Algemeen state;
    state.RentFactors = {0, 1, -2, 3, 100, 250, 0, 7, 8, 9, 10, 2147483647, -2147483647 - 1};
    ScriptedDialogs dialogs;
    ConfigForm form(state, dialogs);
    QTest::mouseClick(form.ExitKnop, Qt::LeftButton);  // untouched boxes give back what they showed
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(state.RentFactors, (std::array<qint32, FactorSlots>{0, 1, -2, 3, 100, 250, 0, 7, 8, 9, 10, 2147483647, -2147483647 - 1}));
    QVERIFY(dialogs.asked.isEmpty());

    ConfigForm again(state, dialogs);
    const QStringList typed = {"12abc", "abc", "7,9", "7.9", "2.5", "6.5", "1 5", "1E1", "&HFF", "&O17", "-3", ""};
    for (int i = 1; i <= 12; ++i)
        again.Combo1[i]->setEditText(typed[i - 1]);
    QTest::mouseClick(again.ExitKnop, Qt::LeftButton);
    QCOMPARE(state.RentFactors, (std::array<qint32, FactorSlots>{0, 12, 0, 7, 8, 2, 6, 15, 10, 255, 15, -3, 0}));
}

void TestRentFactors::resetThenCancelKeepsTheDefaults()
{
    Algemeen state;
    state.RentFactors = {0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    ScriptedDialogs dialogs;
    ConfigForm form(state, dialogs);
    form.Combo1[3]->setEditText("77");
    QTest::mouseClick(form.ResetKnop, Qt::LeftButton);
    QCOMPARE(form.Combo1[3]->currentText(), QStringLiteral("30"));
    QTest::mouseClick(form.CancelKnop, Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Rejected));
    const std::array<qint32, FactorSlots> defaults{0, 5, 15, 30, 60, 75, 10, 10, 7, 2, 4, 8, 4};
    QCOMPARE(state.RentFactors, defaults);
}

void TestRentFactors::factorBeyond32BitsIsClampedWithAMessage()
{
    Algemeen state;
    state.RentFactors = DefaultRentFactors();
    ScriptedDialogs dialogs;
    ConfigForm form(state, dialogs);
    form.Combo1[2]->setEditText("99999999999");
    form.Combo1[7]->setEditText("-1E40");
    QTest::mouseClick(form.ExitKnop, Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(state.RentFactors[2], 2147483647);
    QCOMPARE(state.RentFactors[7], qint32(-2147483647 - 1));
    QCOMPARE(state.RentFactors[1], 5);  // the others are stored as usual
    QCOMPARE(dialogs.asked.size(), 1);
    QVERIFY(dialogs.asked.first().contains("2, 7"));
}

void TestRentFactors::factorsSurviveARestart()
{
    QTemporaryDir folder;
    Algemeen first;
    first.Paths = folder.path();
    LoadStartState(first);
    ScriptedDialogs dialogs;
    {
        ConfigForm form(first, dialogs);
        form.Combo1[1]->setEditText("6");
        form.Combo1[12]->setEditText("-11");
        QTest::mouseClick(form.ExitKnop, Qt::LeftButton);
    }
    QVERIFY(WriteSettingsFile(first.settingsPath(), first));  // what closing the program does

    Algemeen second;
    second.Paths = folder.path();
    QVERIFY(LoadStartState(second));
    QCOMPARE(second.RentFactors[1], 6);
    QCOMPARE(second.RentFactors[12], -11);
    QCOMPARE(second.RentFactors, first.RentFactors);
}

QTEST_MAIN(TestRentFactors)
#include "test_rentfactors.moc"
