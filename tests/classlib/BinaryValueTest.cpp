#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "classlib/core/BinaryValueReader.h"
#include "classlib/core/BinaryValueWriter.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/StringStream.h"

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += char(b);
  return s;
}

std::string Written(const std::function<void(TBinaryValueWriter&)>& write) {
  TStringStream s;
  TBinaryValueWriter w(s);
  write(w);
  return s.DataString();
}

std::string ReadError(const std::string& data, const std::function<void(TBinaryValueReader&)>& read) {
  TStringStream s(data);
  TBinaryValueReader r(s);
  try {
    read(r);
  } catch (const EReadError& e) {
    return e.Message();
  }
  return "no error";
}

}  // namespace

TEST(TBinaryValueWriter, WritesEachValueTypeAsTheClassicLibrary) {
  struct Case {
    const char* what;
    std::function<void(TBinaryValueWriter&)> write;
    std::string bytes;
  } cases[] = {
      {"int8", [](auto& w) { w.WriteInteger(-128); }, Bytes({2, 0x80})},
      {"int16", [](auto& w) { w.WriteInteger(474); }, Bytes({3, 0xDA, 0x01})},
      {"int16 low", [](auto& w) { w.WriteInteger(-129); }, Bytes({3, 0x7F, 0xFF})},
      {"int32", [](auto& w) { w.WriteInteger(100000); }, Bytes({4, 0xA0, 0x86, 0x01, 0})},
      {"int64", [](auto& w) { w.WriteInteger(10000000000LL); }, Bytes({19, 0x00, 0xE4, 0x0B, 0x54, 2, 0, 0, 0})},
      {"extended", [](auto& w) { w.WriteFloat(474.0); }, Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0xED, 0x07, 0x40})},
      {"single", [](auto& w) { w.WriteSingle(1.5f); }, Bytes({15, 0, 0, 0xC0, 0x3F})},
      {"currency", [](auto& w) { w.WriteCurrency(12345); }, Bytes({16, 0x39, 0x30, 0, 0, 0, 0, 0, 0})},
      {"date", [](auto& w) { w.WriteDate(2.25); }, Bytes({17, 0, 0, 0, 0, 0, 0, 0x02, 0x40})},
      {"string", [](auto& w) { w.WriteString("ab"); }, Bytes({6, 2, 'a', 'b'})},
      {"lstring", [](auto& w) { w.WriteString(std::string(256, 'x')); }, Bytes({12, 0, 1, 0, 0}) + std::string(256, 'x')},
      {"wide", [](auto& w) { w.WriteWideString(L"a\x4E2D"); }, Bytes({18, 2, 0, 0, 0, 'a', 0, 0x2D, 0x4E})},
      {"utf8", [](auto& w) { w.WriteUTF8String("\xE4\xB8\xAD"); }, Bytes({20, 3, 0, 0, 0, 0xE4, 0xB8, 0xAD})},
      {"ident", [](auto& w) { w.WriteIdent("alClient"); }, Bytes({7, 8}) + "alClient"},
      {"special idents", [](auto& w) { w.WriteIdent("false"); w.WriteIdent("TRUE"); w.WriteIdent("nil"); w.WriteIdent("Null"); },
       Bytes({8, 9, 13, 0})},
      {"boolean", [](auto& w) { w.WriteBoolean(true); }, Bytes({9})},
      {"set", [](auto& w) { w.WriteSet({"a", "bc"}); }, Bytes({11, 1, 'a', 2, 'b', 'c', 0})},
      {"binary", [](auto& w) { w.WriteBinary("\x01\xFF", 2); }, Bytes({10, 2, 0, 0, 0, 1, 0xFF})},
      {"list", [](auto& w) { w.WriteListBegin(); w.WriteInteger(1); w.WriteListEnd(); }, Bytes({1, 2, 1, 0})},
      {"collection",
       [](auto& w) {
         w.WriteCollectionBegin();
         w.WriteCollectionItem(std::nullopt);
         w.WriteListEnd();
         w.WriteCollectionItem(3);
         w.WriteListEnd();
         w.WriteListEnd();
       },
       Bytes({14, 1, 0, 2, 3, 1, 0, 0})},
      {"signature and prefix", [](auto& w) { w.WriteSignature(); w.WritePrefix(ffInherited | ffChildPos, 2); w.WritePrefix(0, 0); },
       std::string("TPF0") + Bytes({0xF3, 2, 2})},
  };
  for (const auto& c : cases) EXPECT_EQ(Written(c.write), c.bytes) << c.what;
  EXPECT_THROW(Written([](auto& w) { w.WriteStr(std::string(256, 'n')); }), EWriteError);
}

