#include "up/VersionNumber.h"
#include <gtest/gtest.h>

struct VersionCase {
  const char* text;
  uint32_t packed;
  friend std::ostream& operator<<(std::ostream& out, const VersionCase& c) { return out << '"' << c.text << '"'; }
};

class VersionNumberTest : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionNumberTest, Packs) { EXPECT_EQ(VersionNumber(GetParam().text), GetParam().packed); }

constexpr uint32_t kUnreadable = 0x01000000;

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionNumberTest,
    testing::Values(VersionCase{"1.2.3.4", 0x01020304}, VersionCase{"0.0.0.0", 0},
                    VersionCase{"1.0.10.100", 0x01000A64}, VersionCase{"200.0.0.0", 0xC8000000u},
                    VersionCase{"255.255.255.255", 0xFFFFFFFFu},
                    // Parts above 255 overlap their neighbours; the sum wraps at 32 bits.
                    VersionCase{"1.256.0.0", 0x02000000}, VersionCase{"0.0.1.300", 0x0000022C},
                    VersionCase{"257.0.0.0", 0x01000000}, VersionCase{"-1.0.0.0", 0xFF000000u},
                    // A final dot is a final line break, which adds no part.
                    VersionCase{"1.2.3.4.", 0x01020304},
                    VersionCase{"1..2.3", kUnreadable}, VersionCase{"1.2.3", kUnreadable},
                    VersionCase{"1.2.3.4.5", kUnreadable}, VersionCase{"", kUnreadable},
                    VersionCase{"a.b.c.d", kUnreadable}, VersionCase{"1.2.3.4x", kUnreadable},
                    VersionCase{"1.2. 3.4", kUnreadable}, VersionCase{"1.2.3.$4", kUnreadable},
                    VersionCase{"1.2.3.99999999999", kUnreadable}, VersionCase{"1.2.3.4..", kUnreadable}));
