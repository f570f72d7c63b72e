#pragma once
// A wrapped text fitted into a box in the canvas's current font: the part of it that the box
// shows, cut with an ellipsis where the rest would run out of the box. No more of a text is laid
// out than a box of that size could ever show, so a text of any length costs about the same.
#include <cstddef>
#include <string>
#include <string_view>

class TvgCanvas;

// The most characters that a box shows of a text wrapped in the canvas's font, counting every
// character at least one pixel wide: whole lines that fit its height, each at most its width.
size_t vgTextBoxCapacity(TvgCanvas& canvas, float width, float height);

// The text when it fits the box, else its longest beginning that fits with "…" after it (a cut
// neither splits a character nor leaves blanks before the "…").
std::wstring vgTextFittedToBox(TvgCanvas& canvas, std::wstring_view text, float width, float height);
