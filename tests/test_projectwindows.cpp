// Saving, opening, starting anew and deleting projects through the windows.
#include "app/openform.h"
#include "app/projectfiles.h"
#include "app/textguard.h"
#include "testwindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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
}

class TestProjectWindows : public QObject
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
};

QTEST_MAIN(TestProjectWindows)
#include "test_projectwindows.moc"
