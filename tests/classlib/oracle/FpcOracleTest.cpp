// Byte compatibility with Free Pascal's Classes unit, which implements the same binary component
// stream and object text form independently.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "classlib/core/BinaryValueWriter.h"
#include "classlib/core/FloatText.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/ObjectText.h"
#include "classlib/core/StringStream.h"

namespace {

const char* const kFixtures[] = {"form.txt", "values.txt"};

std::string ReadFile(const std::string& path) {
  TMemoryStream s;
  s.LoadFromFile(path);
  return std::string(static_cast<const char*>(s.Memory()), size_t(s.Size()));
}

void WriteFile(const std::string& path, const std::string& data) {
  TStringStream s(data);
  TMemoryStream m;
  m.LoadFromStream(s);
  m.SaveToFile(path);
}

// Unique per test, since CTest runs the tests in parallel.
std::string WorkFile(const std::string& name) {
  std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  return (std::filesystem::current_path() / ("oracle_" + test + "_" + name)).string();
}

// Runs the Free Pascal program on data and returns what it wrote.
std::string Oracle(const std::string& mode, const std::string& input, const std::string& name) {
  std::string in = WorkFile(name + ".in"), out = WorkFile(name + ".out");
  WriteFile(in, input);
  std::filesystem::remove(out);
  std::string command = std::string(KEST_FPC_ORACLE) + " " + mode + " " + in + " " + out;
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::string result = std::filesystem::exists(out) ? ReadFile(out) : std::string();
  std::filesystem::remove(in);
  std::filesystem::remove(out);
  return result;
}

std::string ToBinary(const std::string& text) {
  TStringStream in(text), out;
  ObjectTextToBinary(in, out);
  return out.DataString();
}

std::string ToText(const std::string& binary) {
  TStringStream in(binary), out;
  ObjectBinaryToText(in, out);
  return out.DataString();
}

std::string Fixture(const char* name) { return ReadFile(std::string(KEST_ORACLE_FIXTURES) + "/" + name); }

}  // namespace

TEST(FpcOracle, ValueWriterWritesTheSameBytesAsTWriter) {
  TStringStream ours;
  TBinaryValueWriter w(ours);
  w.WriteSignature();
  const int64_t integers[] = {0, 127, -128, 128, -129, 32767, -32768, 32768, 2147483647, -2147483648LL,
                             2147483648LL, -2147483649LL, INT64_MAX};
  for (int64_t v : integers) w.WriteInteger(v);
  w.WriteFloat(0.5);
  w.WriteFloat(474);
  w.WriteFloat(-1.25e10);
  TExtended80 tenth;
  ASSERT_TRUE(TryTextToExtended("0.1", tenth));
  w.WriteExtended(tenth);
  w.WriteSingle(1.5f);
  w.WriteSingle(-0.1f);
  w.WriteDate(2.25);
  w.WriteCurrency(12345);
  w.WriteString("abc");
  w.WriteString(std::string(300, 'q'));
  w.WriteWideString(L"a\x4E2D");
  w.WriteIdent("alClient");
  for (const char* ident : {"False", "true", "nil", "NULL"}) w.WriteIdent(ident);
  w.WriteBoolean(true);
  w.WriteListBegin();
  w.WriteInteger(1);
  w.WriteListEnd();
  EXPECT_EQ(ours.DataString(), Oracle("values", "", "values"));
}

TEST(FpcOracle, TextConvertsToTheSameBinary) {
  for (const char* name : kFixtures) EXPECT_EQ(ToBinary(Fixture(name)), Oracle("to-binary", Fixture(name), name)) << name;
}

TEST(FpcOracle, OurTextReadsBackToTheSameBinaryThere) {
  for (const char* name : kFixtures) {
    std::string binary = ToBinary(Fixture(name));
    EXPECT_EQ(ToText(binary), Fixture(name)) << name;
    EXPECT_EQ(Oracle("to-binary", ToText(binary), name), binary) << name;
  }
}

TEST(FpcOracle, TheirTextReadsBackToTheSameBinaryHere) {
  for (const char* name : kFixtures) {
    std::string binary = ToBinary(Fixture(name));
    EXPECT_EQ(ToBinary(Oracle("to-text", binary, name)), binary) << name;
  }
}
