#include <gtest/gtest.h>
#include "classlib/core/SysUtils.h"

TEST(Exception, KeepsItsMessage) {
  EXPECT_EQ(EConvertError("bad").Message(), "bad");
}
