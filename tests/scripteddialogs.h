#pragma once
// Answers the program's questions from a script and records what it was asked.

#include "dialogs/dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>

class ScriptedDialogs : public Dialogs
{
public:
    std::deque<bool> yesNoAnswers;              // taken in order; Yes when the script runs out
    std::deque<Answer> yesNoCancelAnswers;      // taken in order; Cancel when the script runs out
    std::deque<std::optional<QString>> textAnswers;    // taken in order; Cancel when run out
    std::deque<std::optional<QString>> folderAnswers;
    std::deque<std::optional<QString>> fileAnswers;    // save and open file choosers, in order
    std::deque<std::optional<int>> numberAnswers;
    QStringList asked;                          // "title|text" of every question and message
    QList<Answer> defaults;                     // the default button of every question asked
    std::function<void()> beforeAnswer;         // run before each Yes/No is answered

    bool askYesNo(QWidget *, const QString &text, const QString &title, Icon, Answer defaultAnswer) override
    {
        asked << title + QLatin1Char('|') + text;
        defaults << defaultAnswer;
        if (beforeAnswer)
            beforeAnswer();
        return take(yesNoAnswers, true);
    }
    Answer askYesNoCancel(QWidget *, const QString &text, const QString &title, Answer defaultAnswer) override
    {
        asked << title + QLatin1Char('|') + text;
        defaults << defaultAnswer;
        return take(yesNoCancelAnswers, Answer::Cancel);
    }
    void showMessage(QWidget *, const QString &text, const QString &title, Icon) override
    {
        asked << title + QLatin1Char('|') + text;
    }
    std::optional<QString> askText(QWidget *, const QString &prompt, const QString &title,
                                   const QString &) override
    {
        asked << title + QLatin1Char('|') + prompt;
        return take(textAnswers, std::optional<QString>());
    }
    std::optional<QString> askFolder(QWidget *, const QString &title) override
    {
        asked << title + QLatin1String("|folder");
        return take(folderAnswers, std::optional<QString>());
    }
    std::optional<QString> askSaveFile(QWidget *, const QString &title, const QString &suggested,
                                       const QString &, const QString &) override
    {
        asked << title + QLatin1String("|save ") + suggested;
        return take(fileAnswers, std::optional<QString>());
    }
    std::optional<QString> askOpenFile(QWidget *, const QString &title, const QString &) override
    {
        asked << title + QLatin1String("|open");
        return take(fileAnswers, std::optional<QString>());
    }
    std::optional<int> askNumber(QWidget *, const QString &prompt, const QString &title, int, int, int) override
    {
        asked << title + QLatin1Char('|') + prompt;
        return take(numberAnswers, std::optional<int>());
    }

private:
    template <typename T>
    static T take(std::deque<T> &answers, T whenRunOut)
    {
        if (answers.empty())
            return whenRunOut;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
