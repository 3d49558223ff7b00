#pragma once
// Answers the program's questions from a script and records what it was asked.

#include "platform/dialogs.h"

#include <QStringList>
#include <deque>

class ScriptedDialogs : public Dialogs
{
public:
    std::deque<bool> yesNoAnswers;              // taken in order; Yes when the script runs out
    std::deque<std::optional<QString>> textAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    QStringList asked;                          // "title|text" of every question and message

    bool askYesNo(QWidget *, const QString &text, const QString &title, Icon) override
    {
        asked << title + QLatin1Char('|') + text;
        if (yesNoAnswers.empty())
            return true;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    void showMessage(QWidget *, const QString &text, const QString &title, Icon) override
    {
        asked << title + QLatin1Char('|') + text;
    }
    std::optional<QString> askText(QWidget *, const QString &prompt, const QString &title,
                                   const QString &) override
    {
        asked << title + QLatin1Char('|') + prompt;
        if (textAnswers.empty())
            return std::nullopt;
        auto answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }
    std::optional<QString> askFolder(QWidget *, const QString &title) override
    {
        asked << title + QLatin1String("|folder");
        if (folderAnswers.empty())
            return std::nullopt;
        auto answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
};
