// The program's own windows: one whole session as a user works it, saving, opening, starting
// anew and deleting projects (the viewer, help, undo and recovery: test_history).
#include "appsession.h"

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    // One whole session as a user works it, with mouse and keys: choose square 21 on the
    // overview, rename and place it, design its deed with a new base rent, rewrite a chance card,
    // save the project under a name, start a new project and open the saved one again.
    void designSaveStartAnewAndOpen()
    {
        Session s;
        s.main->show();
        Main &main = *s.main;
        Algemeen &state = s.state;
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        const QImage defaultBoard = state.pictures.Speelbord.copy();
        const QImage defaultSheet = state.pictures.EigenDomsPic.copy();
        const QPoint place = state.squarePosition[21];
        const QPoint slot = *DeedSheetSlot(21);
        const QString street = QString::fromUtf8("Grote Markt Café");
        const QString card = QString::fromUtf8("Ga naar de Grote Markt/Ontvang één rondje");

        // 1. A press in the middle of square 21 on the overview loads it into the editor.
        const QPoint centre = SquareCentre(21);
        QTest::mouseClick(main.Pic, Qt::LeftButton, Qt::NoModifier, centre);
        QCOMPARE(state.CurrentSquare, 21);
        QCOMPARE(main.Text1->text(), QStringLiteral("Brink"));

        // 2. Type the new name; "Save" puts it on the board.
        retype(main.Text1, street);
        QTest::mouseClick(main.SaveKnop, Qt::LeftButton);
        QCOMPARE(state.project.Board[21].Street, street);
        QVERIFY(state.UnsavedChanges);
        const QImage designedBoard = state.pictures.Speelbord.copy();
        // Square 21 lies on the bottom row, upright: the template lands unturned at its place.
        QCOMPARE(part(designedBoard, place, TemplateSize), main.templateImage);
        QCOMPARE(part(designedBoard, {0, 0}, {2180, 1900}), part(defaultBoard, {0, 0}, {2180, 1900}));

        // 3. "Kaart": the deed designer, base rent 30 instead of 12, "Ok", the sweep, "Exit".
        QImage designedDeed;
        QVERIFY(driveModal<EigendomForm>(&main, [&] { QTest::mouseClick(main.KaartKnop, Qt::LeftButton); },
                                         [&](EigendomForm *form) {
            QCOMPARE(form->Combo1->currentText(), QStringLiteral("12"));
            retype(form->Combo1->lineEdit(), QStringLiteral("30"));
            QTest::mouseClick(form->SaveKnop, Qt::LeftButton);  // returns after the sweep
            QVERIFY(!form->sweeping());
            designedDeed = form->deed();
            QTest::mouseClick(form->ExitKnop, Qt::LeftButton);
        }));
        QVERIFY(!QApplication::activeModalWidget());
        QImage expectedDeed = NewDeedCanvas();
        DrawStreetDeed(expectedDeed, 21, street, QStringLiteral("Ons Dorp"), state.squareColour[21], 30.0f,
                       state.RentFactors);
        QCOMPARE(designedDeed, expectedDeed);
        QCOMPARE(part(state.pictures.EigenDomsPic, slot, DeedSize), expectedDeed);

        // 4. "Kaarten/Kans Kaarten": card 1 gets a new text.
        QVERIFY(driveModal<KansForm>(&main, [&] { main.menuAction("Kaarten/Kans Kaarten")->trigger(); },
                                     [&](KansForm *form) {
            QCOMPARE(form->HScroll->value(), 1);
            retype(form->Text2, card);
            QTest::mouseClick(form->SaveKnop, Qt::LeftButton);
            QTest::mouseClick(form->ExitKnop, Qt::LeftButton);
        }));
        QCOMPARE(state.project.KansDeck[1], card);

        // 5. "Project Opslaan" under a new name.
        s.save(QStringLiteral("Mijn Dorp"));
        QCOMPARE(state.project.ProjectName, QStringLiteral("Mijn Dorp"));
        QVERIFY(!state.UnsavedChanges);
        QCOMPARE(main.Label9->text(), QStringLiteral("Projectnaam : Mijn Dorp"));

        const QDir projects(s.folder.path("Projecten"));
        const QByteArray projectFile = readAll(projects.filePath("Mijn Dorp.vgd"));
        QVERIFY(projectFile.contains("\"Grote Markt Caf\xe9\""));  // Windows-1252, not UTF-8
        QVERIFY(!projectFile.contains(street.toUtf8()));
        const QByteArray deckFile = readAll(projects.filePath("Mijn Dorp/Kansfonds.kan"));
        QVERIFY(deckFile.contains("\"Ga naar de Grote Markt/Ontvang \xe9\xe9n rondje\""));

        // 6. "Nieuw Project": the default design again.
        main.menuAction("Bestand/Nieuw Project")->trigger();
        QCOMPARE(state.project.Board[21].Street, QStringLiteral("Brink"));
        QVERIFY(state.project.KansDeck[1] != card);
        QCOMPARE(state.pictures.Speelbord, defaultBoard);
        QCOMPARE(part(state.pictures.EigenDomsPic, slot, DeedSize), part(defaultSheet, slot, DeedSize));
        QCOMPARE(main.Label9->text(), QStringLiteral("Projectnaam : "));

        // 7. "Open Project": choose it in the list, "Ok".
        QVERIFY(driveModal<Openform>(&main, [&] { main.menuAction("Bestand/Open Project")->trigger(); },
                                     [&](Openform *form) {
            const QList<QListWidgetItem *> found = form->List1->findItems("Mijn Dorp", Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            const QRect row = form->List1->visualItemRect(found[0]);
            QTest::mouseClick(form->List1->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
            QTest::mouseClick(form->ExitKnop, Qt::LeftButton);
        }));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(main.Label9->text(), QStringLiteral("Projectnaam : Mijn Dorp"));
        QCOMPARE(state.project.Board[21].Street, street);
        QCOMPARE(state.project.KansDeck[1], card);
        QCOMPARE(state.pictures.Speelbord, designedBoard);
        QCOMPARE(part(state.pictures.EigenDomsPic, slot, DeedSize), expectedDeed);
        QVERIFY(!state.UnsavedChanges);
        QVERIFY(s.dialogs.asked.filter("niet").isEmpty());  // no failure was reported on the way
        QVERIFY(!main.Text1->isEnabled());  // the editor holds no square of the old design

        // "Show/Speelbord Klein" shows the opened board in place of the overview.
        QAction *small = main.menuAction("Show/Speelbord Klein");
        small->trigger();
        QVERIFY(main.Image1->isVisible() && !main.Pic->isVisible());
        QVERIFY(small->isChecked());
        const QImage smallBoard = designedBoard.scaled(400, 400, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(main.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 smallBoard.convertToFormat(QImage::Format_RGB32));
        QTest::mouseClick(main.Image1, Qt::LeftButton);  // back to the overview
        QVERIFY(main.Pic->isVisible() && !small->isChecked());

        // The opened square shows its new name when chosen again, in the preview as on the board.
        QTest::mouseClick(main.Pic, Qt::LeftButton, Qt::NoModifier, centre);
        QCOMPARE(main.Text1->text(), street);
        QCOMPARE(main.templateImage, part(designedBoard, place, TemplateSize));
        QCOMPARE(main.Orgineel->grab(QRect(QPoint(0, 0), TemplateSize)).toImage().convertToFormat(QImage::Format_RGB32),
                 main.templateImage);
    }

    // What the card designer takes into a deck, the project save must be able to keep: a text pasted
    // with a control character in it does not reach the deck with that character, so "Project
    // Opslaan" afterwards succeeds and stores the card as the designer showed it.
    void aPastedCardTextNeverBlocksTheProjectSave_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("tab") << QStringLiteral("Ga terug\tnaar Start") << QByteArray("\"Ga terugnaar Start\"");
        QTest::newRow("escape") << QStringLiteral("Betaal\x1b € 10,-") << QByteArray("\"Betaal \x80 10,-\"");
        QTest::newRow("delete") << QStringLiteral("Ontvang\x7f € 25,-") << QByteArray("\"Ontvang \x80 25,-\"");
    }

    void aPastedCardTextNeverBlocksTheProjectSave()
    {
        QFETCH(QString, pasted);
        QFETCH(QByteArray, stored);
        Session s;
        s.main->show();
        QGuiApplication::clipboard()->setText(pasted);
        QVERIFY(driveModal<KansForm>(s.main.get(), [&] { s.main->menuAction("Kaarten/Kans Kaarten")->trigger(); },
                                     [&](KansForm *form) {
            form->Text2->setFocus();
            QTest::keyClick(form->Text2, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(form->Text2, Qt::Key_V, Qt::ControlModifier);
            QTest::mouseClick(form->SaveKnop, Qt::LeftButton);
            QTest::mouseClick(form->ExitKnop, Qt::LeftButton);
        }));

        s.save(QStringLiteral("Geplakt"));
        QCOMPARE(s.state.project.ProjectName, QStringLiteral("Geplakt"));
        QVERIFY(!s.state.UnsavedChanges);
        const QByteArray deckFile = readAll(s.folder.path("Projecten/Geplakt/Kansfonds.kan"));
        QVERIFY2(deckFile.contains(stored), deckFile.left(200).constData());
    }

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
        QCOMPARE(s.state.pictures.Speelbord.pixelColor(300, 400), QColor(Qt::white));
        QCOMPARE(s.state.pictures.EigenDomsPic, deeds);  // the sheet that fits is read
    }

    void aBoardCutShortIsADamagedProject_data()
    {
        QTest::addColumn<int>("length");
        const int stride = 2180 * 3;
        QTest::newRow("1000 bytes") << 1000;
        QTest::newRow("header only") << 54;
        QTest::newRow("one row short") << 54 + stride * 2179;
        QTest::newRow("7,000,000 bytes") << 7000000;
    }

    void aBoardCutShortIsADamagedProject()
    {
        QFETCH(int, length);
        Session s;
        changeDesign(s.state, "Heel");
        s.save(QStringLiteral("Kort"));
        const QByteArray whole = readAll(s.folder.path("Projecten/Kort/Speelbord.bmp"));
        QCOMPARE(whole.size(), 54 + 2180 * 3 * 2180);
        writeAll(s.folder.path("Projecten/Kort/Speelbord.bmp"), whole.left(length));

        // Open Project: the not-found message, and the open design stays as it was.
        changeDesign(s.state, "Open");
        const QImage board = s.state.pictures.Speelbord;
        s.dialogs.asked.clear();
        Openform form(s.state, s.dialogs);
        QVERIFY(!form.LoadProject("Kort"));
        QCOMPARE(s.dialogs.asked, QStringList{"Vastgoed Atelier|Kan Project '(Kort)' niet vinden!"});
        QCOMPARE(s.state.project.Board[21].Street, QStringLiteral("Open"));
        QVERIFY(s.state.pictures.Speelbord == board);

        // The command line fails and exports nothing.
        QTemporaryDir out;
        CommandLine export_;
        export_.exportFolder = out.path();
        export_.projectName = QStringLiteral("Kort");
        QCOMPARE(RunExport(export_, s.folder.path()), 1);
        QVERIFY(QDir(out.path()).isEmpty());

        // A copy left by a killed program with such a board is set aside, not offered.
        const QString left = s.folder.path("Herstel/sessie-20260101-000000-000-1");
        QVERIFY(WriteProjectFilesTo(s.state, left + "/000001", "Naamloos"));
        writeAll(left + "/000001/Herstel.txt", "Vastgoed Atelier herstelkopie 1\nnaam=\nbestand=Naamloos\ntijd=\n");
        writeAll(left + "/000001/Naamloos/Speelbord.bmp", whole.left(length));
        WindowIn next(s.folder.path());
        next.main->OfferRecovery();
        QCOMPARE(next.dialogs.asked.filter("kan niet worden hersteld").size(), 1);
        QVERIFY(next.dialogs.asked.filter("Er is een niet-opgeslagen").isEmpty());
        QVERIFY(QFileInfo(left + ".beschadigd/000001/Naamloos/Speelbord.bmp").isFile());
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
        QCOMPARE(s.dialogs.asked[0], " Delete|Wilt u '" + entry + "' verwijderen uit de lijst?\n"
                                     "De bestanden van het project worden van de schijf verwijderd.");
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

        s.dialogs.yesNoCancelAnswers = {Dialogs::Answer::Cancel};
        s.main->menuAction("Bestand/Nieuw Project")->trigger();
        QVERIFY(s.dialogs.asked.last().startsWith(QStringLiteral("Nieuw|Wijzigingen zijn nog niet opgeslagen")));
        QCOMPARE(s.state.project.Board[21].Street, QStringLiteral("Eigen"));

        // Changes let go: the default design (its texts and pictures are checked end to end),
        // nothing unsaved, and the editor empty and waiting for a square.
        s.dialogs.yesNoCancelAnswers = {Dialogs::Answer::No};
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
        const QString quote =
            QStringLiteral("Een aanhalingsteken (\") kan niet in een project worden bewaard en is weggelaten.");
        // Typed or pasted, a text loses only what cannot be stored, and the field says why.
        const QList<std::tuple<bool, QString, QString, QString>> entries = {
            {true, "De \"Brink\"", "De Brink", quote},
            {false, "Oude \"Markt\"\nWeg\t✓, € 5", "Oude MarktWeg, € 5", quote},
            {false, "Łódź", "ód", "Het teken 'Ł' kan niet in een project worden bewaard en is weggelaten."}};
        for (QLineEdit *edit : {s.main->Text1, s.main->Combo1->lineEdit()})
            for (const auto &[typed, entered, kept, message] : entries) {
                edit->clear();
                typed ? QTest::keyClicks(edit, entered) : edit->insert(entered);
                QCOMPARE(edit->text(), kept);
                QCOMPARE(edit->property(StorableTextGuardProperty()).toString(), message);
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

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_app.moc"
