// The program's own windows: saving, opening, starting anew and deleting projects, the
// full-size viewer and the Help menu.
#include "app/openform.h"
#include "app/projectfiles.h"
#include "app/showform.h"
#include "app/textguard.h"
#include "platform/opendocument.h"
#include "testwindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
// What a user changes: a square's texts, a card and a mark on both pictures.
void changeDesign(Algemeen &state, const QString &street)
{
    state.project.Board[21].Street = street;
    state.project.Board[21].City = QStringLiteral("Dorp, aan zee");
    state.project.KansDeck[4] = QStringLiteral("Ga terug, drie plaatsen");
    state.project.StationImage = 7;
    for (int i = 0; i < 50; ++i) {
        state.pictures.Speelbord.setPixel(300 + i, 400, qRgb(1, 2, 3));
        state.pictures.EigenDomsPic.setPixel(10, 10 + i, qRgb(4, 5, 6));
    }
    MarkDesignChanged(state);
}

struct Session : TestWindow {
    Session() { main->AnimateSave = false; }
    void save(const std::optional<QString> &name)
    {
        dialogs.textAnswers.push_back(name);
        main->menuAction("Bestand/Project Opslaan")->trigger();
    }
};
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

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    void namesThatWriteNothing_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << std::optional<QString>() << QString();
        QTest::newRow("leaves Projecten") << std::optional<QString>("../x")
            << "Save|De projectnaam mag geen van deze tekens bevatten:  \\ / : * ? \" < > |";
        QTest::newRow("device") << std::optional<QString>("LPT1")
            << "Save|De naam 'LPT1' is gereserveerd voor een apparaat en kan geen projectnaam zijn.";
    }

    void namesThatWriteNothing()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, message);
        Session s;
        s.state.project.ProjectName = QStringLiteral("Vorige");
        s.save(answer);
        QCOMPARE(s.dialogs.asked.size(), message.isEmpty() ? 1 : 2);
        QCOMPARE(s.dialogs.asked[0], QStringLiteral("Save|Geef een naam voor dit nieuwe Project..."));
        if (!message.isEmpty())
            QCOMPARE(s.dialogs.asked[1], message);
        QVERIFY(!QFileInfo::exists(s.folder.path("Projecten")));
        QCOMPARE(s.state.project.ProjectName, QStringLiteral("Vorige"));
    }

    void overwriteQuestion_data()
    {
        QTest::addColumn<bool>("folderToo");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true << true;
        QTest::newRow("No") << true << false;
        QTest::newRow("file without folder, Yes") << false << true;
    }

    void overwriteQuestion()
    {
        QFETCH(bool, folderToo);
        QFETCH(bool, yes);
        Session s;
        s.save(QStringLiteral("Spel"));
        if (folderToo)
            writeAll(s.folder.path("Projecten/Spel/eigen.txt"), "");  // a file of the user's own
        else
            QVERIFY(DeleteFolderTree(s.folder.path("Projecten/Spel")));
        const QByteArray before = readAll(s.folder.path("Projecten/Spel.vgd"));
        s.state.project.ProjectName = QStringLiteral("Ander");
        changeDesign(s.state, "Veranderd");
        s.dialogs.asked.clear();
        s.dialogs.yesNoAnswers = {yes};
        s.save(QStringLiteral("Spel"));
        QCOMPARE(s.dialogs.asked.size(), 2);
        QCOMPARE(s.dialogs.asked[1], QStringLiteral("Error|De Projectnaam ('Spel') bestaat reeds... Overschrijven?"));
        const QByteArray after = readAll(s.folder.path("Projecten/Spel.vgd"));
        if (yes) {
            QVERIFY(after.contains("\"Veranderd\""));
            QCOMPARE(s.state.project.ProjectName, QStringLiteral("Spel"));
            QVERIFY(!s.state.UnsavedChanges);
            QCOMPARE(QFileInfo::exists(s.folder.path("Projecten/Spel/eigen.txt")), folderToo);
        } else {
            QCOMPARE(after, before);
            QCOMPARE(s.state.project.ProjectName, QStringLiteral("Ander"));
            QVERIFY(s.state.UnsavedChanges);
        }
    }

    void failedSaveIsReported()
    {
        Session s;
        // Something that is not a folder stands where Projecten should be.
        writeAll(s.folder.path("Projecten"), "");
        MarkDesignChanged(s.state);
        s.save(QStringLiteral("Spel"));
        QCOMPARE(s.dialogs.asked.size(), 2);
        QVERIFY(s.dialogs.asked[1].startsWith("Save|Het project 'Spel' is niet opgeslagen."));
        QVERIFY(s.dialogs.asked[1].contains("Projecten"));
        QVERIFY(s.state.project.ProjectName.isEmpty());
        QVERIFY(s.state.UnsavedChanges);
        QCOMPARE(s.main->Label9->text(), QStringLiteral("Projectnaam :"));
    }

    void openFailureKeepsTheDesign()
    {
        Session s;
        changeDesign(s.state, "Eerste");
        s.save(QStringLiteral("Goed"));
        // Kapot.vgd names a project "Weg" whose files are missing.
        writeAll(s.folder.path("Projecten/Kapot.vgd"), "\"Weg\"\r\n\"--------------------\"\r\n0\r\n");
        changeDesign(s.state, "Tweede");
        s.dialogs.asked.clear();
        Openform form(s.state, s.dialogs);
        const auto found = form.List1->findItems("Kapot", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        form.List1->setCurrentItem(found[0]);
        emit form.List1->itemDoubleClicked(found[0]);  // a double click opens, like "Ok"
        QCOMPARE(s.dialogs.asked, QStringList{"Vastgoed Atelier|Kan Project '(Weg)' niet vinden!"});
        QCOMPARE(s.state.project.ProjectName, QStringLiteral("Goed"));
        QCOMPARE(s.state.project.Board[21].Street, QStringLiteral("Tweede"));
        QVERIFY(s.state.UnsavedChanges);
    }

    void picturesThatDoNotFit()
    {
        Session s;
        changeDesign(s.state, "Passend");
        const QImage deeds = s.state.pictures.EigenDomsPic;
        s.save(QStringLiteral("Maat"));
        // A board of another size is left out; the open board stays, the rest is read.
        QVERIFY(QImage(100, 100, QImage::Format_RGB32).save(s.folder.path("Projecten/Maat/Speelbord.bmp"), "BMP"));
        s.state.pictures.Speelbord.fill(Qt::white);
        s.state.project.Board[21].Street.clear();
        Openform form(s.state, s.dialogs);
        QVERIFY(form.LoadProject("Maat"));
        QCOMPARE(s.state.project.Board[21].Street, QStringLiteral("Passend"));
        QCOMPARE(s.state.pictures.Speelbord.size(), QSize(2180, 2180));
        QCOMPARE(s.state.pictures.Speelbord.pixelColor(300, 400), QColor(Qt::white));
        QCOMPARE(s.state.pictures.EigenDomsPic, deeds);  // the sheet that fits is read
    }

    void emptyProjectsFolder()
    {
        Session s;
        QDir().mkpath(s.folder.path("Projecten"));
        Openform form(s.state, s.dialogs);
        QCOMPARE(form.Label2->text(), QStringLiteral("Aantal Projecten : 0"));
        QTest::mouseClick(form.DelKnop, Qt::LeftButton);  // nothing to delete, nothing asked
        QTest::mouseClick(form.ExitKnop, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(s.dialogs.asked.isEmpty());
    }

    void deleteFromTheList_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("gone");
        QTest::newRow("Yes") << "Weg" << true << true;
        QTest::newRow("No") << "Weg" << false << false;
        QTest::newRow("odd entry") << "" << true << false;
    }

    void deleteFromTheList()
    {
        QFETCH(QString, entry);
        QFETCH(bool, yes);
        QFETCH(bool, gone);
        Session s;
        s.save(QStringLiteral("Blijf"));
        s.save(QStringLiteral("Weg"));
        writeAll(s.folder.path("Projecten/.vgd"), "");  // listed as an empty entry
        s.dialogs.asked.clear();
        s.dialogs.yesNoAnswers = {yes};

        Openform form(s.state, s.dialogs);
        QCOMPARE(form.List1->count(), 3);
        const auto found = form.List1->findItems(entry, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        form.List1->setCurrentItem(found[0]);
        QTest::mouseClick(form.DelKnop, Qt::LeftButton);
        QCOMPARE(s.dialogs.asked[0], " Delete|Wilt u '" + entry + "' verwijderen uit de lijst?");
        QCOMPARE(QFileInfo::exists(s.folder.path("Projecten/Weg.vgd")), !gone);
        QCOMPARE(QFileInfo::exists(s.folder.path("Projecten/Weg")), !gone);
        QVERIFY(QFileInfo::exists(s.folder.path("Projecten/Blijf/Kansfonds.kan")));
        QVERIFY(QFileInfo::exists(s.folder.path("Data/Data-1.vgx")));
        QCOMPARE(form.List1->count(), gone ? 2 : 3);
        QCOMPARE(form.Label2->text(), QStringLiteral("Aantal Projecten : %1").arg(form.List1->count()));
    }

    void newProject()
    {
        Session s;
        changeDesign(s.state, "Eigen");
        s.save(QStringLiteral("Eigen"));
        s.main->Text1->setEnabled(true);
        s.main->Text1->setText("iets");
        MarkDesignChanged(s.state);

        s.dialogs.yesNoAnswers = {false};
        s.main->menuAction("Bestand/Nieuw Project")->trigger();
        QCOMPARE(s.dialogs.asked.last(), QStringLiteral("Nieuw|Wilt u een nieuw project beginnen?"));
        QCOMPARE(s.state.project.Board[21].Street, QStringLiteral("Eigen"));

        // Yes: the default design (its texts and pictures are checked end to end), nothing unsaved,
        // and the editor empty and waiting for a square.
        s.dialogs.yesNoAnswers = {true};
        s.main->menuAction("Bestand/Nieuw Project")->trigger();
        QCOMPARE(int(s.state.project.StationImage), 0);
        QVERIFY(s.state.project.ProjectName.isEmpty());
        QVERIFY(!s.state.UnsavedChanges);
        QVERIFY(s.main->Text1->text().isEmpty());
        for (QWidget *c : {(QWidget *)s.main->SaveKnop, (QWidget *)s.main->KaartKnop, (QWidget *)s.main->Text1,
                           (QWidget *)s.main->Text2, (QWidget *)s.main->Combo1})
            QVERIFY(!c->isEnabled());
    }

    void guardedFields()
    {
        Session s;
        s.main->show();
        s.main->Text1->setEnabled(true);
        s.main->Combo1->setEnabled(true);
        const QString quoteMessage =
            QStringLiteral("Een aanhalingsteken (\") kan niet in een project worden bewaard en is weggelaten.");
        for (QLineEdit *edit : {s.main->Text1, s.main->Combo1->lineEdit()}) {
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("De \"Brink\""));
            QCOMPARE(edit->text(), QStringLiteral("De Brink"));
            QCOMPARE(edit->property(StorableTextGuardProperty()).toString(), quoteMessage);
            // Pasted text loses only what cannot be stored.
            edit->clear();
            edit->insert(QString::fromUtf8("Oude \"Markt\"\nWeg\t✓, € 5"));
            QCOMPARE(edit->text(), QString::fromUtf8("Oude MarktWeg, € 5"));
            QCOMPARE(edit->property(StorableTextGuardProperty()).toString(), quoteMessage);
            edit->clear();
            edit->insert(QString::fromUtf8("Łódź"));
            QCOMPARE(edit->text(), QString::fromUtf8("ód"));
            QCOMPARE(edit->property(StorableTextGuardProperty()).toString(),
                     QString::fromUtf8("Het teken 'Ł' kan niet in een project worden bewaard en is weggelaten."));
        }
    }

    void inputWaitsDuringTheSaveAnimation()
    {
        Session s;
        s.main->AnimateSave = true;
        s.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.main.get()));
        s.main->Text1->setEnabled(true);
        bool sawAnimation = false;
        bool closed = true;
        QTimer::singleShot(300, s.main.get(), [&] {
            sawAnimation = s.main->InfoRegel->text() == QStringLiteral("Save Project....")
                           && s.main->Label9->isHidden();
            QTest::keyClicks(s.main->Text1, "xyz");
            closed = s.main->close();
        });
        s.dialogs.textAnswers.push_back(QStringLiteral("Eerste"));
        s.main->menuAction("Bestand/Project Opslaan")->trigger();
        QVERIFY(sawAnimation);
        QVERIFY(s.main->Text1->text().isEmpty());
        QVERIFY(!closed);
        QVERIFY(s.main->isVisible());
        QVERIFY(QFileInfo::exists(s.folder.path("Projecten/Eerste.vgd")));
    }

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

QTEST_MAIN(TestApp)
#include "test_app.moc"
