// The record reader on any bytes: fields and numbers until the end, and the writer's round trip
// of every text it accepts.
#include "files/recordfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    RecordReader reader(bytes);
    for (int i = 0; i < 100000 && !reader.atEnd(); ++i) {
        if (i % 2)
            reader.number();
        else
            reader.field();
    }
    const QString text = DecodeWindows1252(bytes);
    RecordWriter writer;
    if (writer.text(text)) {
        writer.endRecord();
        RecordReader back(writer.bytes());
        if (back.field().value_or(QString()) != text)
            std::abort();
    }
    return 0;
}
