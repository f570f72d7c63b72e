#pragma once
// A device-independent bitmap as another program hands it over (the clipboard's CF_DIB and
// CF_DIBV5 blocks): a header, colour masks or a colour table, then the rows. The block comes from
// outside, so every size it claims is checked against the bytes there really are before any
// pixel is read; a short or inconsistent block is refused.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct TDibPixels {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;  // premultiplied 0xAARRGGBB, rows from the top, no padding
};

// 24- and 32-bit pictures, uncompressed or by colour masks; nothing for any other block. A
// 32-bit picture whose alpha bytes are all zero comes out opaque (programs that don't use alpha
// leave them so).
std::optional<TDibPixels> DecodeDibBlock(std::span<const uint8_t> block);
