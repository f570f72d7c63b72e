#pragma once
// The stack blur shared by the bitmap effects and the blurred shapes: a triangular window of
// 2r + 1 pixels runs along every row, then along every column, over all four channels of the
// premultiplied pixels. Pixels beyond the edges repeat the edge pixel.
class TvgBitmap;

// Blurs in place; a radius of 0 or less does nothing.
void BlurBitmap(TvgBitmap& bitmap, int radius);
