#pragma once
#include <cstdint>
#include <string>

// Packs "a.b.c.d" into (a shl 24) + (b shl 16) + (c shl 8) + d, wrapping at 32 bits.
// Anything that is not four decimal numbers packs like 1.0.0.0 (16777216).
uint32_t VersionNumber(const std::string& text);
