#pragma once
// One title deed made from a square's texts, as the deed designer makes it when it opens: the
// picture and the record it is drawn again from. The deed designer and the edits that make
// every deed at once both make their deeds here.

#include "model/algemeen.h"

#include <QImage>
#include <optional>

struct MadeDeed {
    QImage picture;             // 200 x 280
    PastedDeed record;          // what it is drawn with
    std::optional<float> base;  // the base rent read from the amount; nothing when too large
};

// The base rent a deed is drawn with for `amountText` (amount / 5); nothing when it does not
// fit a 32-bit float (the deed's amount rows stay empty then).
std::optional<float> DeedBaseFor(const QString &amountText);

// The record the deed of square n gets from these texts, with the rent factors and station
// picture of `state`. Square n must have a deed (DeedSheetSlot).
PastedDeed DeedRecordFor(const Algemeen &state, int n, const QString &street, const QString &city,
                         const QString &amountText);

// The deed of square n drawn from these texts. `utilityPicture` is the picture of a utility
// square (water works or electricity company).
MadeDeed MakeDeed(const Algemeen &state, int n, const QString &street, const QString &city,
                  const QString &amountText, const QImage &utilityPicture = QImage());
