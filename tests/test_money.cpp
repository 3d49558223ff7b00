// The money designer: the note as drawn, its amount colours, background and Euro pictures.
#include "cards/banknote.h"
#include "cards/banknoteart.h"
#include "cards/geldform.h"
#include "testwindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QtTest>

namespace {
const QColor noteYellow(255, 255, 160);

// A program folder whose Data holds the Euro picture strip, made once for all tests.
QString folderWithStrip()
{
    static QTemporaryDir folder;
    static bool made = false;
    if (!made) {
        QDir(folder.path()).mkpath(QStringLiteral("Data"));
        DrawBanknoteStrip().save(folder.filePath(QStringLiteral("Data/Data-9.vgx")), "PNG");
        made = true;
    }
    return folder.path();
}

struct Fixture : DesignerSetup {
    explicit Fixture(bool withStrip = true)
    {
        if (withStrip)
            state.Paths = folderWithStrip();
    }
};

QRect boxOf(const QImage &image, const QRect &area, const QColor &colour)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}
}

class TestMoney : public QObject
{
    Q_OBJECT
private slots:
    void openingShowsTheDefaultNote();
    void backgroundChangeRedrawsTheNote();
    void newAmountErasesTheOldOneWhole();
    void euroPictureRows();
    void missingEuroStripChangesOnlyTheOutline();
    void amountOverAEuroPicture();
};

void TestMoney::openingShowsTheDefaultNote()
{
    Fixture f;
    GeldForm form(f.state, f.dialogs, f.printers);
    QCOMPARE(form.Text1->text(), QStringLiteral("€ 500,-"));
    const QImage &note = form.notePicture();
    QCOMPARE(note.size(), QSize(400, 200));
    // Grey outline, yellow ground, the first inner outline black at opening, dots and ellipses.
    const QColor black(Qt::black);
    const QList<QPair<QPoint, QColor>> pixels = {
        {{0, 0}, QColor(160, 160, 160)}, {{5, 5}, noteYellow},  {{10, 100}, black}, {{12, 12}, noteYellow},
        {{15, 15}, black},               {{383, 183}, black},   {{100, 100}, black}, {{298, 100}, black}};
    for (const auto &[at, colour] : pixels)
        QVERIFY2(note.pixelColor(at) == colour, qPrintable(describe(note, at)));
    // The amount centred in red; the corner words white, their dark red copy one pixel lower and right.
    const QRect red = boxOf(note, AmountBand(), QColor(255, 0, 0));
    QVERIFY(!red.isEmpty());
    QVERIFY2(qAbs((red.left() + red.right() + 1) / 2.0 - 200) <= 2,
             qPrintable(QStringLiteral("%1..%2").arg(red.left()).arg(red.right())));
    QVERIFY(red.top() >= 85 && red.bottom() <= 116);
    QVERIFY(pixelsOf(note, QRect(19, 19, 100, 18), Qt::white) > 20);
    QVERIFY(pixelsOf(note, QRect(20, 20, 100, 18), QColor(120, 0, 0)) > 20);
    QVERIFY(pixelsOf(note, QRect(286, 163, 100, 18), QColor(120, 0, 0)) > 20);
    QCOMPARE(pixelsOf(note, QRect(0, 0, 19, 200), Qt::white), 0);
}

void TestMoney::backgroundChangeRedrawsTheNote()
{
    Fixture f;
    GeldForm form(f.state, f.dialogs, f.printers);
    form.ColorScroll[1]->setValue(120);
    QCOMPARE(form.NoteBackColour, (RgbColour{120, 255, 160}));
    const QImage &note = form.notePicture();
    QCOMPARE(note.pixelColor(0, 0), QColor(160, 160, 160));
    QCOMPARE(note.pixelColor(10, 100), QColor(80, 80, 80));  // dark grey now, not black
    QCOMPARE(note.pixelColor(16, 15), QColor(120, 255, 160));
    QCOMPARE(note.pixelColor(15, 15), QColor(Qt::black));
    QVERIFY(pixelsOf(note, AmountBand(), QColor(255, 0, 0)) > 40);
    QCOMPARE(pixelsOf(note, QRect(0, 0, 400, 200), noteYellow), 0);  // cleared completely
}