TEST(TBinaryValueReader, ReadsBackWhatTheWriterWrote) {
  std::string data = Written([](TBinaryValueWriter& w) {
    w.WriteSignature();
    w.WritePrefix(ffChildPos | ffInline, 300);
    w.WriteStr("TButton");
    w.WriteInteger(-5);
    w.WriteInteger(INT64_MIN);
    w.WriteFloat(0.1);
    w.WriteSingle(2.5f);
    w.WriteDate(3.75);
    w.WriteCurrency(-7);
    w.WriteString(std::string(300, 'q'));
    w.WriteWideString(L"\x4E2D\x6587");
    w.WriteUTF8String("a\xE4\xB8\xAD\xF0\x9F\x98\x80");
    w.WriteIdent("nil");
    w.WriteBoolean(false);
    w.WriteSet({"x", "y"});
    w.WriteBinary("\0\1\2", 3);
    w.WriteInteger(7);  // an integer where floats are read
    w.WriteInteger(7);
  });
  TStringStream s(data);
  TBinaryValueReader r(s);
  r.ReadSignature();
  TFilerFlags flags;
  int32_t position;
  r.ReadPrefix(flags, position);
  EXPECT_EQ(flags, ffChildPos | ffInline);
  EXPECT_EQ(position, 300);
  EXPECT_EQ(r.ReadStr(), "TButton");
  EXPECT_EQ(r.ReadInteger(), -5);
  EXPECT_EQ(r.ReadInt64(), INT64_MIN);
  EXPECT_EQ(r.ReadFloat(), 0.1);
  EXPECT_EQ(r.ReadSingle(), 2.5f);
  EXPECT_EQ(r.ReadDate(), 3.75);
  EXPECT_EQ(r.ReadCurrency(), -7);
  EXPECT_EQ(r.ReadString(), std::string(300, 'q'));
  EXPECT_EQ(r.ReadWideString(), L"\x4E2D\x6587");
  std::wstring decoded = r.ReadWideString();
  EXPECT_EQ(decoded, std::wstring({L'a', wchar_t(0x4E2D), wchar_t(0xD83D), wchar_t(0xDE00)}));
  EXPECT_EQ(r.ReadIdent(), "nil");
  EXPECT_FALSE(r.ReadBoolean());
  EXPECT_EQ(r.ReadSet(), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(r.ReadBinary(), (std::vector<uint8_t>{0, 1, 2}));
  EXPECT_EQ(r.ReadFloat(), 7.0);
  EXPECT_EQ(r.ReadCurrency(), 70000);
  EXPECT_EQ(s.Position(), s.Size());
}

TEST(TBinaryValueReader, ObjectsWithoutPrefixLeaveTheClassName) {
  TStringStream s(Bytes({7}) + "TButton");
  TBinaryValueReader r(s);
  TFilerFlags flags = 9;
  int32_t position = 9;
  r.ReadPrefix(flags, position);
  EXPECT_EQ(flags, 0);
  EXPECT_EQ(position, 0);
  EXPECT_EQ(r.ReadStr(), "TButton");
}

TEST(TBinaryValueReader, SkipsAnyValueIncludingNestedListsAndCollections) {
  std::string data = Written([](TBinaryValueWriter& w) {
    w.WriteListBegin();
    w.WriteListBegin();
    w.WriteString("x");
    w.WriteWideString(L"yz");
    w.WriteListEnd();
    w.WriteSet({"a"});
    w.WriteListEnd();
    w.WriteCollectionBegin();
    w.WriteCollectionItem(1);
    w.WriteStr("Color");
    w.WriteIdent("clRed");
    w.WriteListEnd();
    w.WriteListEnd();
    for (auto write : std::initializer_list<std::function<void()>>{
             [&] { w.WriteFloat(1); }, [&] { w.WriteSingle(1); }, [&] { w.WriteCurrency(1); }, [&] { w.WriteDate(1); },
             [&] { w.WriteInteger(1LL << 40); }, [&] { w.WriteBinary("ab", 2); }, [&] { w.WriteUTF8String("u"); },
             [&] { w.WriteString(std::string(260, 's')); }, [&] { w.WriteIdent("True"); }})
      write();
    w.WriteInteger(42);
  });
  TStringStream s(data);
  TBinaryValueReader r(s);
  for (int i = 0; i < 11; ++i) r.SkipValue();
  EXPECT_EQ(r.ReadInteger(), 42);
}

TEST(TBinaryValueReader, SkipsWholeComponentsWithChildren) {
  std::string data = Written([](TBinaryValueWriter& w) {
    w.WriteStr("TPanel");
    w.WriteStr("Panel1");
    w.WriteStr("Width");
    w.WriteInteger(10);
    w.WriteListEnd();
    w.WritePrefix(ffChildPos, 0);
    w.WriteStr("TButton");
    w.WriteStr("");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteInteger(1);
  });
  TStringStream s(data);
  TBinaryValueReader r(s);
  r.SkipComponent(true);
  EXPECT_EQ(r.ReadInteger(), 1);
}

TEST(TBinaryValueReader, BadStreamsRaiseReadErrors) {
  struct Case {
    const char* what;
    std::string data;
    std::function<void(TBinaryValueReader&)> read;
    const char* message;
  } cases[] = {
      {"wrong signature", "TPF1", [](auto& r) { r.ReadSignature(); }, "Invalid stream format"},
      {"short signature", "TP", [](auto& r) { r.ReadSignature(); }, "Stream read error"},
      {"truncated int32", Bytes({4, 1, 2}), [](auto& r) { r.ReadInteger(); }, "Stream read error"},
      {"truncated short string", Bytes({6, 5, 'a'}), [](auto& r) { r.ReadString(); }, "Stream read error"},
      {"empty", "", [](auto& r) { r.EndOfList(); }, "Stream read error"},
      {"string as integer", Bytes({6, 0}), [](auto& r) { r.ReadInteger(); }, "Invalid property value"},
      {"int64 as integer", Bytes({19, 0, 0, 0, 0, 0, 0, 0, 0}), [](auto& r) { r.ReadInteger(); }, "Invalid property value"},
      {"integer as boolean", Bytes({2, 1}), [](auto& r) { r.ReadBoolean(); }, "Invalid property value"},
      {"list end missing", Bytes({1, 2, 1}), [](auto& r) { r.SkipValue(); }, "Stream read error"},
      {"unknown type", Bytes({21}), [](auto& r) { r.SkipValue(); }, "Invalid stream format"},
      {"huge binary", Bytes({10, 0xFF, 0xFF, 0xFF, 0x7F, 1}), [](auto& r) { r.ReadBinary(); }, "Stream read error"},
      {"negative length", Bytes({12, 0xFF, 0xFF, 0xFF, 0xFF}), [](auto& r) { r.ReadString(); }, "Invalid stream format"},
      {"huge wide string", Bytes({18, 0, 0, 0, 0x40, 0, 0}), [](auto& r) { r.ReadWideString(); }, "Stream read error"},
      {"huge skipped utf8", Bytes({20, 0, 0, 0, 1}), [](auto& r) { r.SkipValue(); }, "Stream read error"},
      {"deep lists", std::string(100000, '\x01'), [](auto& r) { r.SkipValue(); }, "Invalid stream format"},
      {"collection item without list", Bytes({14, 2, 1, 2}), [](auto& r) { r.SkipValue(); }, "Invalid property value"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadError(c.data, c.read), c.message) << c.what;
  std::string deepCollections;
  for (int i = 0; i < 1000; ++i) deepCollections += Bytes({14, 1, 1, 'X'});
  EXPECT_EQ(ReadError(deepCollections, [](auto& r) { r.SkipValue(); }), "Invalid stream format");
  std::string deepObjects;
  for (int i = 0; i < 1000; ++i) deepObjects += Bytes({1, 'T', 0, 0});
  EXPECT_EQ(ReadError(deepObjects, [](auto& r) { r.SkipComponent(true); }), "Invalid stream format");
}

TEST(TBinaryValueReader, NestingWithinTheLimitReads) {
  std::string data(MaxNestingDepth, '\x01');
  data += std::string(MaxNestingDepth, '\0');
  EXPECT_EQ(ReadError(data, [](auto& r) { r.SkipValue(); }), "no error");
}
