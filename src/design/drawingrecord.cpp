#include "design/drawingrecord.h"

#include "drawing/deedsheet.h"
#include "model/rentfactors.h"

DesignDrawing DefaultDesignDrawing(const Algemeen &state)
{
    Algemeen design = state;
    design.RentFactors = DefaultRentFactors();
    design.project.StationImage = 0;
    DesignDrawing drawing;
    for (int n = 1; n <= 36; ++n) {
        const BoardSquare &square = design.project.Board[n];
        if (IsComposableSquare(n))
            drawing.squares[n] = PlacedSquare{square.Street, square.City, square.Amount, 0};
        if (HasDeed(n))
            drawing.deeds[n] = DefaultDeedRecord(design, n);
    }
    return drawing;
}

void RecordPlacedSquare(Algemeen &state, int n, const BoardSquare &square)
{
    if (n < 1 || n > 36 || !IsComposableSquare(n))
        return;
    state.drawing.squares[n] = PlacedSquare{square.Street, square.City, square.Amount,
                                            int(state.project.StationImage)};
}
