#pragma once
// The game's own name as an edit of the design: the title and subtitle on the board's centre
// banner and the town on the station signs, drawn by the artwork's own code and undone as one
// step "spel en plaats wijzigen".

#include "model/algemeen.h"

// Sets the title, subtitle and town (empty: the program's own) and redraws what shows them:
// the banner on the board, the strip of station pictures, and every station square and
// station deed that still shows exactly what its record draws. A station changed by another
// tool keeps its pixels. Records one undo step; false when nothing changed.
bool SetGameNames(Algemeen &state, const QString &title, const QString &subtitle, const QString &town);

// Makes the station strip name the design's town (after a project is opened): drawn for a
// town, Data-4 for none; leaves the strip alone when it already names that town. The
// overview's banner shows the design's title likewise.
void RefreshGamePictures(Algemeen &state);
