#pragma once
// Windows bitmap files that other programs read: 24 bits a pixel, rows bottom-up, each row
// padded to a multiple of four bytes, a BITMAPFILEHEADER and a BITMAPINFOHEADER.

#include <QByteArray>
#include <QImage>

// The whole file for `image`; an empty array for a null image.
QByteArray EncodeBmp24(const QImage &image);
