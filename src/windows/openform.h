#pragma once
// "Openen Project": the list of saved projects, to open one or to delete one.

#include <QDialog>
#include <functional>

struct Algemeen;
class Dialogs;
class QLabel;
class QListWidget;
class QPushButton;

class Openform : public QDialog
{
    Q_OBJECT
public:
    Openform(Algemeen &state, Dialogs &dialogs, QWidget *parent = nullptr);

    // Reads project `name` into the shared state, whole or not at all. True when it was read;
    // otherwise the not-found message was shown and the open design is as it was.
    bool LoadProject(const QString &name);

    // Asked with the chosen name before it replaces the open design; false leaves the design
    // as it is and the list open. Unset, nothing is asked.
    std::function<bool(const QString &name)> mayReplaceDesign;

    QListWidget *List1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *DelKnop = nullptr;
    QPushButton *CancelKnop = nullptr;
    QPushButton *ExitKnop = nullptr;

signals:
    // A project was opened: the main window shows its name and board.
    void projectLoaded();

private:
    void fillList();
    void showCount();
    void openSelected();
    void deleteSelected();

    Algemeen &m_state;
    Dialogs &m_dialogs;
};
