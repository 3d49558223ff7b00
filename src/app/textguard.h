#pragma once
// One rule for every field whose text goes into a project: a character the project does not
// keep (FirstRefusedCharacter: a double quote, a line break or other control character,
// anything outside Windows-1252) is not taken, whether typed or pasted, and a short Dutch
// message beside the field says why.

#include <QString>

class QLineEdit;

// Installs the rule on `edit` (for an editable combo box: on its lineEdit()).
void InstallStorableTextGuard(QLineEdit *edit);

// The message shown when `refused` was not taken.
QString UnstorableCharacterMessage(QChar refused);

// The name of the dynamic property on the guarded line edit that holds the last message shown
// (empty until a character was refused).
inline const char *StorableTextGuardProperty() { return "storableTextMessage"; }
