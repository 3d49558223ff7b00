#pragma once
// The settings file "Vastgoed.ini" in the settings folder (see programpaths.h): window colour,
// station picture and the twelve rent factors.

#include <QByteArray>
#include <QString>

struct Algemeen;

// Reads the settings into `state`. Values read before a failure are kept; what follows keeps
// the value it had. A value out of range is clamped into range (colours 0..255, station
// picture 0..29) or, for a factor beyond 32 bits, keeps the value it had; either counts as a
// failure, so the caller rewrites the file complete. Returns true when the file was whole
// and sound.
bool ReadSettingsFile(const QString &path, Algemeen &state);
bool ReadSettings(const QByteArray &bytes, Algemeen &state);
QByteArray SettingsFileBytes(const Algemeen &state);
bool WriteSettingsFile(const QString &path, const Algemeen &state, QString *error = nullptr);
