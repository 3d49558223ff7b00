#pragma once
// Spel.json in the project folder: the game's own title, subtitle and town, the bank of play
// money and the card border colour. UTF-8 JSON, written whole with the other project files.
// A project without it opens with the defaults, as before the file existed.

#include "model/owngame.h"

#include <QByteArray>
#include <optional>

inline QString GameFileName() { return QStringLiteral("Spel.json"); }

struct GameFile {
    OwnGame game;
    RgbColour cardBorder{200, 250, 200};
};

QByteArray GameFileBytes(const GameFile &file);
// Never trusts the bytes: nothing for a file that is not ours; texts are cut to their
// length, numbers kept in range, notes that make no sense left out.
std::optional<GameFile> ReadGameFile(const QByteArray &bytes);
