#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` whole or not at all: the old file stays as it was when anything
// fails. A link at `path` is refused, never written through. On failure returns false and, when
// `error` is given, says what went wrong.
bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr);
