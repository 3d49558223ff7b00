#pragma once

struct Algemeen;

// Writes the complete default design into the shared state: the texts, colours and positions
// of the 36 squares and both decks of 16 cards. Pictures, the project name, the station
// picture, the window colour and the rent factors are left to the caller.
void LoadDefaultContent(Algemeen &state);
