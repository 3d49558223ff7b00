// One user's session with a copy of the program whose executable is in $VASTGOED_PROGRAM_DIR:
// the window saves a project, "Open Project" lists it and opens it again. Run by check-install.sh,
// once for an installed and once for a portable copy; it decides the layout as main.cpp does.
#include "windows/openform.h"
#include "model/programpaths.h"
#include "files/projectfiles.h"
#include "design/edits.h"
#include "testwindow.h"

#include <QAction>
#include <QListWidget>
#include <QtTest>

class Session : public QObject
{
    Q_OBJECT
private slots:
    void saveAndOpenAgain()
    {
        const QString programDir = qEnvironmentVariable("VASTGOED_PROGRAM_DIR");
        if (programDir.isEmpty())
            QSKIP("VASTGOED_PROGRAM_DIR names no program");
        const ProgramPaths paths = ProgramPaths::ForExecutable(programDir);
        QVERIFY(paths.makeUserFolders());
        {
            WindowIn window(paths);
            auto &[state, dialogs, main] = window;
            main->AnimateSave = false;
            state.project.Board[21].Street = QStringLiteral("Thuisstraat");
            MarkDesignChanged(state);
            dialogs.textAnswers.push_back(QStringLiteral("Thuis"));
            main->menuAction("Bestand/Project Opslaan")->trigger();
            QVERIFY2(QFileInfo::exists(QDir(paths.projectsFolder()).filePath("Thuis.vgd")),
                     qPrintable(dialogs.asked.join('\n')));
        }
        WindowIn window(paths);
        auto &[state, dialogs, main] = window;
        Openform form(state, dialogs);
        const auto found = form.List1->findItems(QStringLiteral("Thuis"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        form.List1->setCurrentItem(found[0]);
        emit form.List1->itemDoubleClicked(found[0]);
        QCOMPARE(state.project.Board[21].Street, QStringLiteral("Thuisstraat"));
        QVERIFY2(dialogs.asked.isEmpty(), qPrintable(dialogs.asked.join('\n')));
    }
};

QTEST_MAIN(Session)
#include "session.moc"
