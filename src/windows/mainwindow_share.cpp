// The main window's sharing commands: "Project delen...", "Project ophalen..." and
// "Speelbord als afbeelding...". The archive, its checks and the picture are core code.
#include "windows/mainwindow.h"

#include "files/projectfiles.h"
#include "files/projectshare.h"
#include "design/edits.h"
#include "artwork/artwork.h"
#include "platform/busypointer.h"
#include "dialogs/dialogs.h"
#include "printing/boardpicture.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString shareFilter() { return QStringLiteral("Gedeeld project (*.vastgoed)"); }

// Where a file for someone else is proposed: the user's documents, else the home folder.
QString suggestedPath(const QString &fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

QString native(const QString &path) { return QDir::toNativeSeparators(path); }
}

void Main::shareProject()
{
    const QString title = QStringLiteral("Project delen");
    // What is shared is the project on disk: it must hold what the window shows.
    if (m_state.project.ProjectName.isEmpty() || m_state.UnsavedChanges) {
        const QString why = m_state.project.ProjectName.isEmpty()
                                ? QStringLiteral("Dit ontwerp is nog niet als project opgeslagen.")
                                : QStringLiteral("Wijzigingen zijn nog niet opgeslagen.");
        if (!m_dialogs.askYesNo(this, why + QStringLiteral("\nAlleen een opgeslagen project kan worden gedeeld. "
                                                           "Wilt u het nu opslaan?"),
                                title))
            return;
        FileSave();
        if (m_state.project.ProjectName.isEmpty() || m_state.UnsavedChanges)
            return;
    }
    const QString name = m_state.project.ProjectName;
    const auto target = m_dialogs.askSaveFile(this, title, suggestedPath(name + ShareFileExtension()),
                                              shareFilter(), ShareFileExtension().mid(1));
    if (!target)
        return;
    QString error;
    bool written;
    {
        BusyPointer busy;
        written = WriteShareFile(ProjectsFolder(m_state.Paths), name, *target, &error);
    }
    if (!written) {
        m_dialogs.showMessage(this, QStringLiteral("Het project '%1' is niet gedeeld.\n\n%2").arg(name, error),
                              title, Dialogs::Icon::Critical);
        return;
    }
    m_dialogs.showMessage(this,
                          QStringLiteral("Het project '%1' staat nu in één bestand:\n%2\n\n"
                                         "Stuur dit bestand op. De ontvanger opent het met Vastgoed Atelier "
                                         "(dubbelklikken, of Bestand > Project ophalen...).")
                              .arg(name, native(*target)),
                          title, Dialogs::Icon::Information);
}

void Main::fetchProject()
{
    const auto file = m_dialogs.askOpenFile(this, QStringLiteral("Project ophalen"), shareFilter());
    if (file)
        OpenSharedProject(*file);
}

bool Main::OpenSharedProject(const QString &path)
{
    const QString title = QStringLiteral("Project ophalen");
    if (!MayReplaceDesign(QStringLiteral("wilt u ze opslaan voordat u het gedeelde project opent?"), title))
        return false;
    ShareImport fetched;
    {
        BusyPointer busy;
        fetched = ImportShareFile(path, ProjectsFolder(m_state.Paths));
    }
    if (fetched.name.isEmpty()) {
        m_dialogs.showMessage(this,
                              QStringLiteral("Het project in '%1' wordt niet opgehaald; er is niets "
                                             "weggeschreven.\n\n%2").arg(native(path), fetched.error),
                              title, Dialogs::Icon::Critical);
        return false;
    }
    const ProjectReadResult read = LoadProjectInto(m_state, fetched.name);
    if (!read.loaded) {
        m_dialogs.showMessage(this, QStringLiteral("Kan Project '(") + read.shownName + QStringLiteral(")' niet vinden!"),
                              ProgramTitle());
        return false;
    }
    ShowOpenedProject();
    if (fetched.name != fetched.wanted)
        m_dialogs.showMessage(this,
                              QStringLiteral("Er is al een project '%1'. Het opgehaalde project heet '%2'.")
                                  .arg(fetched.wanted, fetched.name),
                              title, Dialogs::Icon::Information);
    return true;
}

void Main::exportBoardPicture()
{
    const QString title = QStringLiteral("Speelbord als afbeelding");
    const auto width = m_dialogs.askNumber(this,
                                           QStringLiteral("Breedte en hoogte van de afbeelding in beeldpunten "
                                                          "(%1 tot %2; %2 is het hele speelbord):")
                                               .arg(BoardPictureMinWidth).arg(BoardSize),
                                           title, BoardSize, BoardPictureMinWidth, BoardSize);
    if (!width)
        return;
    const QString name = m_state.project.ProjectName.isEmpty()
                             ? QStringLiteral("Speelbord.png")
                             : m_state.project.ProjectName + QStringLiteral(" - Speelbord.png");
    const auto file = m_dialogs.askSaveFile(this, title, suggestedPath(name),
                                            QStringLiteral("PNG-afbeelding (*.png)"), QStringLiteral("png"));
    if (!file)
        return;
    QString error;
    bool written;
    {
        BusyPointer busy;
        written = WriteBoardPicture(m_state.pictures.Speelbord, *width, *file, &error);
    }
    if (!written)
        m_dialogs.showMessage(this, QStringLiteral("Het speelbord is niet als afbeelding bewaard.\n\n%1").arg(error),
                              title, Dialogs::Icon::Critical);
}
