#include "platform/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString titleOr(const QString &title) { return title.isEmpty() ? ProgramTitle() : title; }
}

bool QtDialogs::askYesNo(QWidget *parent, const QString &text, const QString &title, Icon icon,
                         Answer defaultAnswer)
{
    QMessageBox box(boxIcon(icon), titleOr(title), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Dialogs::Answer QtDialogs::askYesNoCancel(QWidget *parent, const QString &text, const QString &title,
                                          Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, titleOr(title), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(defaultAnswer == Answer::Yes  ? QMessageBox::Yes
                         : defaultAnswer == Answer::No ? QMessageBox::No
                                                       : QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

void QtDialogs::showMessage(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(boxIcon(icon), titleOr(title), text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtDialogs::askText(QWidget *parent, const QString &prompt,
                                          const QString &title, const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, titleOr(title), prompt, QLineEdit::Normal,
                                               initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::askFolder(QWidget *parent, const QString &title)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, titleOr(title));
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}
