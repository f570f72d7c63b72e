#include <gtest/gtest.h>

#include <string>

#include "classlib/core/ObjectText.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/StringStream.h"
#include "classlib/desktop/ResourceStream.h"

namespace {

std::string ReadAll(TStream& s) {
  std::string data(size_t(s.Size()), '\0');
  s.ReadBuffer(data.data(), int64_t(data.size()));
  return data;
}

}  // namespace

TEST(TResourceStream, ReadsTheFormTheBuildConverted) {
  TResourceStream text("TESTFORMTEXT");
  TStringStream expected;
  ObjectTextToBinary(text, expected);
  TResourceStream form("testform");  // names match without regard to case
  EXPECT_EQ(ReadAll(form), expected.DataString());
  EXPECT_EQ(form.Position(), form.Size());
  form.SetPosition(0);
  TStringStream back;
  ObjectBinaryToText(form, back);
  text.SetPosition(0);
  EXPECT_EQ(back.DataString(), ReadAll(text));
}

TEST(TResourceStream, MissingResourcesAndWritesRaise) {
  try {
    TResourceStream missing("NOSUCHFORM");
    FAIL();
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCHFORM not found");
  }
  TResourceStream form("TESTFORM");
  EXPECT_THROW(form.Write("x", 1), EStreamError);
  EXPECT_THROW(form.WriteBuffer("x", 1), EStreamError);
}
