// The program's own windows, continued: the full-size viewer, the Help menu and the keyboard
// in the menus, the printer set-up, undo and redo of every change, the copy a killed program
// leaves.
#include "appsession.h"

class TestHistory : public QObject
{
    Q_OBJECT
private slots:
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
        QVERIFY(driveModal<Showform>(this, [&] { t.main->menuAction(entry)->trigger(); }, [&](Showform *form) {
            QCOMPARE(form->windowTitle(), caption);
            QCOMPARE(QSize(form->RangeX, form->RangeY), range);
            QCOMPARE(QSize(form->HScroll->maximum(), form->VScroll->maximum()), range);
            const QImage shown = form->SlidePic->pixmap().toImage();
            QCOMPARE(shown.size(), subject == 3 ? QSize(2180, 2180) : QSize(1476, 1176));
            QCOMPARE(shown.pixelColor(5, 5), colour);
            if (subject == 3)
                dragAndScroll(*form);
        }));
        QCOMPARE(int(t.state.ActiveSubject), subject);
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

    // Every menu entry has a letter of its own for Alt+letter; Alt+B opens "Bestand"; the
    // desktop's keys reach saving and the help.
    void keyboardReachesTheMenus()
    {
        TestWindow t;
        std::function<void(const QList<QAction *> &)> lettersOf = [&](const QList<QAction *> &actions) {
            QSet<QChar> letters;
            for (QAction *a : actions) {
                if (a->isSeparator())
                    continue;
                const int at = a->text().indexOf(QLatin1Char('&')) + 1;
                QVERIFY2(at > 0 && at < a->text().size(), qPrintable(a->text()));
                QVERIFY2(!letters.contains(a->text()[at].toLower()), qPrintable(a->text()));
                letters.insert(a->text()[at].toLower());
                if (a->menu())
                    lettersOf(a->menu()->actions());
            }
        };
        lettersOf(t.main->menuBar()->actions());

        t.main->show();
        QVERIFY(QTest::qWaitForWindowActive(t.main.get()));
        QTest::keyClick(t.main.get(), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(qobject_cast<QMenu *>(QApplication::activePopupWidget())->title(), QStringLiteral("&Bestand"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());

        RecordedDocuments desktop;
        t.main->setDocumentOpener(&desktop);
        QTest::keyClick(t.main.get(), Qt::Key_F1);
        QCOMPARE(desktop.opened, QStringList{t.folder.path("Help/help.pdf")});
        QTest::keyClick(t.main.get(), Qt::Key_S, Qt::ControlModifier);  // asks for a name: Cancel
        QCOMPARE(t.dialogs.asked.size(), 1);
        QVERIFY(t.dialogs.asked[0].contains(QStringLiteral("naam"), Qt::CaseInsensitive));
    }

    // Without a viewer the user is told so, and where the document is to open it by hand.
    void helpWithoutAViewerSaysWhereTheDocumentIs()
    {
        TestWindow t;
        RecordedDocuments desktop;
        desktop.hasViewer = false;
        t.main->setDocumentOpener(&desktop);
        QDir().mkpath(t.folder.path("Help"));
        QFile pdf(t.folder.path("Help/help.pdf"));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        t.main->menuAction("Help/Help (Pdf)")->trigger();
        QCOMPARE(t.dialogs.asked.size(), 1);
        QVERIFY(t.dialogs.asked[0].startsWith(" Help|Er is geen programma gevonden dat PDF-bestanden opent."));
        QVERIFY(t.dialogs.asked[0].endsWith(QDir::toNativeSeparators(t.folder.path("Help/help.pdf"))));

        // The desktop's own opener says no for a file that is not there.
        QVERIFY(!DesktopDocuments().OpenDocument(nullptr, t.folder.path("Help/ontbreekt.pdf")));
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
        QVERIFY(pdftools::isA4(path, 1));
        if (document == "help.pdf") {
            // The manual holds the photographs of the windows.
            QVERIFY(pdftools::run("pdfimages", {"-list", path}).count(QStringLiteral("image")) >= 5);
        }
    }

    void manualNamesWhatTheProgramHas()
    {
        // Every menu of the main window, the export and sharp printing, and the printers' own
        // failure messages, word for word.
        const QString folder = qEnvironmentVariable("VASTGOED_HELP_DIR");
        if (folder.isEmpty())
            QSKIP("run through CTest, which names the build's Help folder");
        const QString text = pdftools::run("pdftotext", {QDir(folder).filePath("help.pdf"), "-"})
                                 .simplified();
        TestWindow w;
        QStringList menus;
        for (QAction *a : w.main->menuBar()->actions())
            menus << WithoutMnemonic(a->text());
        QVERIFY(text.contains(menus.mid(0, menus.size() - 1).join(", ") + " en " + menus.last()));
        for (const QString &words : {QStringLiteral("Bewerken"), QStringLiteral("Exporteren als PDF..."),
                                     QStringLiteral("Scherp afdrukken"), CardPrintFailure(), SheetPrintFailure()})
            QVERIFY2(text.contains(words), qPrintable(words));
    }

    void setupPrinterPromisesNoPrint()
    {
        // The set-up dialog chooses a printer; its button does not read "Print" or "Afdrukken".
        TestWindow w;
        QString caption;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const auto box = dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
            if (box && box->button(QDialogButtonBox::Ok))
                caption = box->button(QDialogButtonBox::Ok)->text();
            dialog->reject();
        });
        w.main->menuAction("Bestand/Afdrukken/Setup Printer")->trigger();
        QCOMPARE(caption, QStringLiteral("OK"));
    }

