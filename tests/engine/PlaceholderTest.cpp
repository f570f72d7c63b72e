#include <gtest/gtest.h>
// Removed when the first engine tests land.
TEST(Engine, Builds) { SUCCEED(); }
