#pragma once
// The shared state of the open design and the program-wide settings. One object is made in
// main.cpp and handed by reference to every window that reads or writes it.

#include "model/boardrules.h"
#include "model/programpaths.h"
#include "model/owngame.h"
#include "model/rgbcolour.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>


// The editable texts of one board square.
struct BoardSquare {
    QString Street;  // "Straatnaam": street, or the station's name
    QString City;    // "Plaats"
    QString Amount;  // "Huur Onbebouwd", e.g. "€ 220,-", stored as entered
};

constexpr int CardSlots = 17;    // 0..16, cards 1..16
constexpr int FactorSlots = 13;  // 0..12, factors 1..12

using CardDeck = std::array<QString, CardSlots>;

// What a saved project holds (besides the two pictures, which live in DesignPictures).
struct Project {
    QString ProjectName;                        // empty while a new design has not been saved
    std::array<BoardSquare, SquareSlots> Board; // slot 0 exists and is saved, never shown
    CardDeck KansDeck;
    CardDeck FondsDeck;
    quint8 StationImage = 0;                    // 0..29
};

// How a square was last placed on the board: the texts and station picture it was drawn
// with. Kept so that the board can be drawn again at a printer's resolution.
struct PlacedSquare {
    QString street;
    QString city;
    QString amount;
    int stationImage = 0;
};

// How a deed was last pasted onto the deed sheet.
struct PastedDeed {
    DeedKind kind = DeedKind::Street;
    QString street;
    QString city;
    float base = 0.0f;
    std::array<qint32, FactorSlots> factors{};
    int stationImage = 0;
};

// The drawing behind the board and the deed sheet, square by square and deed by deed; an
// empty slot prints from the pixels.
struct DesignDrawing {
    std::array<std::optional<PlacedSquare>, SquareSlots> squares;
    std::array<std::optional<PastedDeed>, SquareSlots> deeds;
};

// The pictures that belong to the design, held for the main window.
struct DesignPictures {
    QImage Speelbord;     // the finished board, 2180 x 2180
    QImage EigenDomsPic;  // the deed sheet of 28 slots
    QImage TreinPic;      // strip of 30 station pictures, 160 x 135 each
    QString TreinPicTown; // the town its signs name; empty: each station its own name (Data-4)
    QImage Overview;      // the clickable board overview, 400 x 400
    QString OverviewTitle; // the title its banner shows; empty: the program's own (Data-3)
    QImage ImagePic;      // the picture of the utility or tax square last composed
};

class DesignHistory;

struct Algemeen {
    Project project;

    // Fixed board facts, set by LoadDefaultContent, never saved.
    std::array<RgbColour, SquareSlots> squareColour{};
    std::array<QPoint, SquareSlots> squarePosition{};

    // Program-wide settings, kept in the settings file.
    RgbColour WindowColour{220, 220, 190};
    std::array<qint32, FactorSlots> RentFactors{};

    // Transient selection and view state.
    qint32 CurrentSquare = 0;
    bool CurrentIsStreet = false;
    quint8 CurrentSide = 1;
    quint8 ActiveSubject = 0;
    float DeedBaseRent = 0.0f;
    RgbColour CardBorderColour{200, 250, 200};
    // The game's own title, town and bank, kept with the project in Spel.json.
    OwnGame game{QString(), QString(), QString(), DefaultBank()};
    bool UnsavedChanges = false;

    DesignPictures pictures;
    DesignDrawing drawing;
    // Where changes to the design are recorded to be undone; none outside the main window.
    DesignHistory *history = nullptr;

    // Where Data/, Help/, Projecten/ and the settings file are (see programpaths.h); a folder
    // assigned here stands for a portable copy in that folder.
    ProgramPaths Paths;

    QString dataPath(const QString &fileName) const { return Paths.dataFile(fileName); }
    QString settingsPath() const { return Paths.settingsFile(); }
    QString preferencesPath() const { return Paths.preferencesFile(); }

    // Whether the designed pictures are printed at the printer's resolution.
    bool SharpPrinting = true;
};

// The default rent factors 1..12 (slot 0 is 0).
std::array<qint32, FactorSlots> DefaultRentFactors();

constexpr RgbColour DefaultWindowColour{220, 220, 190};
