#include "design/bankedit.h"

#include "design/undocommands.h"

namespace {
class BankStep : public DesignStep
{
public:
    explicit BankStep(Algemeen &state)
        : DesignStep(state, QStringLiteral("speelgeld wijzigen"), true), m_bank(state.game.bank)
    {
    }

protected:
    void exchange() override { std::swap(m_bank, m_state.game.bank); }

private:
    std::vector<BankNote> m_bank;
};

class BorderStep : public DesignStep
{
public:
    explicit BorderStep(Algemeen &state)
        : DesignStep(state, QStringLiteral("kaartrand wijzigen"), true), m_colour(state.CardBorderColour)
    {
    }

protected:
    void exchange() override { std::swap(m_colour, m_state.CardBorderColour); }

private:
    RgbColour m_colour;
};
}

bool SetBank(Algemeen &state, const std::vector<BankNote> &bank)
{
    if (bank.empty() || bank == state.game.bank)
        return false;
    auto step = std::make_unique<BankStep>(state);
    state.game.bank.assign(bank.begin(), bank.begin() + qMin<qsizetype>(qsizetype(bank.size()), MaxBankNotes));
    RecordStep(state, std::move(step));
    return true;
}

bool SetCardBorderColour(Algemeen &state, const RgbColour &colour)
{
    if (colour == state.CardBorderColour)
        return false;
    auto step = std::make_unique<BorderStep>(state);
    state.CardBorderColour = colour;
    RecordStep(state, std::move(step));
    return true;
}
