// LeadingNumber, the factor conversion, the base rent of an amount text and the amount text of
// any float: never a crash, and an amount text is always "€ ",number,",-" with a short number.
#include "drawing/deeddrawing.h"
#include "model/rentfactors.h"
#include "files/recordfile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = DecodeWindows1252(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    LeadingNumber(text);
    FactorFromText(text);
    const double base = BaseRentFromAmountText(text);
    (void)base;
    if (size >= 8) {
        float value;
        qint32 factor;
        std::memcpy(&value, data, 4);
        std::memcpy(&factor, data + 4, 4);
        if (const auto amount = DeedAmount(value, factor)) {
            const QString shown = AmountText(*amount);
            if (!shown.startsWith(QString::fromUtf8("€ ")) || !shown.endsWith(QStringLiteral(",-"))
                || shown.size() > 20)
                std::abort();
        }
    }
    return 0;
}
