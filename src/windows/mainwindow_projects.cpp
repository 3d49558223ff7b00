// The main window's project commands: "Nieuw Project", "Open Project" and "Project Opslaan".

#include "windows/mainwindow.h"
#include "design/edits.h"
#include "windows/openform.h"
#include "files/projectfiles.h"
#include "design/undocommands.h"
#include "artwork/artwork.h"
#include "model/defaultcontent.h"
#include "design/gamenames.h"
#include "printing/sharpdesign.h"
#include "design/startup.h"
#include "platform/busypointer.h"
#include "dialogs/dialogs.h"
#include "dialogs/formlayout.h"
#include "platform/pause.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <optional>

namespace {
// While it lives, the user's clicks, keys and attempts to close `window` are not taken, so a
// save in progress cannot be started again or have the design changed underneath it. Painting
// and the clock go on.
class InputHold : public QObject
{
public:
    explicit InputHold(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~InputHold() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        case QEvent::Close:
            // An eaten close event must also say no, or the window closes anyway.
            if (watched != m_window)
                return false;
            event->ignore();
            return true;
        default:
            return false;
        }
    }

private:
    QWidget *m_window;
};

QString projectLabel(const QString &name) { return QStringLiteral("Projectnaam : ") + name; }
}

void Main::FileSave()
{
    const auto answer = m_dialogs.askText(this, QStringLiteral("Geef een naam voor dit nieuwe Project..."),
                                          QStringLiteral("Save"), m_state.project.ProjectName);
    if (!answer || answer->isEmpty())
        return;
    const QString name = *answer;
    const QString problem = ProjectNameProblem(name);
    if (!problem.isEmpty()) {
        m_dialogs.showMessage(this, problem, QStringLiteral("Save"), Dialogs::Icon::Warning);
        return;
    }
    if (ProjectExists(m_state.Paths, name)
        && !m_dialogs.askYesNo(this,
                               QStringLiteral("De Projectnaam ('") + name
                                   + QStringLiteral("') bestaat reeds... Overschrijven?"),
                               QStringLiteral("Error")))
        return;

    const QString shownBefore = Label9->text();
    QString error;
    bool written;
    {
        BusyPointer busy;
        InputHold hold(this);
        Label9->setText(projectLabel(name));
        Label9->adjustSize();
        runSaveAnimation();
        written = WriteProjectFiles(m_state, name, &error);
    }
    if (!written) {
        Label9->setText(shownBefore);
        Label9->adjustSize();
        m_dialogs.showMessage(this,
                              QStringLiteral("Het project '%1' is niet opgeslagen.\n\n%2").arg(name, error),
                              QStringLiteral("Save"), Dialogs::Icon::Critical);
        return;
    }
    m_state.project.ProjectName = name;
    m_history->markSaved();
}

void Main::runSaveAnimation()
{
    InfoRegel->setText(QStringLiteral("Save Project...."));
    InfoRegel->adjustSize();
    Label9->hide();
    KlokLabel->hide();

    // The progress bar grows over the information bar, under its text.
    auto *bar = new QLabel(MenuPic);
    formlayout::setColour(bar, QPalette::Window, QColor(210, 40, 0));
    bar->stackUnder(InfoRegel);
    bar->show();
    constexpr int barTwips = 13230;
    for (int x = 0; x <= barTwips; x += 45) {
        bar->setGeometry(0, 0, x / 15 + 1, 450 / 15 + 1);
        if (AnimateSave)
            Pause(0.01f);
    }
    if (AnimateSave)
        Pause(0.2f);
    delete bar;

    ShowDateLine();
    Label9->show();
    KlokLabel->show();
}

bool Main::MayReplaceDesign(const QString &question, const QString &title)
{
    if (!m_state.UnsavedChanges)
        return true;
    switch (m_dialogs.askYesNoCancel(this, QStringLiteral("Wijzigingen zijn nog niet opgeslagen...\n") + question,
                                     title, Dialogs::Answer::Yes)) {
    case Dialogs::Answer::Yes:
        FileSave();
        return !m_state.UnsavedChanges;  // a save given up keeps the design
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

void Main::FileNew()
{
    // With unsaved changes the question about them is the only one; otherwise the plain one.
    const QString title = QStringLiteral("Nieuw");
    if (m_state.UnsavedChanges) {
        if (!MayReplaceDesign(QStringLiteral("wilt u ze opslaan voordat u een nieuw project begint?"), title))
            return;
    } else if (!m_dialogs.askYesNo(this, QStringLiteral("Wilt u een nieuw project beginnen?"), title)) {
        return;
    }
    NewDesign(m_state);
    ShowOpenedProject();
}

void Main::FileOpen()
{
    Openform form(m_state, m_dialogs, this);
    form.mayReplaceDesign = [this](const QString &name) {
        return MayReplaceDesign(QStringLiteral("wilt u ze opslaan voordat u project '%1' opent?").arg(name),
                                QStringLiteral(" Openen"));
    };
    connect(&form, &Openform::projectLoaded, this, &Main::ShowOpenedProject);
    form.exec();
}

void Main::ShowOpenedProject()
{
    // The station signs name the opened design's town.
    RefreshGamePictures(m_state);
    Label9->setText(projectLabel(m_state.project.ProjectName));
    Label9->adjustSize();
    showBoard();
    showNothingSelected();
}

void Main::showNothingSelected()
{
    SaveKnop->setEnabled(false);
    KaartKnop->setEnabled(false);
    Text1->clear();
    Text2->clear();
    Text1->setEnabled(false);
    Text2->setEnabled(false);
    Combo1->setEnabled(false);
    templateImage = DrawPlaceholder();
    {
        QPainter p(&templateImage);
        p.setPen(Qt::black);
        p.drawRect(0, 0, 179, 279);
    }
    showTemplate();
    updateCutWarnings();
}