    void everyKindOfChangeUndoesAndRedoes()
    {
        TestWindow w;
        Main &m = *w.main;
        Algemeen &s = w.state;
        m.show();
        QList<Snapshot> states{Snapshot(s)};
        QStringList names;
        auto done = [&] {
            states << Snapshot(s);
            names << WithoutMnemonic(m.UndoAction->text());
        };

        placeStreet(m, "Nieuwe Brink");
        done();
        // Only the square's area is kept, not the whole board.
        QVERIFY(m.history().bytes() < s.pictures.Speelbord.sizeInBytes() / 50);

        {
            EigendomForm deed(s, s.project.Board[21].Street, s.project.Board[21].City, s.project.Board[21].Amount);
            deed.show();
            QTest::mouseClick(deed.SaveKnop, Qt::LeftButton);  // returns when the sweep is over
        }
        done();

        {
            SystemPrinters printers;
            s.ActiveSubject = 2;
            KansForm cards(s, w.dialogs, printers);
            cards.HScroll->setValue(3);
            cards.Text2->setText("Een nieuwe kaart/met twee regels");
            QTest::mouseClick(cards.SaveKnop, Qt::LeftButton);
        }
        done();

        auto station = std::make_unique<SettingsStep>(s);
        s.project.StationImage = 7;
        RecordStep(s, std::move(station));
        done();

        auto factors = std::make_unique<RentFactorsStep>(s);
        s.RentFactors[2] += 5;
        RecordStep(s, std::move(factors));
        done();

        QCOMPARE(names, (QStringList{"Ongedaan maken: vakje 21 plaatsen", "Ongedaan maken: eigendomsbewijs 21 plaatsen",
                                     "Ongedaan maken: Algemeen Fonds-kaart 3 opslaan",
                                     "Ongedaan maken: stationsafbeelding kiezen",
                                     "Ongedaan maken: vermenigvuldigingsfactoren wijzigen"}));
        for (int i = states.size() - 2; i >= 0; --i) {
            m.UndoAction->trigger();
            QVERIFY2(Snapshot(s) == states[i], qPrintable(QString("after undoing to state %1").arg(i)));
        }
        QVERIFY(!m.UndoAction->isEnabled());
        QVERIFY(!s.UnsavedChanges);
        QCOMPARE(WithoutMnemonic(m.RedoAction->text()), QString("Opnieuw: vakje 21 plaatsen"));
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        for (int i = 1; i < states.size(); ++i) {
            QTest::keyClick(&m, Qt::Key_Y, Qt::ControlModifier);
            QVERIFY2(Snapshot(s) == states[i] && !(states[i] == states[i - 1]), qPrintable(QString("after redoing to state %1").arg(i)));
        }
        QVERIFY(s.UnsavedChanges);
        // The editor shows the square as it now is.
        for (int i = 0; i < 4; ++i)
            m.UndoAction->trigger();
        QCOMPARE(m.Text1->text(), QString("Nieuwe Brink"));
        m.UndoAction->trigger();
        QCOMPARE(m.Text1->text(), QString("Brink"));
    }

