#pragma once
// The start screen's progress: a counter advanced by a timer, and the bar's
// width that follows from it.

// Ticks until the start screen stops counting.
inline constexpr int kStartScreenTicks = 100;

// Width of the bar after `counter` ticks in a frame `frameWidth` pixels wide:
// counter × (frameWidth ÷ 100), the factor in single precision, rounded to the
// nearest pixel (halves to even); the counter is held within 0…100.
int progressBarWidth(int counter, int frameWidth);
