#include "dialogs/dialogs.h"

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

std::optional<QString> QtDialogs::askSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                                              const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent, titleOr(title), suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::askOpenFile(QWidget *parent, const QString &title, const QString &filter)
{
    const QString file = QFileDialog::getOpenFileName(parent, titleOr(title), QString(), filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<int> QtDialogs::askNumber(QWidget *parent, const QString &prompt, const QString &title,
                                        int initial, int minimum, int maximum)
{
    bool ok = false;
    const int number = QInputDialog::getInt(parent, titleOr(title), prompt, initial, minimum, maximum, 1, &ok);
    if (!ok)
        return std::nullopt;
    return number;
}
