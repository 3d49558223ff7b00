#pragma once

#include <QImage>
#include <QString>

struct Algemeen;

// Loads a picture file as Format_RGB32; a missing or unreadable file, a bitmap that holds
// fewer rows than its header promises, or a PNG file with a chunk cut short or no end chunk,
// gives a null image.
QImage LoadPicture(const QString &path);

// Loads the Data picture of a utility or tax square n into `ImagePic`, read anew each time the
// square is composed. A picture that cannot be read leaves `ImagePic` as it was. False when
// nothing was loaded.
bool LoadSquarePicture(Algemeen &state, int n);
