#include "tips/rpc/HproseValue.h"

#include <gtest/gtest.h>

#include "classlib/core/SysUtils.h"

namespace {

struct VariantCase {
  const char* name;
  HproseValue value;
  Variant expected;
};

void PrintTo(const VariantCase& c, std::ostream* out) { *out << c.name; }

class ToVariantTest : public testing::TestWithParam<VariantCase> {};

TEST_P(ToVariantTest, GivesTheMatchingVariant) {
  const Variant converted = ToVariant(GetParam().value);
  EXPECT_EQ(converted.Type(), GetParam().expected.Type());
  EXPECT_TRUE(converted == GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToVariantTest,
    testing::Values(
        VariantCase{"Null", HproseValue(), Variant::Null()},
        VariantCase{"Boolean", HproseValue::Boolean(true), Variant(true)},
        VariantCase{"SmallInteger", HproseValue::Integer(-7), Variant(std::int32_t(-7))},
        VariantCase{"LargeInteger", HproseValue::Integer(1LL << 40), Variant(std::int64_t(1LL << 40))},
        VariantCase{"Double", HproseValue::Double(1.5), Variant(1.5)},
        VariantCase{"String", HproseValue::String(L"\u4F60\u597D"), Variant(std::wstring(L"\u4F60\u597D"))},
        VariantCase{"Bytes", HproseValue::Bytes("\x01\x02"), Variant(std::string("\x01\x02"))}),
    [](const testing::TestParamInfo<VariantCase>& info) { return info.param.name; });

TEST(ToVariant, ListsAndMapsHaveNoVariantForm) {
  EXPECT_THROW(ToVariant(HproseValue::List({})), EVariantError);
  EXPECT_THROW(ToVariant(HproseValue::Map({})), EVariantError);
}

TEST(HproseValue, ReadingAnotherKindRaisesAConversionError) {
  EXPECT_THROW(HproseValue().AsString(), EConvertError);
  EXPECT_THROW(HproseValue::String(L"1").AsInteger(), EConvertError);
}

}  // namespace
