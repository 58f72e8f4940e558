#pragma once

namespace z8::ui {

// How many pixels of a bar `length` long the position fills between the
// bounds: the position is clamped into them, and equal or reversed bounds
// fill nothing.
int FilledLength(int position, int lower, int upper, int length);

}  // namespace z8::ui
