#pragma once
// The program's own preferences, in a file of their own beside the settings file (which keeps
// its fixed lines): for now whether printing draws the designed pictures at the printer's
// resolution ("Scherp afdrukken").

#include <QString>

struct Preferences {
    bool sharpPrinting = true;
};

// A missing or unreadable file, or a line not understood, gives the defaults for what it lacks.
Preferences ReadPreferences(const QString &path);
// Written whole or not at all; false (with `error`) when it could not be written.
bool WritePreferences(const QString &path, const Preferences &preferences, QString *error = nullptr);

// The highest resolution the printers are asked to draw at: above it a home printer gains
// nothing and a job grows large.
constexpr int PrinterSharpDpiCap = 600;
