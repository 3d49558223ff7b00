// The full-size viewer and the Help menu.
#include "app/showform.h"
#include "platform/opendocument.h"
#include "testwindow.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
struct RecordedDocuments : DocumentOpener {
    QStringList opened;
    QList<QWidget *> owners;
    void OpenDocument(QWidget *owner, const QString &document) override
    {
        opened << document;
        owners << owner;
    }
};

// The board dark green, the deed sheet yellow.
void fillPictures(Algemeen &state)
{
    state.pictures.Speelbord = QImage(2180, 2180, QImage::Format_RGB32);
    state.pictures.Speelbord.fill(Qt::darkGreen);
    state.pictures.EigenDomsPic = QImage(1476, 1176, QImage::Format_RGB32);
    state.pictures.EigenDomsPic.fill(Qt::yellow);
}

Algemeen boardState()
{
    Algemeen state;
    state.ActiveSubject = 3;
    fillPictures(state);
    return state;
}

void drag(QWidget *picture, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(picture, button, Qt::NoModifier, from);
    // A move reports where the picture is now, relative to it.
    QMouseEvent move(QEvent::MouseMove, QPointF(to), picture->mapToGlobal(QPointF(to)), Qt::NoButton,
                     button, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    QTest::mouseRelease(picture, button, Qt::NoModifier, to);
}
}

class TestViewer : public QObject
{
    Q_OBJECT
private slots:
    void draggingAndScrollBarsMoveThePicture()
    {
        const Algemeen state = boardState();
        Showform form(state);
        form.show();
        drag(form.SlidePic, QPoint(300, 200), QPoint(260, 150));
        QCOMPARE(form.SlidePic->pos(), QPoint(-40, -50));
        QCOMPARE(QPoint(form.SlideX, form.SlideY), QPoint(-600, -750));  // twips
        QCOMPARE(QPoint(form.HScroll->value(), form.VScroll->value()), QPoint(600, 750));
        // Far left and up: the picture's far edge stops on the viewport's far edge.
        drag(form.SlidePic, QPoint(100, 100), QPoint(-5000, -5000));
        QCOMPARE(QPoint(form.SlideX, form.SlideY), QPoint(-24300, -28200));
        QCOMPARE(form.SlidePic->pos(), QPoint(-1620, -1880));
        QCOMPARE(QPoint(form.HScroll->value(), form.VScroll->value()), QPoint(24300, 28200));
        QCOMPARE(form.SlidePic->geometry().right(), form.PicCont->width() - 1);
        // Far right and down: back at the top left.
        drag(form.SlidePic, QPoint(100, 100), QPoint(2000, 2000));
        QCOMPARE(QPoint(form.SlideX, form.SlideY), QPoint(0, 0));
        QCOMPARE(form.SlidePic->pos(), QPoint(0, 0));

        // The bars move the picture too, and a drag goes on from where the bars left it.
        form.VScroll->setValue(3000);
        QCOMPARE(form.SlidePic->pos(), QPoint(0, -200));
        QCOMPARE(int(form.SlideY), -3000);
        form.HScroll->setValue(24300);
        QCOMPARE(form.SlidePic->pos(), QPoint(-1620, -200));
        drag(form.SlidePic, QPoint(1700, 300), QPoint(1710, 310));
        QCOMPARE(form.SlidePic->pos(), QPoint(-1610, -190));
        QCOMPARE(form.VScroll->value(), 2850);
    }

    void menuOpensTheViewerOnItsPicture_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("range");  // twips: the picture less the viewport
        QTest::addColumn<QColor>("colour");
        QTest::newRow("board") << "Show/Speelbord Groot" << 3 << "Show Speelbord" << QSize(24300, 28200)
                               << QColor(Qt::darkGreen);
        QTest::newRow("deed sheet") << "Show/Eigendomsbewijzen" << 4 << "Show Eigendomsbewijzen"
                                    << QSize(22140 - 8400, 17640 - 4500) << QColor(Qt::yellow);
    }

    void menuOpensTheViewerOnItsPicture()
    {
        QFETCH(QString, entry);
        QFETCH(int, subject);
        QFETCH(QString, caption);
        QFETCH(QSize, range);
        QFETCH(QColor, colour);
        TestWindow t;
        fillPictures(t.state);
        QString seen;
        QSize ranges, bars;
        QImage shown;
        QTimer::singleShot(0, this, [&] {
            if (auto *form = qobject_cast<Showform *>(QApplication::activeModalWidget())) {
                seen = form->windowTitle();
                ranges = QSize(form->RangeX, form->RangeY);
                bars = QSize(form->HScroll->maximum(), form->VScroll->maximum());
                shown = form->SlidePic->pixmap().toImage();
                form->ExitKnop->click();
            }
        });
        t.main->menuAction(entry)->trigger();
        QCOMPARE(int(t.state.ActiveSubject), subject);
        QCOMPARE(seen, caption);
        QCOMPARE(ranges, range);
        QCOMPARE(bars, range);
        QCOMPARE(shown.size(), subject == 3 ? QSize(2180, 2180) : QSize(1476, 1176));
        QCOMPARE(shown.pixelColor(5, 5), colour);
    }

    void helpMenuHandsTheDocumentsToTheDesktop_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("document");
        QTest::newRow("help") << "Help/Help (Pdf)" << "Help/help.pdf";
        QTest::newRow("rules") << "Help/Spelregels/Orgineel" << "Help/spelregels-normaal.pdf";
        QTest::newRow("junior") << "Help/Spelregels/Junior" << "Help/spelregels-junior.pdf";
        QTest::newRow("theme") << "Help/Spelregels/Thema" << "Help/spelregels-thema.pdf";
        QTest::newRow("more software") << "Help/Meer Software" << "Help/meer-software.html";
    }

    void helpMenuHandsTheDocumentsToTheDesktop()
    {
        QFETCH(QString, entry);
        QFETCH(QString, document);
        TestWindow t;
        RecordedDocuments desktop;
        t.main->setDocumentOpener(&desktop);
        t.main->menuAction(entry)->trigger();
        QCOMPARE(desktop.opened, QStringList{t.folder.path(document)});
        QCOMPARE(desktop.owners, QList<QWidget *>{t.main.get()});
        QVERIFY(t.dialogs.asked.isEmpty());  // the program says nothing of its own
    }

    void buildMadeTheHelpDocuments_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("leastPages");
        QTest::newRow("manual") << "help.pdf" << QString::fromUtf8("Vastgoed Atelier – Handleiding") << 4;
        QTest::newRow("rules") << "spelregels-normaal.pdf" << QString::fromUtf8("Spelregels – het gewone spel") << 2;
    }

    void buildMadeTheHelpDocuments()
    {
        QFETCH(QString, document);
        QFETCH(QString, title);
        QFETCH(int, leastPages);
        const QString folder = qEnvironmentVariable("VASTGOED_HELP_DIR");
        if (folder.isEmpty())
            QSKIP("run through CTest, which names the build's Help folder");
        const QString path = QDir(folder).filePath(document);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QCOMPARE(file.read(5), QByteArray("%PDF-"));
        QVERIFY(pdftools::pageCount(path) >= leastPages);
        QVERIFY(pdftools::run("pdfinfo", {path}).contains(title));
        const QSizeF size = pdftools::pageSize(path, 1);
        QVERIFY(qAbs(size.width() - 595.3) < 2 && qAbs(size.height() - 841.9) < 2);  // A4
        if (document == "help.pdf") {
            // The manual holds the photographs of the windows.
            QVERIFY(pdftools::run("pdfimages", {"-list", path}).count(QStringLiteral("image")) >= 5);
        }
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"
