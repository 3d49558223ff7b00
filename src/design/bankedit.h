#pragma once
// The bank of play money as an edit of the design: one step "speelgeld wijzigen" for a visit
// of the money designer that changed it.

#include "model/algemeen.h"

// Sets the bank (at most MaxBankNotes notes; an empty set is refused) and records the step.
// False when nothing changed.
bool SetBank(Algemeen &state, const std::vector<BankNote> &bank);

// Sets the card border colour the card designer and the card printouts use, as one step
// "kaartrand wijzigen". False when nothing changed.
bool SetCardBorderColour(Algemeen &state, const RgbColour &colour);
