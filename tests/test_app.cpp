// The program's own windows: one whole session as a user works it, saving, opening, starting
// anew and deleting projects, undo and redo of every change, the copy a killed program leaves,
// the full-size viewer and the Help menu.
#include "app/commandline.h"
#include "windows/openform.h"
#include "files/projectfiles.h"
#include "design/edits.h"
#include "design/recovery.h"
#include "files/settingsfile.h"
#include "windows/showform.h"
#include "windows/textguard.h"
#include "design/undocommands.h"
#include "windows/kansform.h"
#include "drawing/deeddrawing.h"
#include "drawing/deedsheet.h"
#include "windows/eigendomform.h"
#include "dialogs/mnemonics.h"
#include "platform/opendocument.h"
#include "files/drawingfile.h"
#include "windows/sheetprint.h"
#include "testwindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <cstdio>
#include <functional>

namespace {
// Runs `drive` on the modal window of type T as soon as it is open. `open` opens it and
// returns when it has closed again. False when no such window came.
template <typename T>
bool driveModal(QObject *context, const std::function<void()> &open, const std::function<void(T *)> &drive)
{
    bool found = false;
    QTimer::singleShot(0, context, [&] {
        if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
            found = true;
            drive(window);
            if (window->isVisible())  // a failed check inside `drive` must not leave it open
                window->reject();
        }
    });
    open();
    return found;
}

// Replaces the text of a line edit as a user does: select all, then type key by key.
void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(edit, char(c.unicode()));
        } else {
            // A letter of a Latin keyboard beyond ASCII: its key code is its capital's code.
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
        }
    }
}

QImage part(const QImage &image, QPoint topLeft, QSize size)
{
    return image.copy(QRect(topLeft, size)).convertToFormat(QImage::Format_RGB32);
}

constexpr QSize TemplateSize(180, 280);
constexpr QSize DeedSize(DeedWidth, DeedHeight);

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

// The main window, saving without its animation.
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
    bool hasViewer = true;
    bool OpenDocument(QWidget *owner, const QString &document) override
    {
        opened << document;
        owners << owner;
        return hasViewer;
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

void drag(QWidget *picture, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(picture, button, Qt::NoModifier, from);
    // A move reports where the picture is now, relative to it.
    QMouseEvent move(QEvent::MouseMove, QPointF(to), picture->mapToGlobal(QPointF(to)), Qt::NoButton,
                     button, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    QTest::mouseRelease(picture, button, Qt::NoModifier, to);
}
// Everything a change can touch, to compare the design before and after: both pictures and
// the bytes of every file the design and the settings are kept in.
struct Snapshot {
    QImage board, deeds;
    QByteArray files;
    explicit Snapshot(const Algemeen &s)
        : board(s.pictures.Speelbord), deeds(s.pictures.EigenDomsPic),
          files(ProjectFileBytes(s.project, "P").value_or("?") + DeckFileBytes(s.project).value_or("?")
                + DrawingFileBytes(s.drawing) + SettingsFileBytes(s))
    {
    }
    bool operator==(const Snapshot &o) const { return board == o.board && deeds == o.deeds && files == o.files; }
};

// Drags the board in the viewer beyond its ends and moves it with the bars.
void dragAndScroll(Showform &form)
{
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

// Renames square 21 through the editor and places it, as a user clicks.
void placeStreet(Main &m, const QString &street)
{
    m.show();
    QTest::mouseClick(m.Pic, Qt::LeftButton, {}, SquareCentre(21));
    m.Text1->setText(street);
    QTest::mouseClick(m.SaveKnop, Qt::LeftButton);
}

QStringList sessions(const QString &recovery)
{
    return QDir(recovery).entryList({"sessie-*"}, QDir::Dirs | QDir::NoDotAndDotDot);
}

// The program's part in the crash test: a window in `folder` places square 21, waits until the
// copy is on disk, says so and waits to be killed.
int runChild(const QString &folder)
{
    WindowIn w(folder);
    Main &m = *w.main;
    m.recovery()->setInterval(0);
    placeStreet(m, "Hersteld");
    while (!m.recovery()->idle())
        QTest::qWait(20);
    std::printf("klaar\n");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

struct Child {
    QProcess process;
    explicit Child(const QString &folder)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VASTGOED_TEST_CHILD", folder);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {});
    }
    bool ready() { return process.waitForReadyRead(60000) && process.readAll().contains("klaar"); }
    void kill()
    {
        process.kill();  // SIGKILL: nothing is cleaned up
        process.waitForFinished();
    }
    ~Child()
    {
        if (process.state() != QProcess::NotRunning)
            kill();
    }
};
}

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
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_app.moc"
