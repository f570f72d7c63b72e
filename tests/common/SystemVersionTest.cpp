#include "common/SystemVersion.h"
#include <gtest/gtest.h>

// The test prefix reports Wine's default, Windows 7 (6.1).
TEST(IsVistaOrLater, HoldsOnTheTestSystem) { EXPECT_TRUE(IsVistaOrLater()); }
