#include "classlib/core/UnitGuard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs the calls in order ('i' initialise, 'f' finalise) and answers which of them ran their body.
std::string RanCalls(const std::string& calls) {
  TUnitGuard guard;
  std::string ran;
  for (char call : calls) {
    const bool runs = call == 'i' ? guard.Initializing() : guard.Finalizing();
    ran += runs ? call : '-';
  }
  return ran;
}

TEST(UnitGuard, InitialisesOnceAndFinalisesOnceOnlyAfterThat) {
  struct Case {
    const char* calls;
    const char* ran;
  } cases[] = {
      {"if", "if"},        // start-up, shut-down
      {"iif", "i-f"},      // a second start-up does nothing
      {"iff", "if-"},      // a second shut-down does nothing
      {"fif", "-if"},      // a shut-down before any start-up does nothing
      {"ifif", "if--"},    // no start-up again after the shut-down
      {"i", "i"},
  };
  for (const Case& c : cases) EXPECT_EQ(RanCalls(c.calls), c.ran) << c.calls;
}

}  // namespace
