#include "windows/openform.h"

#include "model/algemeen.h"
#include "design/edits.h"
#include "artwork/artwork.h"
#include "drawing/fonts.h"
#include "dialogs/dialogs.h"
#include "dialogs/formlayout.h"
#include "dialogs/mnemonics.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace formlayout;

Openform::Openform(Algemeen &state, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("Openen Project"));
    setFont(ArialFont(8.25));
    setFixedSize(3600 / Twips, 5700 / Twips);
    setColour(this, QPalette::Window,
              QColor(state.WindowColour.red, state.WindowColour.green, state.WindowColour.blue));

    List1 = new QListWidget(this);
    place(List1, 180, 210, 3150, 4050);
    setColour(List1, QPalette::Base, QColor(240, 240, 200));
    setColour(List1, QPalette::Text, Qt::black);

    Label2 = new QLabel(this);
    place(Label2, 195, 4320);

    DelKnop = button(this, QStringLiteral("Delete"), 180, 4680, 780);
    CancelKnop = button(this, QStringLiteral("Cancel"), 1860, 4680, 720);
    ExitKnop = button(this, QStringLiteral("Ok"), 2610, 4680, 705);
    // Enter opens the chosen project, Escape closes the list; Enter on a focused Delete
    // opens nothing and deletes nothing without the question.
    ExitKnop->setDefault(true);
    DelKnop->setAutoDefault(false);
    formlayout::tabOrder({List1, DelKnop, CancelKnop, ExitKnop});
    AddButtonMnemonics(this);
    List1->setFocus();

    connect(ExitKnop, &QPushButton::clicked, this, &Openform::openSelected);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Openform::openSelected);
    connect(CancelKnop, &QPushButton::clicked, this, &QDialog::reject);
    connect(DelKnop, &QPushButton::clicked, this, &Openform::deleteSelected);

    fillList();
}

void Openform::fillList()
{
    List1->clear();
    List1->addItems(ListProjects(m_state.Paths));
    showCount();
}

void Openform::showCount()
{
    setLabelText(Label2, QStringLiteral("Aantal Projecten : %1").arg(List1->count()));
}

void Openform::openSelected()
{
    // The chosen project: the selected entry, or, while the list has the keyboard's focus, the
    // entry in its focus frame (the first one has it as soon as Tab or the opening gives the
    // list the focus, before any arrow key selects it).
    QListWidgetItem *item = List1->currentItem();
    const bool chosen = item && (item->isSelected() || List1->hasFocus());
    const QString name = chosen ? item->text() : QString();
    if (!name.isEmpty()) {
        if (mayReplaceDesign && !mayReplaceDesign(name))
            return;
        LoadProject(name);
    }
    accept();
}

bool Openform::LoadProject(const QString &name)
{
    // Everything is read first: only then does the open design change.
    const ProjectReadResult read = LoadProjectInto(m_state, name);
    if (!read.loaded) {
        m_dialogs.showMessage(this,
                              QStringLiteral("Kan Project '(") + read.shownName
                                  + QStringLiteral(")' niet vinden!"),
                              ProgramTitle());
        return false;
    }
    emit projectLoaded();
    return true;
}

void Openform::deleteSelected()
{
    QListWidgetItem *item = List1->currentItem();
    if (List1->count() == 0 || !item || !item->isSelected())
        return;
    const QString entry = item->text();
    if (!m_dialogs.askYesNo(this,
                            QStringLiteral("Wilt u '") + entry
                                + QStringLiteral("' verwijderen uit de lijst?\n"
                                                 "De bestanden van het project worden van de schijf verwijderd."),
                            QStringLiteral(" Delete"), Dialogs::Icon::Question, Dialogs::Answer::No))
        return;
    const QString problem = ProjectNameProblem(entry);
    if (!problem.isEmpty()) {
        m_dialogs.showMessage(this,
                              QStringLiteral("'%1' is geen project en wordt niet verwijderd.").arg(entry),
                              QStringLiteral(" Delete"), Dialogs::Icon::Warning);
        return;
    }
    if (!DeleteProject(m_state.Paths, entry))
        m_dialogs.showMessage(this,
                              QStringLiteral("Het project '%1' kon niet (helemaal) worden verwijderd.")
                                  .arg(entry),
                              QStringLiteral(" Delete"), Dialogs::Icon::Warning);
    // The list shows what is left on disk.
    fillList();
}
