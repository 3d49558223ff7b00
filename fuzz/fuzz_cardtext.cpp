// The card text wrapping and layout on any text: never a crash or a hang, and no line wider
// than the box unless it is a single character.
#include "files/recordfile.h"
#include "drawing/carddrawing.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);  // fonts need the application
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4000)
        return 0;
    const QString text = DecodeWindows1252(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    const QStringList lines = WrapLines(text);
    const QFontMetrics metrics(CardTextFont());
    for (const QString &line : lines)
        if (line.trimmed().size() > 1 && metrics.horizontalAdvance(line.trimmed()) > CardTextWidth)
            std::abort();
    QImage card = NewCardPicture();
    LayoutCardText(card, text);
    return 0;
}
