#pragma once

// A colour as red, green and blue components, each 0..255.
struct RgbColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RgbColour &o) const { return red == o.red && green == o.green && blue == o.blue; }
    bool operator!=(const RgbColour &o) const { return !(*this == o); }
};
