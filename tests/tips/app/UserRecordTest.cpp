#include "tips/app/UserRecord.h"

#include <gtest/gtest.h>

#include <string>

#include "TestTexts.h"
#include "classlib/core/SysUtils.h"

namespace {

TEST(UserRecord, ReadsTheFourMembersAndIgnoresTheRest) {
  const TUserRecord user = DecodeUserRecord(
      EncodeBase64(R"({"other":{"id":"x"},"id":"7","account":"a@b","nickname":"Nick","thumb":"http://x/t.png"})"));
  EXPECT_EQ(user.id, "7");
  EXPECT_EQ(user.account, "a@b");
  EXPECT_EQ(user.nickname, "Nick");
  EXPECT_EQ(user.thumb, "http://x/t.png");
}

TEST(UserRecord, ReadsTextsInTheProgramsCodePage) {
  const TUserRecord user = DecodeUserRecord(EncodeBase64(Gbk(R"({"id":"1","nickname":"小明"})")));
  EXPECT_EQ(user.nickname, Gbk("小明"));
}

TEST(UserRecord, GivesMembersThatAreNoTextsAsTheirJson) {
  const TUserRecord user = DecodeUserRecord(EncodeBase64(R"({"id":42,"account":true,"nickname":[1],"thumb":null})"));
  EXPECT_EQ(user.id, "42");
  EXPECT_EQ(user.account, "true");
  EXPECT_EQ(user.nickname, "[1]");
  EXPECT_EQ(user.thumb, "");
}

// The record {"id":[[...]]} with the id's lists nested so that objects and lists reach the depth.
std::string RecordNested(size_t depth) {
  const size_t lists = depth - 1;
  return EncodeBase64("{\"id\":" + std::string(lists, '[') + std::string(lists, ']') + "}");
}

TEST(UserRecord, ReadsAMemberNestedAsDeepAsTheLimit) {
  EXPECT_EQ(DecodeUserRecord(RecordNested(64)).id, std::string(63, '[') + std::string(63, ']'));
}

class BadUserRecord : public testing::TestWithParam<std::string> {};

TEST_P(BadUserRecord, Raises) { EXPECT_THROW(DecodeUserRecord(GetParam()), EConvertError); }

INSTANTIATE_TEST_SUITE_P(Records, BadUserRecord,
                         testing::Values("", "%%%%", EncodeBase64("not json"), EncodeBase64("[]"),
                                         EncodeBase64("\"id\""), EncodeBase64("{\"id\":"),
                                         EncodeBase64("{} trailing"), RecordNested(65)));

// Before the limit such records ended the program: writing the member's text overflowed the stack.
TEST(UserRecord, RefusesAMemberNestedFarDeeper) {
  for (size_t depth : {20000, 1000000}) EXPECT_THROW(DecodeUserRecord(RecordNested(depth)), EConvertError) << depth;
}

}  // namespace
