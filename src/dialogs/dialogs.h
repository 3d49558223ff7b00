#pragma once
// Questions, messages and the input box. Windows ask through this interface, so a test can
// answer with a scripted stand-in.

#include <QString>
#include <optional>

class QWidget;

class Dialogs
{
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { Yes, No, Cancel };
    virtual ~Dialogs() = default;
    // Yes/No question; true for Yes. `defaultAnswer` is what Enter chooses: No where Yes would
    // throw work away.
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &title,
                          Icon icon = Icon::Question, Answer defaultAnswer = Answer::Yes) = 0;
    // Yes/No/Cancel question; Escape and the close box answer Cancel.
    virtual Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title,
                                  Answer defaultAnswer) = 0;
    virtual void showMessage(QWidget *parent, const QString &text, const QString &title,
                             Icon icon = Icon::None) = 0;
    // Input box; nothing when cancelled.
    virtual std::optional<QString> askText(QWidget *parent, const QString &prompt,
                                           const QString &title, const QString &initial) = 0;
    // Folder chooser; nothing when cancelled.
    virtual std::optional<QString> askFolder(QWidget *parent, const QString &title) = 0;
    // File chooser for a file to write, proposing `suggested` (a path); `filter` as
    // "Naam (*.ext)" and `suffix` is added when the user types none. Asks before replacing a
    // file. Nothing when cancelled.
    virtual std::optional<QString> askSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                                               const QString &filter, const QString &suffix) = 0;
    // File chooser for a file to read; nothing when cancelled.
    virtual std::optional<QString> askOpenFile(QWidget *parent, const QString &title, const QString &filter) = 0;
    // Whole-number input from `minimum` to `maximum`; nothing when cancelled.
    virtual std::optional<int> askNumber(QWidget *parent, const QString &prompt, const QString &title,
                                         int initial, int minimum, int maximum) = 0;
};

// The desktop's own message boxes and input box.
class QtDialogs : public Dialogs
{
public:
    bool askYesNo(QWidget *parent, const QString &text, const QString &title, Icon icon,
                  Answer defaultAnswer) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title,
                          Answer defaultAnswer) override;
    void showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> askText(QWidget *parent, const QString &prompt, const QString &title,
                                   const QString &initial) override;
    std::optional<QString> askFolder(QWidget *parent, const QString &title) override;
    std::optional<QString> askSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                                       const QString &filter, const QString &suffix) override;
    std::optional<QString> askOpenFile(QWidget *parent, const QString &title, const QString &filter) override;
    std::optional<int> askNumber(QWidget *parent, const QString &prompt, const QString &title, int initial,
                                 int minimum, int maximum) override;
};

// The title of every message box that names none of its own.
inline QString ProgramTitle() { return QStringLiteral("Vastgoed Atelier"); }
