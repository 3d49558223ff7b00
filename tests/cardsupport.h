#pragma once
// What the card and money designers' tests share: the colours a card and a note are drawn in,
// where a card's texts lie, and a designer's surroundings with the picture strip in Data.
#include "drawing/banknoteart.h"
#include "testwindow.h"

#include <QDir>
#include <QTemporaryDir>

const QColor background(225, 239, 217);
const QColor grey(160, 160, 160);
const QColor dark(80, 80, 80);
const RgbColour startBorder{200, 250, 200};

// The box around every pixel of `image` inside `area` that is darker than `limit` (text).
inline QRect inkBox(const QImage &image, const QRect &area, int limit = 128)
{
    return boxWhere(image, area, [&](QRgb c) { return qGray(c) < limit; });
}

// The inside of the card, within the dark inner outlines, below the title.
const QRect textArea(16, 60, 288, 124);
const QRect titleArea(16, 16, 288, 60);
const QColor noteYellow(255, 255, 160);

// A program folder whose Data holds the Euro picture strip, made once for all tests.
inline QString folderWithStrip()
{
    static QTemporaryDir folder;
    static bool made = false;
    if (!made) {
        QDir(folder.path()).mkpath(QStringLiteral("Data"));
        DrawBanknoteStrip().save(folder.filePath(QStringLiteral("Data/Data-9.vgx")), "PNG");
        made = true;
    }
    return folder.path();
}

// A designer's surroundings, with the Euro picture strip in Data when asked.
struct Designer : DesignerSetup {
    explicit Designer(int subject = 1, bool withStrip = false) : DesignerSetup(subject)
    {
        if (withStrip)
            state.Paths = folderWithStrip();
    }
    // Makes the current printer a PDF file with no margins.
    QString printToFile()
    {
        const QString out = folder.filePath("printed.pdf");
        printToPdfFile(printers, out);
        return out;
    }
};