void TestMoney::newAmountErasesTheOldOneWhole()
{
    Fixture f;
    GeldForm typed(f.state, f.dialogs, f.printers);
    GeldForm direct(f.state, f.dialogs, f.printers);
    const QImage opened = typed.notePicture();
    typed.Text1->selectAll();
    QTest::keyClicks(typed.Text1, QString(20, QLatin1Char('W')));  // the box takes 15 characters at most
    QCOMPARE(typed.Text1->text(), QString(15, QLatin1Char('W')));
    // However wide the amount (15 W's, a long number), nothing outside the band changes, and a
    // shorter one after it leaves nothing of it behind.
    for (const QString &wide : {QString(15, QLatin1Char('W')), QStringLiteral("€ 1000000,-")}) {
        typed.Text1->setText(wide);
        const QImage note = typed.notePicture();
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 400; ++x)
                if (!AmountBand().contains(x, y) && note.pixel(x, y) != opened.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 outside the band").arg(x).arg(y)));
        typed.Text1->setText(QStringLiteral("€ 5,-"));
        direct.Text1->setText(QStringLiteral("€ 5,-"));
        QCOMPARE(typed.notePicture(), direct.notePicture());
    }
}

void TestMoney::euroPictureRows()
{
    Fixture f;
    GeldForm form(f.state, f.dialogs, f.printers);
    const QImage strip = DrawBanknoteStrip();
    QCOMPARE(form.euroStrip(), strip);
    for (const int k : {0, 7, 1}) {  // the bar starts at 1: picture 1 shows after moving away and back
        form.HScroll1->setValue(k);
        const QImage &note = form.notePicture();
        for (int y = 1; y < 199; y += 3)
            for (int x = 1; x < 399; x += 3)
                if (note.pixel(x, y) != strip.pixel(x, 200 * k + y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs from strip row %3").arg(x).arg(y).arg(200 * k + y)));
        for (const QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 199), QPoint(399, 199), QPoint(200, 0)})
            QCOMPARE(note.pixelColor(p), QColor(Qt::black));
    }
}

void TestMoney::missingEuroStripChangesOnlyTheOutline()
{
    Fixture f(false);
    GeldForm form(f.state, f.dialogs, f.printers);
    QVERIFY(form.euroStrip().isNull());
    QImage expected = form.notePicture();
    QPainter(&expected).drawRect(0, 0, 399, 199);  // one black pixel wide
    form.HScroll1->setValue(5);
    QCOMPARE(form.notePicture(), expected);

    // A strip too short for the picture asked for is ignored the same way.
    QImage shortStrip(400, 400, QImage::Format_RGB32);
    shortStrip.fill(Qt::green);
    QImage note = expected;
    PlaceEuroPicture(note, shortStrip, 5);
    QCOMPARE(note, expected);
}

void TestMoney::amountOverAEuroPicture()
{
    Fixture f;
    GeldForm form(f.state, f.dialogs, f.printers);
    form.HScroll1->setValue(3);
    const QImage euro = form.notePicture();
    QCOMPARE(pixelsOf(euro, AmountBand(), QColor(255, 0, 0)), 0);  // not drawn until asked
    form.Text1->setText(QStringLiteral("€ 50,-"));
    const QImage &note = form.notePicture();
    QVERIFY(pixelsOf(note, AmountBand(), QColor(255, 0, 0)) > 40);
    QCOMPARE(note.pixelColor(15, 15), QColor(Qt::black));
    QCOMPARE(note.pixelColor(13, 100), QColor(255, 255, 160));  // the band in the background colour
    QCOMPARE(note.pixel(5, 5), euro.pixel(5, 5));               // the picture outside stays
}

QTEST_MAIN(TestMoney)
#include "test_money.moc"
