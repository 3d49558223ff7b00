#pragma once

// Waits at least `seconds` of elapsed time while pending window events are processed.
void Pause(float seconds);
