#pragma once
// Windows bitmap files that other programs read: 24 bits a pixel, rows bottom-up, each row
// padded to a multiple of four bytes, a BITMAPFILEHEADER and a BITMAPINFOHEADER.

#include <QByteArray>
#include <QImage>

// The whole file for `image`; an empty array for a null image.
QByteArray EncodeBmp24(const QImage &image);

// True when `head`, the first bytes of a file of `fileSize` bytes, is a Windows bitmap whose
// header promises more rows than the file holds. Compressed bitmaps, whose size the header does
// not fix, and files of other kinds are never short here.
bool BmpFileIsShort(const QByteArray &head, qint64 fileSize);
