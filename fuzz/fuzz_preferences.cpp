// Voorkeuren.ini on any bytes: sharp printing is off only where a line says so, and the
// preferences read are written and read back unchanged, all inside the reader's folder.
#include "files/preferences.h"
#include "fuzzsupport.h"

namespace {
fuzz::Scratch *scratch = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    scratch = new fuzz::Scratch;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);
    scratch->reset();
    scratch->write(QStringLiteral("Voorkeuren.ini"), bytes);
    const Preferences read = ReadPreferences(scratch->path(QStringLiteral("Voorkeuren.ini")));
    if (!bytes.contains("ScherpAfdrukken=0"))
        fuzz::Require(read.sharpPrinting, "sharp printing off without a line saying so");
    const QString again = scratch->path(QStringLiteral("Opnieuw.ini"));
    fuzz::Require(WritePreferences(again, read), "preferences not written");
    fuzz::Require(ReadPreferences(again).sharpPrinting == read.sharpPrinting, "preferences read back differ");
    scratch->requireNothingOutside();
    return 0;
}
