#pragma once

struct Algemeen;

// The part of start-up that needs no window: the Data pictures, the default content, the
// default factors and station picture, then the settings file. Returns true when the settings
// file was read whole (the caller then applies the window colour); otherwise the settings file
// has been written anew from the values held now.
bool LoadStartState(Algemeen &state);
