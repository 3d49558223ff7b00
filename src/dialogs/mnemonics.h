#pragma once
// Keyboard markers for menus and buttons: Alt+letter opens a menu of the bar or presses a
// button, a letter picks an entry of an open menu. The captions keep their words; only the
// marker is added.

#include <QList>

class QAction;
class QWidget;

// Gives every entry of `actions` (a menu bar's or a menu's) and of their menus a marker: the
// first letter of a word that no other entry of the same menu has, else the first free letter
// of the caption. Entries that have a marker already keep it and reserve its letter.
void AddMnemonics(const QList<QAction *> &actions);

// Gives every button of `window` (push buttons and check boxes) a marker in the same way,
// unique in the window: the letters of its menu bar, if it has one, stay the menus'.
void AddButtonMnemonics(QWidget *window);

// The caption as shown, without its marker.
QString WithoutMnemonic(QString caption);