    void unsavedFollowsTheHistory()
    {
        TestWindow w;
        Main &m = *w.main;
        m.AnimateSave = false;
        placeStreet(m, "Eerste");
        w.dialogs.textAnswers = {QString("Proef")};
        m.FileSave();
        QVERIFY(!w.state.UnsavedChanges);
        m.UndoAction->trigger();  // back before the save
        QVERIFY(w.state.UnsavedChanges);
        m.RedoAction->trigger();
        QVERIFY(!w.state.UnsavedChanges);

        // The window colour is a setting of the program, not of the design.
        auto colour = std::make_unique<SettingsStep>(w.state);
        w.state.WindowColour = RgbColour{1, 2, 3};
        RecordStep(w.state, std::move(colour));
        QCOMPARE(WithoutMnemonic(m.UndoAction->text()), QString("Ongedaan maken: vensterkleur wijzigen"));
        QVERIFY(!w.state.UnsavedChanges);

        // A new project starts a new history.
        m.FileNew();
        QVERIFY(!m.UndoAction->isEnabled());
        QVERIFY(!m.RedoAction->isEnabled());
        QVERIFY(!w.state.UnsavedChanges);
    }

    void aKilledProgramsDesignIsOffered()
    {
        ProgramFolder folder;
        const QString recovery = folder.path("Herstel");
        const QString question = "Er is een niet-opgeslagen ontwerp gevonden";

        // While the program runs, another one started beside it leaves its copy alone.
        Child first(folder.path());
        QVERIFY(first.ready());
        QCOMPARE(sessions(recovery).size(), 1);
        {
            WindowIn beside(folder.path());
            beside.main->OfferRecovery();
            QVERIFY(beside.dialogs.asked.filter(question).isEmpty());
            QCOMPARE(sessions(recovery).size(), 2);
        }
        QCOMPARE(sessions(recovery).size(), 1);

        // Killed, its copy is offered; Nee removes it.
        first.kill();
        {
            WindowIn next(folder.path());
            next.dialogs.yesNoAnswers = {false};
            next.main->OfferRecovery();
            QCOMPARE(next.dialogs.asked.filter(question).size(), 1);
            QVERIFY(next.state.project.Board[21].Street != "Hersteld");
            QCOMPARE(sessions(recovery).size(), 1);  // its own
        }
        QVERIFY(sessions(recovery).isEmpty());

        // Killed again, Ja brings the placement back, unsaved.
        Child second(folder.path());
        QVERIFY(second.ready());
        second.kill();
        TestWindow reference;
        placeStreet(*reference.main, "Hersteld");
        WindowIn next(folder.path());
        next.main->OfferRecovery();
        QCOMPARE(next.dialogs.asked.filter(question).size(), 1);
        QCOMPARE(next.state.project.Board[21].Street, QString("Hersteld"));
        QVERIFY(next.state.pictures.Speelbord == reference.state.pictures.Speelbord);
        QCOMPARE(DrawingFileBytes(next.state.drawing), DrawingFileBytes(reference.state.drawing));
        QVERIFY(next.state.UnsavedChanges);
        // The copy is now this program's own; nothing is left of the killed one's.
        QCOMPARE(sessions(recovery), QStringList{QFileInfo(next.main->recovery()->folder()).fileName()});
        next.main.reset();  // a normal close
        QVERIFY(sessions(recovery).isEmpty());
        QVERIFY(QDir(folder.path("Projecten")).isEmpty());
    }

    void aDamagedCopyIsSetAside()
    {
        ProgramFolder folder;
        const QString left = folder.path("Herstel/sessie-20260101-000000-000-1");
        QDir().mkpath(left + "/000001/Naamloos");
        writeAll(left + "/000001/Herstel.txt", "Vastgoed Atelier herstelkopie 1\nnaam=\nbestand=Naamloos\ntijd=\n");
        writeAll(left + "/000001/Naamloos.vgd", QByteArray(300, '\x01'));

        WindowIn next(folder.path());
        next.main->OfferRecovery();
        QCOMPARE(next.dialogs.asked.filter("kan niet worden hersteld").size(), 1);
        QVERIFY(next.dialogs.asked.filter("Er is een niet-opgeslagen").isEmpty());
        QVERIFY(!QFileInfo::exists(left));
        QVERIFY(QFileInfo(left + ".beschadigd/000001/Naamloos.vgd").isFile());
        QVERIFY(!next.state.UnsavedChanges);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString child = qEnvironmentVariable("VASTGOED_TEST_CHILD");
    if (!child.isEmpty())
        return runChild(child);
    TestHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_history.moc"
