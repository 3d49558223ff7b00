#include "model/defaultcontent.h"

#include "model/algemeen.h"
#include "model/boardrules.h"

namespace {
struct DefaultSquare {
    int n;
    const char16_t *street;
    const char16_t *city;
    const char16_t *amount;
    RgbColour colour;
};

constexpr RgbColour red{255, 0, 0}, yellow{255, 255, 0}, green{0, 136, 0}, blue{0, 0, 196},
    purple{105, 0, 61}, lightBlue{17, 207, 255}, pink{206, 47, 202}, brown{183, 119, 13};

// Squares that carry no text at all (the six card squares) are not listed.
const DefaultSquare squares[] = {
    {1, u"A-Kerkhof", u"Groningen", u"€ 220,-", red},
    {3, u"Groote Markt", u"Groningen", u"€ 220,-", red},
    {4, u"Heerenstraat", u"Groningen", u"€ 240,-", red},
    {5, u"Station Noord", u"", u"€ 200,-", {}},
    {6, u"Spui", u"'S-Gravenhage", u"€ 260,-", yellow},
    {7, u"Plein", u"'S-Gravenhage", u"€ 260,-", yellow},
    {8, u"", u"", u"€ 150,-", {}},
    {9, u"Lange Poten", u"'S-Gravenhage", u"€ 280,-", yellow},
    {10, u"Hofplein", u"Rotterdam", u"€ 300,-", green},
    {11, u"Blaak", u"Rotterdam", u"€ 300,-", green},
    {13, u"Coolsingel", u"Rotterdam", u"€ 320,-", green},
    {14, u"Station Oost", u"", u"€ 200,-", {}},
    {16, u"Leidschestraat", u"Amsterdam", u"€ 350,-", blue},
    {17, u"", u"", u"€ 100,-", {}},
    {18, u"Kalverstraat", u"Amsterdam", u"€ 400,-", blue},
    {19, u"Dorpstraat", u"Ons Dorp", u"€ 60,-", purple},
    {21, u"Brink", u"Ons Dorp", u"€ 60,-", purple},
    {22, u"", u"", u"€ 200,-", {}},
    {23, u"Station Zuid", u"", u"€ 200,-", {}},
    {24, u"Steenstraat", u"Arnhem", u"€ 100,-", lightBlue},
    {26, u"Ketelstraat", u"Arnhem", u"€ 100,-", lightBlue},
    {27, u"Velperplein", u"Arnhem", u"€ 120,-", lightBlue},
    {28, u"Barteljorisstraat", u"Haarlem", u"€ 140,-", pink},
    {29, u"", u"", u"€ 150,-", {}},
    {30, u"Zijlweg", u"Haarlem", u"€ 140,-", pink},
    {31, u"Houtstraat", u"Haarlem", u"€ 160,-", pink},
    {32, u"Station West", u"", u"€ 200,-", {}},
    {33, u"Neude", u"Utrecht", u"€ 180,-", brown},
    {35, u"Bilstraat", u"Utrecht", u"€ 180,-", brown},
    {36, u"Vreeburg", u"Utrecht", u"€ 200,-", brown},
};

// Lines of a card are separated by " / ".
const char16_t *const kansCards[16] = {
    u"Ga drie plaatsen terug",
    u"Verlaat de gevangenis zonder te betalen",
    u"Betaal schoolgeld € 150,-",
    u"Reis naar Station West / Passeert u Start, dan ontvangt u € 200,-",
    u"Boete voor te snel rijden / Betaal € 150,-",
    u"Laat uw huizen herstellen / Betaal € 50,- per huis / Betaal € 100,- per hotel",
    u"Uw bouwverzekering vervalt / U ontvangt € 500,-",
    u"Ga verder naar Heerenstraat / Passeert u Start, dan ontvangt u € 200,-",
    u"De bank betaalt u € 200,- dividend",
    u"Aangehouden wegens dronkenschap / Betaal € 50,- boete",
    u"Ga verder naar Barteljorisstraat / Passeert u Start, dan ontvangt u € 200,-",
    u"Ga direct naar de gevangenis / Ga niet langs Start / U ontvangt geen € 200,-",
    u"Ga verder naar Start",
    u"U wordt aangeslagen voor straatwerk / Betaal € 100,- per huis / en € 500,- per hotel",
    u"Ga verder naar Kalverstraat",
    u"U hebt een kruiswoordpuzzel gewonnen / U ontvangt € 500,-",
};

const char16_t *const fondsCards[16] = {
    u"Door verkoop van aandelen ontvangt u € 200,-",
    u"Betaal de rekening van de dokter € 100,-",
    u"Betaal het ziekenhuis € 500,-",
    u"Ga verder naar Start",
    u"Uw lijfrente vervalt / U ontvangt € 500,-",
    u"U ontvangt rente van 7% preferente aandelen/ € 250,-",
    u"Teruggave inkomstenbelasting / U ontvangt € 200,-",
    u"Ga direct naar de gevangenis / Ga niet langs Start / U ontvangt geen € 200,-",
    u"U erft € 1000,-",
    u"Vergissing van de bank in uw voordeel / U ontvangt € 1000,-",
    u"Betaal uw verzekeringspremie € 500,-",
    u"Betaal € 100,- boete of neem een Kans kaart",
    u"U bent jarig en ontvangt / van iedere speler € 20,-",
    u"Ga terug naar Dorpstraat",
    u"U hebt de tweede prijs gewonnen / in een schoonheidswedstrijd / U ontvangt € 500,-",
    u"Verlaat de gevangenis zonder te betalen",
};
}

void LoadDefaultContent(Algemeen &state)
{
    for (int i = 0; i < SquareSlots; ++i) {
        state.project.Board[i] = BoardSquare{};
        state.squarePosition[i] = QPoint(0, 0);
    }
    for (int n = 1; n <= 36; ++n)
        state.squarePosition[n] = DefaultSquarePosition(n);
    for (const DefaultSquare &s : squares) {
        BoardSquare &b = state.project.Board[s.n];
        b.Street = QString::fromUtf16(s.street);
        b.City = QString::fromUtf16(s.city);
        b.Amount = QString::fromUtf16(s.amount);
        if (IsStreet(s.n))
            state.squareColour[s.n] = s.colour;
    }
    for (int i = 0; i < 16; ++i) {
        state.project.KansDeck[i + 1] = QString::fromUtf16(kansCards[i]);
        state.project.FondsDeck[i + 1] = QString::fromUtf16(fondsCards[i]);
    }
}
