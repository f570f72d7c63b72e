#include "engine/values/WideStrings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "tests/support/ValueStreaming.h"
#include "classlib/core/StringList.h"

namespace {

std::vector<std::wstring> Lines(const TvgWideStrings& list) {
  std::vector<std::wstring> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

std::string Bytes(TMemoryStream& stream) {
  return std::string(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));
}

struct EventCounter {
  int changing = 0, changed = 0;
  void Watch(TvgWideStringList& list) {
    list.OnChanging = [this](TObject*) { ++changing; };
    list.OnChange = [this](TObject*) { ++changed; };
  }
};

class TLinesHolder : public TComponent {
  CL_CLASS(TLinesHolder, TComponent)
public:
  using TComponent::TComponent;
  TvgWideStringList* Items() const { return items_.get(); }

private:
  std::unique_ptr<TvgWideStringList> items_ = std::make_unique<TvgWideStringList>();
};

// A file in the test's working folder, removed again when the test ends.
struct ScratchFile {
  std::string name;
  explicit ScratchFile(std::string n) : name(std::move(n)) { std::remove(name.c_str()); }
  ~ScratchFile() { std::remove(name.c_str()); }
  std::string Read() const {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

}  // namespace

CL_PUBLISHED(TLinesHolder) { published.Property("Items", &TLinesHolder::Items); }

TEST(WideStringList, SplitsTextAtEveryKindOfLineBreak) {
  struct Case {
    std::wstring text;
    std::vector<std::wstring> lines;
  } cases[] = {
      {L"a\r\n\r\nb", {L"a", L"", L"b"}},
      {L"a\n\rb", {L"a", L"", L"b"}},
      {L"a\r\n", {L"a"}},
      {L"a\vb\fc\u2028d\u2029e", {L"a", L"b", L"c", L"d", L"e"}},
      {std::wstring(L"x\0y", 3), {L"x"}},
      {L"", {}},
      {L"\n", {L""}},
  };
  TvgWideStringList list;
  for (const Case& c : cases) {
    list.SetTextStr(c.text);
    EXPECT_EQ(Lines(list), c.lines);
  }
}

TEST(WideStringList, TextEndsEveryLineWithCrLf) {
  TvgWideStringList list;
  EXPECT_EQ(list.GetTextStr(), L"");
  list.Add(L"a");
  list.Add(L"b");
  EXPECT_EQ(list.GetTextStr(), L"a\r\nb\r\n");
}

TEST(WideStringList, GrowsByFourSixteenAndAQuarter) {
  TvgWideStringList list;
  std::vector<int> capacities;
  for (int i = 0; i < 80; ++i) {
    list.Add(L"x");
    if (capacities.empty() || capacities.back() != list.GetCapacity()) capacities.push_back(list.GetCapacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95}));
  list.Clear();
  EXPECT_EQ(list.GetCapacity(), 0);
  EXPECT_THROW(list.SetCapacity(-1), EListError);
}

TEST(WideStringList, UpdateBracketRaisesOneEventEachWay) {
  TvgWideStringList list;
  EventCounter events;
  events.Watch(list);
  list.BeginUpdate();
  list.Add(L"1");
  list.Add(L"2");
  list.Add(L"3");
  EXPECT_EQ(events.changed, 0);
  list.EndUpdate();
  EXPECT_EQ(events.changing, 1);
  EXPECT_EQ(events.changed, 1);
  list.SetTextStr(L"a\nb\nc");
  EXPECT_EQ(events.changed, 2);
  list.Put(0, L"z");
  EXPECT_EQ(events.changed, 3);
}

TEST(WideStringList, BadIndexesRaiseAndChangeNothing) {
  TvgWideStringList list;
  list.SetTextStr(L"a\nb");
  EventCounter events;
  events.Watch(list);
  EXPECT_EQ(list.Get(5), L"");
  EXPECT_EQ(list.Get(-1), L"");
  try {
    list.Delete(2);
    FAIL() << "no error";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index error (2)");
  }
  EXPECT_THROW(list.Insert(3, L"x"), EListError);
  EXPECT_THROW(list.Put(-1, L"x"), EListError);
  EXPECT_THROW(list.GetObject(2), EListError);
  EXPECT_THROW(list.PutObject(2, nullptr), EListError);
  EXPECT_THROW(list.Exchange(0, 2), EListError);
  EXPECT_THROW(list.Move(0, 2), EListError);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"a", L"b"}));
  EXPECT_EQ(events.changing + events.changed, 0);
  list.Insert(2, L"c");  // one past the end is an append
  EXPECT_EQ(list.Get(2), L"c");
}

TEST(WideStringList, LinesKeepTheirObjectsWhenMovedExchangedOrSorted) {
  TvgWideStringList list;
  TObject a, b, c;
  list.AddObject(L"cherry", &c);
  list.AddObject(L"Apple", &a);
  list.AddObject(L"banana", &b);
  list.Exchange(0, 2);
  EXPECT_EQ(list.Get(0), L"banana");
  EXPECT_EQ(list.GetObject(0), &b);
  list.Move(0, 2);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"Apple", L"cherry", L"banana"}));
  EXPECT_EQ(list.GetObject(2), &b);
  list.Put(1, L"Cherry");
  EXPECT_EQ(list.GetObject(1), &c);
  list.Sort();
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"Apple", L"banana", L"Cherry"}));
  EXPECT_EQ(list.GetObject(0), &a);
  EXPECT_EQ(list.GetObject(1), &b);
  EXPECT_EQ(list.GetObject(2), &c);
}

