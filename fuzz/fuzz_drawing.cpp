// The drawing file Tekening.json on any bytes: every entry it keeps names a square that has
// one, with a station picture 0..29, and what is kept is written and read back unchanged.
#include "fuzzsupport.h"
#include "files/drawingfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const DesignDrawing drawing = ReadDrawingFile(fuzz::Bytes(data, size));
    fuzz::RequireSoundDrawing(drawing);
    fuzz::Require(fuzz::SameDrawing(ReadDrawingFile(DrawingFileBytes(drawing)), drawing),
                  "a drawing read back differs");
    return 0;
}
