// The main window's "Bewerken" menu: undo and redo of every change to the design, and the copy
// of an unsaved design that a later start offers to restore.

#include "windows/mainwindow.h"
#include "files/projectfiles.h"
#include "design/recovery.h"
#include "files/settingsfile.h"
#include "design/edits.h"
#include "dialogs/dialogs.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>

void Main::setUpHistory()
{
    m_history = std::make_unique<DesignHistory>(m_state);
    m_recovery = std::make_unique<RecoveryCopy>(RecoveryFolder(m_state));
    // The colour, station picture and rent factors are the program's settings: a change to them
    // is written to the settings file at once, so that a crash cannot take it.
    m_settingsOnDisk = SettingsFileBytes(m_state);
    connect(m_history.get(), &DesignHistory::designChanged, this, [this] {
        if (m_recovery)
            m_recovery->designChanged(m_state);
        const QByteArray settings = SettingsFileBytes(m_state);
        if (settings != m_settingsOnDisk && WriteSettingsFile(m_state.settingsPath(), m_state))
            m_settingsOnDisk = settings;
    });

    auto *edit = new QMenu(QStringLiteral("Bewerken"), this);
    menuBar()->insertMenu(menuAction(QStringLiteral("Kaarten")), edit);
    UndoAction = edit->addAction(QStringLiteral("Ongedaan maken"));
    UndoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    RedoAction = edit->addAction(QStringLiteral("Opnieuw"));
    RedoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(UndoAction, &QAction::triggered, this, [this] { stepHistory(false); });
    connect(RedoAction, &QAction::triggered, this, [this] { stepHistory(true); });
    QUndoStack &stack = m_history->stack();
    connect(&stack, &QUndoStack::indexChanged, this, &Main::updateHistoryActions);
    connect(&stack, &QUndoStack::cleanChanged, this, &Main::updateHistoryActions);
    updateHistoryActions();
}

void Main::updateHistoryActions()
{
    const QUndoStack &stack = m_history->stack();
    UndoAction->setEnabled(stack.canUndo());
    RedoAction->setEnabled(stack.canRedo());
    UndoAction->setText(stack.canUndo() ? QStringLiteral("&Ongedaan maken: ") + stack.undoText()
                                        : QStringLiteral("&Ongedaan maken"));
    RedoAction->setText(stack.canRedo() ? QStringLiteral("O&pnieuw: ") + stack.redoText()
                                        : QStringLiteral("O&pnieuw"));
}

void Main::stepHistory(bool forward)
{
    if (!(forward ? m_history->redo() : m_history->undo()))
        return;
    showBoard();
    ApplyWindowColour(m_state.WindowColour.red, m_state.WindowColour.green, m_state.WindowColour.blue);
    // The square in the editor is loaded again as it now is.
    if (m_state.CurrentSquare)
        EditSquare(m_state.CurrentSquare);
}

void Main::OfferRecovery()
{
    if (!m_recovery || !m_recovery->active())
        return;
    const QString title = QStringLiteral(" Herstellen");
    bool restored = false;
    for (auto &copy : ClaimLeftCopies(RecoveryFolder(m_state), m_recovery->folder())) {
        QString problem;
        QDateTime written;
        const auto loaded = copy->read(&problem, &written);
        if (!loaded) {
            if (problem.isEmpty()) {
                copy->remove();  // the program ended with nothing unsaved
                continue;
            }
            const QString where = copy->setAside();
            m_dialogs.showMessage(this,
                                  QStringLiteral("Een niet-opgeslagen ontwerp kan niet worden hersteld. %1\n\n"
                                                 "De kopie is opzij gezet in:\n%2")
                                      .arg(problem, QDir::toNativeSeparators(where)),
                                  title, Dialogs::Icon::Warning);
            continue;
        }
        if (restored)
            continue;  // one design at a time: the others are offered at a later start
        const QString name = copy->projectName();
        const QString which = name.isEmpty() ? QStringLiteral("een nieuw project zonder naam")
                                             : QStringLiteral("project '%1'").arg(name);
        const QString when = written.isValid()
                                 ? QStringLiteral(", laatst bijgewerkt op %1 om %2")
                                       .arg(written.toString(QStringLiteral("d-M-yyyy")),
                                            written.toString(QStringLiteral("HH:mm")))
                                 : QString();
        const QString question =
            QStringLiteral("Er is een niet-opgeslagen ontwerp gevonden van %1%2.\n"
                           "Het programma werd beëindigd zonder het op te slaan.\n\n"
                           "Wilt u het herstellen? Bij Nee wordt het verwijderd.")
                .arg(which, when);
        if (!m_dialogs.askYesNo(this, question, title)) {
            copy->remove();
            continue;
        }
        ApplyLoadedProject(m_state, *loaded, true);
        // The factors and colour the design was made with come back with it.
        if (const auto settings = copy->settings()) {
            m_state.WindowColour = settings->windowColour;
            m_state.RentFactors = settings->rentFactors;
            ApplyWindowColour(m_state.WindowColour.red, m_state.WindowColour.green, m_state.WindowColour.blue);
        }
        // Kept again as this program's own before the old copy goes.
        if (m_recovery->writeNow(m_state))
            copy->remove();
        ShowOpenedProject();
        restored = true;
    }
}