TEST(WideStringList, NamesAndValuesCompareWithoutCase) {
  TvgWideStringList list;
  list.SetTextStr(L"plain\nKey=1\nother=Two=2");
  EXPECT_EQ(list.GetValue(L"key"), L"1");
  EXPECT_EQ(list.GetValue(L"OTHER"), L"Two=2");
  EXPECT_EQ(list.GetValue(L"plain"), L"");
  EXPECT_EQ(list.IndexOfName(L"KEY"), 1);
  EXPECT_EQ(list.IndexOfValue(L"two=2"), 2);
  EXPECT_EQ(list.GetName(0), L"");
  EXPECT_EQ(list.GetName(2), L"other");
  EXPECT_EQ(list.IndexOf(L"PLAIN"), 0);
  EXPECT_EQ(list.IndexOf(L"nothing"), -1);
}

TEST(WideStringList, SavesUtf16WithByteOrderMark) {
  TvgWideStringList list;
  list.Add(L"x");
  TMemoryStream stream;
  list.SaveToStream(stream);
  EXPECT_EQ(Bytes(stream), std::string("\xFF\xFE\x78\x00\x0D\x00\x0A\x00", 8));
}

TEST(WideStringList, LoadsUtf16AfterAMarkAndEightBitTextOtherwise) {
  struct Case {
    std::string bytes;
    std::vector<std::wstring> lines;
  } cases[] = {
      {std::string("\xFF\xFE\x41\x00", 4), {L"A"}},
      {std::string("\xFE\xFF\x41\x00\x0A\x00\x42\x00", 8), {L"A", L"B"}},
      {"AB", {L"AB"}},
      {"A", {L"A"}},
      {"", {}},
      {std::string("\xFF\xFE\x41", 3), {}},
  };
  for (const Case& c : cases) {
    TvgWideStringList list;
    list.Add(L"old");
    TMemoryStream stream;
    stream.WriteBuffer(c.bytes.data(), int64_t(c.bytes.size()));
    stream.SetPosition(0);
    list.LoadFromStream(stream);
    EXPECT_EQ(Lines(list), c.lines);
  }
}

TEST(WideStringList, FilesRoundTripAndMissingFilesChangeNothing) {
  ScratchFile file("widestrings-roundtrip.txt");
  TvgWideStringList list, copy;
  list.SetTextStr(L"one\n\u4e2d\u6587");
  list.SaveToFile(file.name);
  copy.LoadFromFile(file.name);
  EXPECT_EQ(Lines(copy), Lines(list));
  copy.LoadFromFile("no-such-folder\\no-such-file.txt");
  EXPECT_EQ(Lines(copy), Lines(list));
  EXPECT_THROW(list.SaveToFile("no-such-folder\\x.txt"), Exception);
  TvgWideStringList ascii;
  ascii.SetTextStr(L"plain\ntext");
  ascii.SaveToFileAnsi(file.name);
  EXPECT_EQ(file.Read(), "plain\r\ntext\r\n");
}

TEST(WideStringList, AssignsToAndFromEightBitLists) {
  TObject marker;
  TStringList narrow;
  narrow.AddObject("first", &marker);
  narrow.Add("second");
  TvgWideStringList wide;
  EventCounter events;
  events.Watch(wide);
  wide.Add(L"dropped");
  wide.Assign(&narrow);
  EXPECT_EQ(Lines(wide), (std::vector<std::wstring>{L"first", L"second"}));
  EXPECT_EQ(wide.GetObject(0), &marker);
  EXPECT_EQ(events.changed, 2);  // the Add, then one for the whole Assign
  TStringList back;
  back.Assign(&wide);
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back.Strings(1), "second");
  EXPECT_EQ(back.Objects(0), &marker);
  wide.Assign(&wide);
  EXPECT_EQ(wide.Count(), 2);
}

TEST(WideStringList, StreamsLinesOnlyWhenThereAreAny) {
  TLinesHolder holder(nullptr), copy(nullptr);
  EXPECT_EQ(PropertyLines(&holder), "");
  holder.Items()->SetTextStr(L"a\n\u4e2d");
  EXPECT_EQ(PropertyLines(&holder), "  Items.strings = (\r\n    'a'\r\n    #20013)\r\n");
  copy.Items()->Add(L"replaced");
  LoadFromText(&copy, SaveAsText(&holder));
  EXPECT_EQ(Lines(*copy.Items()), Lines(*holder.Items()));
}

TEST(WideStringList, DestructionRaisesNoEvents) {
  int events = 0;
  {
    TvgWideStringList list;
    list.Add(L"a");
    list.OnChange = [&](TObject*) { ++events; };
    list.OnChanging = [&](TObject*) { ++events; };
  }
  EXPECT_EQ(events, 0);
}
