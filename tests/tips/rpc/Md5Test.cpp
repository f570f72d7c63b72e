#include "tips/rpc/Md5.h"

#include <gtest/gtest.h>

namespace {

struct DigestCase {
  std::string text;
  const char* hex;
};

void PrintTo(const DigestCase& c, std::ostream* out) { *out << testing::PrintToString(c.text); }

class MD5OfStringTest : public testing::TestWithParam<DigestCase> {};

TEST_P(MD5OfStringTest, PrintsTheRfc1321Digest) {
  EXPECT_EQ(MD5ToHex(MD5OfString(GetParam().text)), GetParam().hex);
}

// The published test suite, plus lengths around the padding boundary (55/56/64 bytes) and
// bytes of the 8-bit code page.
INSTANTIATE_TEST_SUITE_P(Cases, MD5OfStringTest,
    testing::Values(
        DigestCase{"", "D41D8CD98F00B204E9800998ECF8427E"},
        DigestCase{"a", "0CC175B9C0F1B6A831C399E269772661"},
        DigestCase{"abc", "900150983CD24FB0D6963F7D28E17F72"},
        DigestCase{"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        DigestCase{"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        DigestCase{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
                   "D174AB98D277D9F5A5611C2C9F419D9F"},
        DigestCase{"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
                   "57EDF4A22BE3C955AC49DA2E2107B67A"},
        DigestCase{std::string(55, 'x'), "04364420E25C512FD958A70738AA8F72"},
        DigestCase{std::string(56, 'x'), "668A72D5BA17F08E62DABCAFAD6DB14B"},
        DigestCase{std::string(64, 'x'), "C1BB4F81D892B2D57947682AEB252456"},
        DigestCase{"1a1", "FE45897650BCF550C9DEFC4520AB3313"},
        DigestCase{"\xC4\xE3\xBA\xC3", "B94AE3C6D892B29CF48D9BEA819B27B9"}));

TEST(MD5ToHex, PrintsHighNibbleFirstInUpperCase) {
  TMD5Digest digest{};
  digest[0] = 0x0A;
  digest[15] = 0xF1;
  EXPECT_EQ(MD5ToHex(digest), "0A0000000000000000000000000000F1");
}

}  // namespace
