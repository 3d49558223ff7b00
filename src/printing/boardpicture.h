#pragma once
// The board as a picture to show around: a PNG of the board picture at its full 2180 pixels or
// scaled down to a chosen width.

#include <QImage>
#include <QString>

constexpr int BoardPictureMinWidth = 100;

// The board scaled to `width` x `width` pixels (the board itself at its full width); a null
// image for a null board or a width outside BoardPictureMinWidth..the board's width.
QImage BoardPicture(const QImage &board, int width);

// Writes BoardPicture(board, width) as a PNG file to `path`, whole or not at all. False, with
// `error` saying in Dutch why, when nothing was written.
bool WriteBoardPicture(const QImage &board, int width, const QString &path, QString *error = nullptr);
