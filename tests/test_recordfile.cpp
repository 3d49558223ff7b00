#include "app/recordfile.h"

#include <QtTest>

class TestRecordFile : public QObject
{
    Q_OBJECT
private slots:
    void textRoundTripKeepsCommaEuroAndAccent();
    void numbersAreBareDigits();
    void fieldsAreCountedAcrossLines();
    void blanksBeforeFieldsAreSkipped();
    void unstorableTextsAreRefused_data();
    void unstorableTextsAreRefused();
    void everyByteDecodesAndEncodesBack();
    void numberFieldThatIsNoNumber();
};

void TestRecordFile::textRoundTripKeepsCommaEuroAndAccent()
{
    const QString text = QString::fromUtf8("Ga naar Station, ontvang € 200,- èèn");
    RecordWriter w;
    QVERIFY(w.text(text));
    w.endRecord();
    QByteArray expected("\"Ga naar Station, ontvang \x80 200,- \xe8\xe8n\"\r\n");
    QCOMPARE(w.bytes(), expected);

    RecordReader r(w.bytes());
    QCOMPARE(r.field().value(), text);
    QVERIFY(r.atEnd());
    QVERIFY(!r.field());
}

void TestRecordFile::numbersAreBareDigits()
{
    RecordWriter w;
    w.number(220);
    w.number(-15);
    w.number(0);
    w.endRecord();
    QCOMPARE(w.bytes(), QByteArray("220,-15,0\r\n"));
}

void TestRecordFile::fieldsAreCountedAcrossLines()
{
    // The reader only counts fields: one on a line or three, it makes no difference.
    RecordReader r(QByteArray("\"a\",1\r\n2,\"b,c\"\r\n3\r\n"));
    QCOMPARE(r.field().value(), QStringLiteral("a"));
    QCOMPARE(r.number().value(), 1);
    QCOMPARE(r.number().value(), 2);
    QCOMPARE(r.field().value(), QStringLiteral("b,c"));
    QCOMPARE(r.number().value(), 3);
    QVERIFY(r.atEnd());
    QVERIFY(!r.number());
}

void TestRecordFile::blanksBeforeFieldsAreSkipped()
{
    RecordReader r(QByteArray("  12,   \"x y\" ,\t7\r\n\"\"\r\n"));
    QCOMPARE(r.number().value(), 12);
    QCOMPARE(r.field().value(), QStringLiteral("x y"));
    QCOMPARE(r.number().value(), 7);
    QCOMPARE(r.field().value(), QString());  // an empty text is a field
    QVERIFY(r.atEnd());
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

void TestRecordFile::numberFieldThatIsNoNumber()
{
    RecordReader r(QByteArray("abc,4.6,\r\n"));
    QVERIFY(!r.number());
    QCOMPARE(r.number().value(), 5);
    QVERIFY(!r.number());  // an empty field is no number
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "test_recordfile.moc"
