#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "classlib/core/FileStream.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/StringStream.h"

namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("kest_stream_" + name)).string();
}

// Removes the file when the test ends, also when it fails.
struct TTempFile {
  std::string path;
  explicit TTempFile(const std::string& name) : path(TempPath(name)) { std::remove(path.c_str()); }
  ~TTempFile() { std::remove(path.c_str()); }
};

std::string ReadAll(TStream& s) {
  std::string text(size_t(s.Size()), '\0');
  s.SetPosition(0);
  s.ReadBuffer(text.data(), int64_t(text.size()));
  return text;
}

}  // namespace

TEST(TMemoryStream, SeeksFromEachOriginAndFillsGapsWithZeros) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  EXPECT_EQ(s.Seek(2, soFromBeginning), 2);
  EXPECT_EQ(s.Seek(1, soFromCurrent), 3);
  EXPECT_EQ(s.Seek(-1, soFromEnd), 5);
  EXPECT_EQ(s.Seek(2, soFromEnd), 8);
  s.WriteBuffer("Z", 1);
  EXPECT_EQ(s.Size(), 9);
  EXPECT_EQ(ReadAll(s), std::string("abcdef\0\0Z", 9));
}

TEST(TMemoryStream, ReadStopsAtTheEndAndReadBufferRaises) {
  TMemoryStream s;
  s.WriteBuffer("abc", 3);
  s.SetPosition(1);
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, 8), 2);
  EXPECT_EQ(s.Read(buffer, 8), 0);
  s.SetPosition(2);
  try {
    s.ReadBuffer(buffer, 2);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  s.SetPosition(-5);
  EXPECT_EQ(s.Read(buffer, 1), 0);
  EXPECT_EQ(s.Write("x", 1), 0);
}

TEST(TMemoryStream, SetSizeTruncatesClearEmptiesAndMemoryShowsTheBytes) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  s.SetSize(3);
  EXPECT_EQ(s.Position(), 3);
  EXPECT_EQ(std::string(static_cast<const char*>(s.Memory()), 3), "abc");
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Position(), 0);
}

TEST(TMemoryStream, AbsurdSizesRaiseInsteadOfAllocating) {
  TMemoryStream memory;
  TStringStream text;
  for (TStream* s : std::initializer_list<TStream*>{&memory, &text}) {
    EXPECT_THROW(s->SetSize(int64_t(1) << 60), EStreamError);
    s->SetPosition(INT64_MAX - 1);
    EXPECT_THROW(s->Write("ab", 2), EStreamError);
    EXPECT_EQ(s->Size(), 0);
  }
}

TEST(TMemoryStream, LoadsAndSavesStreamsAndFiles) {
  TTempFile file("memory.bin");
  TStringStream source("payload");
  source.SetPosition(3);
  TMemoryStream s;
  s.LoadFromStream(source);  // the whole source, from its start
  EXPECT_EQ(s.Position(), 0);
  EXPECT_EQ(ReadAll(s), "payload");
  s.SaveToFile(file.path);
  TMemoryStream again;
  again.LoadFromFile(file.path);
  EXPECT_EQ(ReadAll(again), "payload");
  TStringStream target;
  again.SaveToStream(target);
  EXPECT_EQ(target.DataString(), "payload");
}

TEST(TStream, CopyFromCopiesCountBytesOrTheWholeSourceForZero) {
  TStringStream source("0123456789");
  source.SetPosition(4);
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(source, 3), 3);
  EXPECT_EQ(ReadAll(target), "456");
  TMemoryStream whole;
  EXPECT_EQ(whole.CopyFrom(source, 0), 10);
  EXPECT_EQ(ReadAll(whole), "0123456789");
  EXPECT_EQ(whole.CopyFrom(source, -1), 0);
  source.SetPosition(8);
  EXPECT_THROW(target.CopyFrom(source, 5), EReadError);
}

TEST(TStringStream, OverwritesInPlaceAndReadsStrings) {
  TStringStream s("hello world");
  s.SetPosition(6);
  s.WriteString("W");
  EXPECT_EQ(s.DataString(), "hello World");
  s.SetPosition(0);
  EXPECT_EQ(s.ReadString(5), "hello");
  EXPECT_EQ(s.ReadString(100), " World");
  EXPECT_EQ(s.ReadString(1), "");
  s.SetSize(4);
  EXPECT_EQ(s.DataString(), "hell");
}

TEST(TFileStream, CreatesOpensReadsWritesAndSeeks) {
  TTempFile file("file.bin");
  {
    TFileStream s(file.path, fmCreate);
    s.WriteBuffer("abcdef", 6);
    s.SetPosition(2);
    char two[2];
    s.ReadBuffer(two, 2);  // a read after a write, then a write after the read
    EXPECT_EQ(std::string(two, 2), "cd");
    s.WriteBuffer("X", 1);
    EXPECT_EQ(s.Size(), 6);
  }
  {
    TFileStream s(file.path, fmOpenReadWrite);
    EXPECT_EQ(ReadAll(s), "abcdXf");
    s.SetSize(3);
    EXPECT_EQ(s.Size(), 3);
  }
  TFileStream s(file.path, fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(ReadAll(s), "abc");
  EXPECT_EQ(s.Write("x", 1), 0);
}

TEST(TFileStream, MissingFilesRaiseWithTheName) {
  std::string missing = TempPath("no/such/dir/file.bin");
  try {
    TFileStream s(missing, fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file " + missing);
  }
  try {
    TFileStream s(missing, fmCreate);
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file " + missing);
  }
}

#ifdef _WIN32
TEST(TFileStream, SharingModesLockOthersOut) {
  TTempFile file("shared.bin");
  {
    TFileStream writer(file.path, fmCreate);  // exclusive while it lives
    EXPECT_THROW(TFileStream(file.path, fmOpenRead | fmShareDenyNone), EFOpenError);
  }
  {
    TFileStream reader(file.path, fmOpenRead | fmShareDenyWrite);
    TFileStream second(file.path, fmOpenRead | fmShareDenyWrite);  // readers share
    EXPECT_THROW(TFileStream(file.path, fmOpenReadWrite | fmShareDenyNone), EFOpenError);
  }
  TFileStream exclusive(file.path, fmOpenReadWrite | fmShareExclusive);
  EXPECT_THROW(TFileStream(file.path, fmOpenRead | fmShareDenyNone), EFOpenError);
}
#endif
