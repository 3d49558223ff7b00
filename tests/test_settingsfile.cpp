#include "app/algemeen.h"
#include "app/settingsfile.h"
#include "app/startup.h"
#include "testsupport.h"

#include <QtTest>

namespace {
const QByteArray defaultFactorLines("5\r\n15\r\n30\r\n60\r\n75\r\n10\r\n10\r\n7\r\n2\r\n4\r\n8\r\n4\r\n");
}

Q_DECLARE_METATYPE(RgbColour)

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void firstStartWritesTheDefaults();
    void damagedFilesGiveDefaultsOrClampedValues_data();
    void damagedFilesGiveDefaultsOrClampedValues();
    void writeLeavesOldFileWhenItCannotWrite();

private:
    QTemporaryDir m_dir;
    Algemeen m_state;
};

void TestSettingsFile::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(m_dir.filePath("Vastgoed.ini"));
    m_state = Algemeen();
    m_state.Paths = m_dir.path();
}

void TestSettingsFile::firstStartWritesTheDefaults()
{
    QVERIFY(!LoadStartState(m_state));
    const QByteArray bytes = readAll(m_state.settingsPath());
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 18);  // 17 records and nothing after the last CR LF
    QCOMPARE(lines.mid(1, 4), (QList<QByteArray>{"\"--------------------------\"\r", "220,220,190\r", "0\r",
                                                 "\"--------------------------\"\r"}));
    QVERIFY(bytes.endsWith(defaultFactorLines));
    Algemeen again;  // the next start reads it whole
    again.Paths = m_dir.path();
    QVERIFY(LoadStartState(again));
}

void TestSettingsFile::damagedFilesGiveDefaultsOrClampedValues_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<RgbColour>("colour");
    QTest::addColumn<int>("station");

    const QByteArray head("\"b\"\r\n\"-\"\r\n");
    const QByteArray tail("\"-\"\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n");
    QTest::newRow("empty") << QByteArray() << DefaultWindowColour << 0;
    QTest::newRow("binary") << QByteArray("\x00\xff\x13\x80\"\x01", 6) << DefaultWindowColour << 0;
    QTest::newRow("ends after line 4") << head + "10,20,30\r\n7\r\n" << RgbColour{10, 20, 30} << 7;
    QTest::newRow("colour 999") << head + "999,-4,3\r\n2\r\n" + tail << RgbColour{255, 220, 190} << 0;
    QTest::newRow("station 77") << head + "1,2,3\r\n77\r\n" + tail << RgbColour{1, 2, 3} << 29;
    QTest::newRow("factor beyond 32 bits") << head + "1,2,3\r\n4\r\n\"-\"\r\n99999999999\r\n" << RgbColour{1, 2, 3} << 4;
    QTest::newRow("text for a number") << head + "rood,2,3\r\n" << DefaultWindowColour << 0;
    QTest::newRow("larger than 64 KiB") << head + "1,2,3\r\n4\r\n" + tail + QByteArray(64 * 1024, ' ')
                                        << DefaultWindowColour << 0;
}

void TestSettingsFile::damagedFilesGiveDefaultsOrClampedValues()
{
    QFETCH(QByteArray, content);
    QFETCH(RgbColour, colour);
    QFETCH(int, station);
    writeAll(m_state.settingsPath(), content);
    QVERIFY(!LoadStartState(m_state));
    QCOMPARE(m_state.WindowColour, colour);
    QCOMPARE(int(m_state.project.StationImage), station);
    QCOMPARE(m_state.RentFactors, DefaultRentFactors());

    // The file is rewritten complete, and reads back whole.
    const QByteArray rewritten = readAll(m_state.settingsPath());
    QVERIFY(rewritten.endsWith(defaultFactorLines));
    Algemeen again;
    QVERIFY(ReadSettingsFile(m_state.settingsPath(), again));
    QCOMPARE(again.WindowColour, colour);
    QCOMPARE(SettingsFileBytes(again), rewritten);
}

void TestSettingsFile::writeLeavesOldFileWhenItCannotWrite()
{
    QString error;
    QVERIFY(!WriteSettingsFile(m_dir.filePath("no/such/folder/Vastgoed.ini"), m_state, &error));
    QVERIFY(!error.isEmpty());

    // A file that cannot be replaced stays exactly as it was.
    const QString path = m_state.settingsPath();
    writeAll(path, "old");
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool written = WriteSettingsFile(path, m_state);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (written)
        QSKIP("running as a user who may write anywhere");
    QCOMPARE(readAll(path), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
