#include "app/openform.h"

#include "app/algemeen.h"
#include "app/projectfiles.h"
#include "board/artwork.h"
#include "fonts.h"
#include "platform/dialogs.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int Twips = 15;

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / Twips, top / Twips, width / Twips, height / Twips);
}
}

Openform::Openform(Algemeen &state, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("Openen Project"));
    setFont(ArialFont(8.25));
    setFixedSize(3600 / Twips, 5700 / Twips);
    QPalette pal = palette();
    pal.setColor(QPalette::Window,
                 QColor(state.WindowColour.red, state.WindowColour.green, state.WindowColour.blue));
    setPalette(pal);
    setAutoFillBackground(true);

    List1 = new QListWidget(this);
    List1->setGeometry(twips(180, 210, 3150, 4050));
    QPalette listPal = List1->palette();
    listPal.setColor(QPalette::Base, QColor(240, 240, 200));
    listPal.setColor(QPalette::Text, Qt::black);
    List1->setPalette(listPal);

    Label2 = new QLabel(this);
    Label2->move(195 / Twips, 4320 / Twips);

    DelKnop = new QPushButton(QStringLiteral("Delete"), this);
    DelKnop->setGeometry(twips(180, 4680, 780, 330));
    CancelKnop = new QPushButton(QStringLiteral("Cancel"), this);
    CancelKnop->setGeometry(twips(1860, 4680, 720, 330));
    ExitKnop = new QPushButton(QStringLiteral("Ok"), this);
    ExitKnop->setGeometry(twips(2610, 4680, 705, 330));
    for (QPushButton *b : {DelKnop, CancelKnop, ExitKnop})
        b->setAutoDefault(false);

    connect(ExitKnop, &QPushButton::clicked, this, &Openform::openSelected);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Openform::openSelected);
    connect(CancelKnop, &QPushButton::clicked, this, &QDialog::reject);
    connect(DelKnop, &QPushButton::clicked, this, &Openform::deleteSelected);

    fillList();
}

void Openform::fillList()
{
    List1->clear();
    List1->addItems(ListProjects(m_state.ProgramFolder));
    showCount();
}

void Openform::showCount()
{
    Label2->setText(QStringLiteral("Aantal Projecten : %1").arg(List1->count()));
    Label2->adjustSize();
}

void Openform::openSelected()
{
    QListWidgetItem *item = List1->currentItem();
    const QString name = item && item->isSelected() ? item->text() : QString();
    if (!name.isEmpty())
        LoadProject(name);
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
                                + QStringLiteral("' verwijderen uit de lijst?"),
                            QStringLiteral(" Delete")))
        return;
    const QString problem = ProjectNameProblem(entry);
    if (!problem.isEmpty()) {
        m_dialogs.showMessage(this,
                              QStringLiteral("'%1' is geen project en wordt niet verwijderd.").arg(entry),
                              QStringLiteral(" Delete"), Dialogs::Icon::Warning);
        return;
    }
    if (!DeleteProject(m_state.ProgramFolder, entry))
        m_dialogs.showMessage(this,
                              QStringLiteral("Het project '%1' kon niet (helemaal) worden verwijderd.")
                                  .arg(entry),
                              QStringLiteral(" Delete"), Dialogs::Icon::Warning);
    // The list shows what is left on disk.
    fillList();
}
