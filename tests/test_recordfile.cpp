#include "app/recordfile.h"

#include <QtTest>

class TestRecordFile : public QObject
{
    Q_OBJECT
private slots:
    void writerBytes();
    void readerCountsFieldsAcrossLines();
    void unstorableTextsAreRefused_data();
    void unstorableTextsAreRefused();
    void everyByteDecodesAndEncodesBack();
};

void TestRecordFile::writerBytes()
{
    // Quoted texts without escaping, the euro as 128 and è as 232, bare numbers, CR LF.
    const QString text = QString::fromUtf8("Ga naar Station, ontvang € 200,- èèn");
    RecordWriter w;
    QVERIFY(w.text(text));
    w.number(220);
    w.number(-15);
    w.number(0);
    w.endRecord();
    QCOMPARE(w.bytes(), QByteArray("\"Ga naar Station, ontvang \x80 200,- \xe8\xe8n\",220,-15,0\r\n"));

    RecordReader r(w.bytes());
    QCOMPARE(r.field().value(), text);
    QCOMPARE(r.number().value(), 220);
    QCOMPARE(r.number().value(), -15);
    QCOMPARE(r.number().value(), 0);
    QVERIFY(r.atEnd());
    QVERIFY(!r.field());
}

void TestRecordFile::readerCountsFieldsAcrossLines()
{
    // One field on a line or three makes no difference; blanks before a field are skipped.
    RecordReader r(QByteArray("\"a\",1\r\n  2,   \"b,c\" ,\t3\r\n\"\"\r\nabc,4.6,\r\n"));
    QCOMPARE(r.field().value(), QStringLiteral("a"));
    QCOMPARE(r.number().value(), 1);
    QCOMPARE(r.number().value(), 2);
    QCOMPARE(r.field().value(), QStringLiteral("b,c"));
    QCOMPARE(r.number().value(), 3);
    QCOMPARE(r.field().value(), QString());  // an empty text is a field
    QVERIFY(!r.number());                     // "abc" is no number
    QCOMPARE(r.number().value(), 5);
    QVERIFY(!r.number());                     // nor is an empty field
    QVERIFY(r.atEnd());
    QVERIFY(!r.number());
}

void TestRecordFile::unstorableTextsAreRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("double quote") << QStringLiteral("Zeg \"ja\"");
    QTest::newRow("line feed") << QStringLiteral("twee\nregels");
    QTest::newRow("carriage return") << QStringLiteral("twee\rregels");
    QTest::newRow("outside code page") << QString::fromUtf8("Łódź");
    QTest::newRow("emoji") << QString::fromUtf8("huis 🏠");
}

void TestRecordFile::unstorableTextsAreRefused()
{
    QFETCH(QString, text);
    QVERIFY(!FirstUnstorableCharacter(text).isNull());
    RecordWriter w;
    QVERIFY(!w.text(text));
    QVERIFY(w.bytes().isEmpty());  // nothing half-written
}

void TestRecordFile::everyByteDecodesAndEncodesBack()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString decoded = DecodeWindows1252(all);
    QCOMPARE(decoded.at(0x80), QChar(0x20AC));
    QCOMPARE(decoded.at(0xE8), QChar(u'è'));
    QCOMPARE(EncodeWindows1252(decoded).value(), all);
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "test_recordfile.moc"
