// Work not yet saved is never thrown away unasked: the questions before "Nieuw Project" and
// "Open Project" replace a design, the buttons Enter chooses on questions that lose work, and
// the settings a restored copy brings back.
#include "windows/openform.h"
#include "files/projectfiles.h"
#include "design/recovery.h"
#include "design/undocommands.h"
#include "files/settingsfile.h"
#include "testwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using Answer = Dialogs::Answer;
Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

// Renames square 21 through the editor and places it, as a user clicks.
void placeStreet(Main &m, const QString &street)
{
    m.show();
    QTest::mouseClick(m.Pic, Qt::LeftButton, {}, SquareCentre(21));
    m.Text1->setText(street);
    QTest::mouseClick(m.SaveKnop, Qt::LeftButton);
}

void waitForCopy(Main &m)
{
    while (!m.recovery()->idle())
        QTest::qWait(20);
}

// The generations of this program's copy on disk.
QStringList copies(Main &m)
{
    return QDir(m.recovery()->folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

// Opens project `name` through the menu's list window and its "Ok"; the list is closed after.
void openThroughTheList(Main &m, const QString &name)
{
    QTimer::singleShot(0, &m, [name] {
        auto *form = qobject_cast<Openform *>(QApplication::activeModalWidget());
        QVERIFY(form);
        form->List1->setCurrentItem(form->List1->findItems(name, Qt::MatchExactly).value(0));
        QTest::mouseClick(form->ExitKnop, Qt::LeftButton);
        if (form->isVisible())
            form->reject();
    });
    m.menuAction("Bestand/Open Project")->trigger();
}
}

class TestUnsaved : public QObject
{
    Q_OBJECT
private slots:
    void replacingAnUnsavedDesignAsksFirst_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<std::optional<QString>>("saveAs");
        QTest::addColumn<bool>("replaced");
        const std::optional<QString> none;
        for (const bool open : {false, true}) {
            const char *what = open ? "open, " : "new, ";
            QTest::addRow("%sAnnuleren", what) << open << Answer::Cancel << none << false;
            QTest::addRow("%sNee", what) << open << Answer::No << none << true;
            QTest::addRow("%sJa", what) << open << Answer::Yes << std::optional<QString>("Eigen") << true;
            QTest::addRow("%sJa, save given up", what) << open << Answer::Yes << none << false;
        }
    }

    void replacingAnUnsavedDesignAsksFirst()
    {
        QFETCH(bool, open);
        QFETCH(Answer, answer);
        QFETCH(std::optional<QString>, saveAs);
        QFETCH(bool, replaced);
        TestWindow w;
        Main &m = *w.main;
        m.AnimateSave = false;
        m.recovery()->setInterval(0);
        placeStreet(m, "Ander");
        w.dialogs.textAnswers = {QString("Ander")};
        m.FileSave();
        placeStreet(m, "Eigen");
        waitForCopy(m);
        QCOMPARE(copies(m).size(), 1);
        w.dialogs.asked.clear();
        w.dialogs.yesNoCancelAnswers = {answer};
        w.dialogs.textAnswers = {saveAs};

        if (open)
            openThroughTheList(m, "Ander");
        else
            m.menuAction("Bestand/Nieuw Project")->trigger();
        waitForCopy(m);

        // One question, Ja (save first) offered by Enter; no second question after it.
        const QString question = open ? " Openen|Wijzigingen zijn nog niet opgeslagen...\n"
                                        "wilt u ze opslaan voordat u project 'Ander' opent?"
                                      : "Nieuw|Wijzigingen zijn nog niet opgeslagen...\n"
                                        "wilt u ze opslaan voordat u een nieuw project begint?";
        QCOMPARE(w.dialogs.asked.value(0), question);
        QCOMPARE(w.dialogs.defaults.value(0), Answer::Yes);
        QCOMPARE(w.dialogs.asked.filter("Wilt u een nieuw project").size(), 0);
        QCOMPARE(QFileInfo::exists(w.folder.path("Projecten/Eigen.vgd")), saveAs.has_value());

        const QString street = w.state.project.Board[21].Street;
        if (!replaced) {
            QCOMPARE(street, QString("Eigen"));
            QVERIFY(w.state.UnsavedChanges);
            QVERIFY(m.UndoAction->isEnabled());
            QCOMPARE(copies(m).size(), 1);
            m.UndoAction->trigger();
            QCOMPARE(w.state.project.Board[21].Street, QString("Ander"));
            return;
        }
        Algemeen fresh;
        LoadDefaultContent(fresh);
        QCOMPARE(street, open ? QString("Ander") : fresh.project.Board[21].Street);
        QVERIFY(!w.state.UnsavedChanges);
        QVERIFY(!m.UndoAction->isEnabled());
        QVERIFY(copies(m).isEmpty());
    }

    void nothingUnsavedAsksAsBefore()
    {
        TestWindow w;
        w.dialogs.yesNoAnswers = {false};
        w.main->menuAction("Bestand/Nieuw Project")->trigger();
        QCOMPARE(w.dialogs.asked, QStringList{"Nieuw|Wilt u een nieuw project beginnen?"});
    }

    // Enter on a question that loses work keeps it.
    void destructiveQuestionsOfferNo()
    {
        TestWindow w;
        Main &m = *w.main;
        m.AnimateSave = false;
        w.dialogs.textAnswers = {QString("Weg")};
        m.FileSave();
        placeStreet(m, "Eigen");
        w.dialogs.asked.clear();
        w.dialogs.yesNoAnswers = {false, false};
        QVERIFY(!m.close());
        {
            Openform form(w.state, w.dialogs);
            form.List1->setCurrentRow(0);
            QTest::mouseClick(form.DelKnop, Qt::LeftButton);
        }
        QCOMPARE(w.dialogs.asked,
                 (QStringList{" Sluiten|Wijzigingen zijn nog niet opgeslagen...\nwilt u het programma toch sluiten?",
                              " Delete|Wilt u 'Weg' verwijderen uit de lijst?\n"
                              "De bestanden van het project worden van de schijf verwijderd."}));
        QCOMPARE(w.dialogs.defaults, (QList<Answer>{Answer::No, Answer::No}));
        QVERIFY(QFileInfo::exists(w.folder.path("Projecten/Weg.vgd")));
    }

    // Rent factors and colour changed since the last close survive a crash twice over: the
    // settings file is written at the change, and the recovery copy carries them too.
    void aCrashKeepsTheFactorsAndColour_data()
    {
        QTest::addColumn<QString>("lost");
        QTest::newRow("settings file lost, the copy has them") << "Vastgoed.ini";
        QTest::newRow("copy made before it kept them") << "Instellingen.ini";
    }

    void aCrashKeepsTheFactorsAndColour()
    {
        QFETCH(QString, lost);
        ProgramFolder folder;
        const QString left = folder.path("Herstel/sessie-20260101-000000-000-1");
        const RgbColour colour{30, 60, 90};
        {
            // Changed since the last close, then the program is killed: its copy stays behind.
            WindowIn w(folder.path());
            Main &m = *w.main;
            placeStreet(m, "Hersteld");
            auto factors = std::make_unique<RentFactorsStep>(w.state);
            w.state.RentFactors[3] = 45;
            RecordStep(w.state, std::move(factors));
            auto settings = std::make_unique<SettingsStep>(w.state);
            w.state.WindowColour = colour;
            RecordStep(w.state, std::move(settings));
            QCOMPARE(readAll(w.state.settingsPath()), SettingsFileBytes(w.state));
            QVERIFY(m.recovery()->writeNow(w.state));
            QVERIFY(QDir().rename(m.recovery()->folder(), left));
        }
        if (lost == "Vastgoed.ini")
            QVERIFY(QFile::remove(folder.path("Vastgoed.ini")));
        else
            for (const QString &generation : QDir(left).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                QVERIFY(QFile::remove(left + "/" + generation + "/Instellingen.ini"));

        WindowIn next(folder.path());
        next.main->OfferRecovery();
        QCOMPARE(next.state.project.Board[21].Street, QString("Hersteld"));
        auto expected = DefaultRentFactors();
        expected[3] = 45;
        QCOMPARE(next.state.RentFactors, expected);
        QCOMPARE(next.state.WindowColour, colour);
        QCOMPARE(next.main->centralWidget()->palette().color(QPalette::Window), QColor(30, 60, 90));
    }
};

QTEST_MAIN(TestUnsaved)
#include "test_unsaved.moc"
