// One whole session as a user works it, through the real windows with mouse and keys: choose
// square 21 on the overview, rename it and place it, design its deed with a new base rent,
// rewrite a chance card, save the project under a name, start a new project and open the saved
// one again. Then the pictures and the files on disk must hold every change.

#include "app/openform.h"
#include "cards/kansform.h"
#include "deeds/deeddrawing.h"
#include "deeds/deedsheet.h"
#include "deeds/eigendomform.h"
#include "testwindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
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

// The main window shown, saving without its animation.
struct Session : TestWindow {
    Session()
    {
        main->AnimateSave = false;
        main->show();
    }
};
}

class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void designSaveStartAnewAndOpen()
    {
        Session s;
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

        // 2. Typing the new name redraws the preview; "Save" puts it on the board.
        const QImage before = main.templateImage.copy();
        retype(main.Text1, street);
        QVERIFY(main.templateImage != before);
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
        s.dialogs.textAnswers.push_back(QStringLiteral("Mijn Dorp"));
        main.menuAction("Bestand/Project Opslaan")->trigger();
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
            QCOMPARE(form->List1->currentItem(), found[0]);
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
        QGuiApplication::clipboard()->setText(pasted);
        QVERIFY(driveModal<KansForm>(s.main.get(), [&] { s.main->menuAction("Kaarten/Kans Kaarten")->trigger(); },
                                     [&](KansForm *form) {
            form->Text2->setFocus();
            QTest::keyClick(form->Text2, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(form->Text2, Qt::Key_V, Qt::ControlModifier);
            QTest::mouseClick(form->SaveKnop, Qt::LeftButton);
            QTest::mouseClick(form->ExitKnop, Qt::LeftButton);
        }));

        s.dialogs.textAnswers.push_back(QStringLiteral("Geplakt"));
        s.main->menuAction("Bestand/Project Opslaan")->trigger();
        QCOMPARE(s.state.project.ProjectName, QStringLiteral("Geplakt"));
        QVERIFY(!s.state.UnsavedChanges);
        const QByteArray deckFile = readAll(s.folder.path("Projecten/Geplakt/Kansfonds.kan"));
        QVERIFY2(deckFile.contains(stored), deckFile.left(200).constData());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
