#pragma once
// One rule for every field whose text goes into a project: a character the project does not
// keep (FirstRefusedCharacter: a double quote, a line break or other control character,
// anything outside Windows-1252) is not taken, whether typed or pasted, and a short Dutch
// message beside the field says why.

#include <QString>
#include <functional>

class QLineEdit;

// Installs the rule on `edit` (for an editable combo box: on its lineEdit()). The message is
// shown as a tooltip below the field, or handed to `show` when given (a window whose buttons lie
// below the field shows it in a place of its own).
void InstallStorableTextGuard(QLineEdit *edit, std::function<void(const QString &message)> show = {});

// The message shown when `refused` was not taken.
QString UnstorableCharacterMessage(QChar refused);

// The name of the dynamic property on the guarded line edit that holds the last message shown
// (empty until a character was refused).
inline const char *StorableTextGuardProperty() { return "storableTextMessage"; }
