// Writing 80-bit extended values of random sign, exponent and mantissa as the object text form
// writes them, and reading the texts back. Prints microseconds per value for each.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "classlib/core/FloatText.h"

int main() {
  constexpr int kValues = 2000;
  std::mt19937_64 random(1);
  std::vector<TExtended80> values;
  for (int i = 0; i < kValues; ++i) {
    const uint16_t exponent = uint16_t(random() % 0x7FFE + 1);
    values.push_back(TExtended80::Make(random() & 1, exponent, random() | uint64_t(1) << 63));
  }
  using Clock = std::chrono::steady_clock;
  std::vector<std::string> texts;
  const auto written = Clock::now();
  for (const TExtended80& value : values) texts.push_back(ExtendedToStreamText(value));
  const auto read = Clock::now();
  int readBack = 0;
  for (const std::string& text : texts) {
    TExtended80 value;
    readBack += TryTextToExtended(text, value);
  }
  const auto end = Clock::now();
  auto perValue = [](Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count() / kValues; };
  std::printf("extended to text: %.1f us per value\n", perValue(read - written));
  std::printf("text to extended: %.1f us per value (%d read back)\n", perValue(end - read), readBack);
}
