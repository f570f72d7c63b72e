#include <gtest/gtest.h>

#include <cstring>

#include "classlib/core/Collection.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/Reader.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/StringList.h"
#include "classlib/core/Writer.h"

namespace {

CL_ENUM(TRwAlign, raNone, raLeft, raClient)

class TRwStop : public TCollectionItem {
  CL_CLASS(TRwStop, TCollectionItem)
public:
  float Offset = 0;
  std::string Color;
};

class TRwStops : public TCollection {
  CL_CLASS(TRwStops, TCollection)
public:
  TRwStops() : TCollection(TRwStop::StaticClass()) {}
  TRwStop* Stop(int i) const { return static_cast<TRwStop*>(Items(i)); }
};

class TRwFill : public TPersistent {
  CL_CLASS(TRwFill, TPersistent)
public:
  std::string Color = "#FF000000";
  TRwStops* Stops() const { return const_cast<TRwStops*>(&stops_); }
  std::vector<uint8_t> Png;  // streamed as binary data
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty(
        "PNG",
        [this](TStream& s) {
          Png.resize(size_t(s.Size()));
          s.ReadBuffer(Png.data(), s.Size());
        },
        [this](TStream& s) { s.WriteBuffer(Png.data(), int64_t(Png.size())); }, !Png.empty());
  }

private:
  TRwStops stops_;
};

class TRwItem : public TComponent {
  CL_CLASS(TRwItem, TComponent)
public:
  using TComponent::TComponent;
  ~TRwItem() override { loadedLog().clear(); }
  int32_t Width = 0;
  TRwAlign Align = raNone;
  bool Visible = true;
  double Ratio = 0;
  std::wstring Text;
  std::string Hint;
  TRwItem* Buddy = nullptr;
  TNotifyEvent OnClick;
  TRwFill* Fill() const { return const_cast<TRwFill*>(&fill_); }
  TStringList* Lines() const { return const_cast<TStringList*>(&lines_); }
  void Loaded() override {
    TComponent::Loaded();
    loadedLog().push_back(Name());
  }
  static std::vector<std::string>& loadedLog() {
    static std::vector<std::string> log;
    return log;
  }

private:
  TRwFill fill_;
  TStringList lines_;
};

class TRwForm : public TRwItem {
  CL_CLASS(TRwForm, TRwItem)
public:
  using TRwItem::TRwItem;
  int clicks = 0;
  void ItemClick(TObject*) { ++clicks; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }
};

}  // namespace

CL_PUBLISHED(TRwStop) {
  published.Property("Offset", &TRwStop::Offset, &TRwStop::Offset);
  published.Property("Color", &TRwStop::Color, &TRwStop::Color);
}
CL_PUBLISHED(TRwStops) {}
CL_PUBLISHED(TRwFill) {
  published.Property("Color", &TRwFill::Color, &TRwFill::Color).Default("#FF000000");
  published.Property("Stops", &TRwFill::Stops);
}
CL_PUBLISHED(TRwItem) {
  published.Property("Width", &TRwItem::Width, &TRwItem::Width).Default(0);
  published.Property("Align", &TRwItem::Align, &TRwItem::Align).Default(raNone);
  published.Property("Visible", &TRwItem::Visible, &TRwItem::Visible).Default(true);
  published.Property("Ratio", &TRwItem::Ratio, &TRwItem::Ratio);
  published.Property("Text", &TRwItem::Text, &TRwItem::Text);
  published.Property("Hint", &TRwItem::Hint, &TRwItem::Hint);
  published.Property("Buddy", &TRwItem::Buddy, &TRwItem::Buddy);
  published.Property("OnClick", &TRwItem::OnClick, &TRwItem::OnClick);
  published.Property("Fill", &TRwItem::Fill);
  published.Property("Lines", &TRwItem::Lines);
}
CL_PUBLISHED(TRwForm) { CL_METHOD(TRwForm, ItemClick); }

class ReaderWriter : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterClass(TRwItem::StaticClass());
    RegisterClass(TRwForm::StaticClass());
  }

  // A form whose first child refers to the second (a forward reference) and uses the form's handler.
  std::unique_ptr<TRwForm> MakeForm() {
    auto form = std::make_unique<TRwForm>(nullptr);
    form->SetName("Form1");
    form->Width = 474;
    auto* first = new TRwItem(form.get());
    first->SetName("First");
    auto* second = new TRwItem(form.get());
    second->SetName("Second");
    first->Buddy = second;
    first->Align = raClient;
    first->Visible = false;
    first->Ratio = 0.25;
    first->Text = L"\u7956\u8bfa";
    first->Hint = "plain";
    first->OnClick = TNotifyEvent::FromMethod(TMethod{form->MethodAddress("ItemClick"), form.get()});
    first->Fill()->Color = "#FF337AB7";
    auto* stop = static_cast<TRwStop*>(first->Fill()->Stops()->Add());
    stop->Offset = 0.5f;
    stop->Color = "#FFFFFFFF";
    first->Fill()->Png = {1, 2, 3, 0, 255};
    first->Lines()->Add("one");
    first->Lines()->Add("two");
    return form;
  }

  static std::string Bytes(TMemoryStream& s) {
    return std::string(static_cast<const char*>(static_cast<const TCustomMemoryStream&>(s).Memory()), size_t(s.Size()));
  }
};

TEST_F(ReaderWriter, RoundTripRestoresEveryKindAndRewritesTheSameBytes) {
  auto form = MakeForm();
  TMemoryStream first;
  WriteComponentToStream(first, form.get());

  first.SetPosition(0);
  std::unique_ptr<TComponent> copy(ReadComponentFromStream(first, nullptr));
  auto* read = dynamic_cast<TRwForm*>(copy.get());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Name(), "Form1");
  EXPECT_EQ(read->Width, 474);
  ASSERT_EQ(read->ComponentCount(), 2);
  auto* a = dynamic_cast<TRwItem*>(read->FindComponent("First"));
  auto* b = dynamic_cast<TRwItem*>(read->FindComponent("Second"));
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Buddy, b);  // forward reference resolved after the whole tree
  EXPECT_EQ(a->Align, raClient);
  EXPECT_FALSE(a->Visible);
  EXPECT_EQ(a->Ratio, 0.25);
  EXPECT_EQ(a->Text, L"\u7956\u8bfa");
  EXPECT_EQ(a->Hint, "plain");
  EXPECT_EQ(a->Fill()->Color, "#FF337AB7");
  ASSERT_EQ(a->Fill()->Stops()->Count(), 1);
  EXPECT_EQ(a->Fill()->Stops()->Stop(0)->Offset, 0.5f);
  EXPECT_EQ(a->Fill()->Stops()->Stop(0)->Color, "#FFFFFFFF");
  EXPECT_EQ(a->Fill()->Png, (std::vector<uint8_t>{1, 2, 3, 0, 255}));
  EXPECT_EQ(a->Lines()->Text(), "one\r\ntwo\r\n");
  a->OnClick(a);
  EXPECT_EQ(read->clicks, 1);
  EXPECT_FALSE(read->HasState(csLoading));
  EXPECT_FALSE(a->HasState(csReading));

  TMemoryStream second;
  WriteComponentToStream(second, read);
  EXPECT_EQ(Bytes(first), Bytes(second));
}

TEST_F(ReaderWriter, WritesTheClassicByteLayout) {
  TRwForm form(nullptr);
  form.SetName("F");
  form.Width = 300;  // smallest integer type: vaInt16
  form.Visible = false;
  TMemoryStream s;
  WriteComponentToStream(s, &form);
  const char expected[] =
      "TPF0"
      "\x07TRwForm" "\x01" "F"
      "\x05Width" "\x03\x2c\x01"
      "\x07Visible" "\x08"
      "\x0a" "Fill.Stops" "\x0e\x00"  // collections are always written, empty ones too
      "\x00"   // end of properties
      "\x00";  // end of children
  EXPECT_EQ(Bytes(s), std::string(expected, sizeof expected - 1));
}

TEST_F(ReaderWriter, CallsLoadedOnEverythingAfterTheWholeTree) {
  auto form = MakeForm();
  TMemoryStream s;
  WriteComponentToStream(s, form.get());
  s.SetPosition(0);
  TRwItem::loadedLog().clear();
  TRwForm target(nullptr);
  ReadComponentFromStream(s, &target);
  EXPECT_EQ(TRwItem::loadedLog(), (std::vector<std::string>{"Form1", "First", "Second"}));
}

TEST_F(ReaderWriter, ASecondRootUnderTheSameOwnerGetsTheNextFreeName) {
  auto form = MakeForm();
  TMemoryStream s;
  WriteComponentToStream(s, form.get());
  TComponent owner(nullptr);
  const char* const expected[] = {"Form1", "Form1_1", "Form1_2"};
  for (const char* name : expected) {
    s.SetPosition(0);
    auto* target = new TRwForm(&owner);
    ReadComponentFromStream(s, target);
    EXPECT_EQ(target->Name(), name);
  }
  owner.Components(0)->Free();
  s.SetPosition(0);
  auto* again = new TRwForm(&owner);
  ReadComponentFromStream(s, again);
  EXPECT_EQ(again->Name(), "Form1") << "a name set free is taken again";
}

TEST_F(ReaderWriter, HandledErrorsSkipUnknownPropertiesAndBadValues) {
  // Hand-made stream: an unknown property, an enum value that does not exist, then a good one.
  const char data[] =
      "TPF0" "\x07TRwForm" "\x01" "F"
      "\x04Nope" "\x01\x02\x05\x06\x03" "abc" "\x00"  // a list value to skip
      "\x05" "Align" "\x07\x06raDown"
      "\x05Width" "\x02\x07"
      "\x00\x00";
  TMemoryStream s;
  s.WriteBuffer(data, sizeof data - 1);
  s.SetPosition(0);
  std::vector<std::string> errors;
  TReader reader(s);
  reader.OnError = [&](TReader*, const std::string& message, bool& handled) {
    errors.push_back(message);
    handled = true;
  };
  TRwForm form(nullptr);
  reader.ReadRootComponent(&form);
  EXPECT_EQ(form.Width, 7);
  EXPECT_EQ(form.Align, raNone);
  EXPECT_EQ(errors, (std::vector<std::string>{"Property Nope does not exist", "Invalid property value"}));
}

TEST_F(ReaderWriter, UnhandledErrorsRaiseAndFreeWhatWasCreated) {
  const char unknownProperty[] = "TPF0\x07TRwForm\x01" "F\x04Nope\x02\x01\x00\x00";
  TMemoryStream s;
  s.WriteBuffer(unknownProperty, sizeof unknownProperty - 1);
  s.SetPosition(0);
  EXPECT_THROW(ReadComponentFromStream(s, nullptr), EReadError);

  const char unknownChild[] = "TPF0\x07TRwForm\x01" "F\x00\x07TNobody\x01X\x00\x00\x00";
  TMemoryStream c;
  c.WriteBuffer(unknownChild, sizeof unknownChild - 1);
  c.SetPosition(0);
  TRwForm form(nullptr);
  EXPECT_THROW(ReadComponentFromStream(c, &form), EClassNotFound);
  EXPECT_EQ(form.ComponentCount(), 0);
}

TEST_F(ReaderWriter, StructuralFaultsIgnoreTheErrorHandler) {
  auto form = MakeForm();
  TMemoryStream full;
  WriteComponentToStream(full, form.get());
  std::string bytes = Bytes(full);
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), int64_t(cut));
    s.SetPosition(0);
    TReader reader(s);
    reader.OnError = [](TReader*, const std::string&, bool& handled) { handled = true; };
    TRwForm target(nullptr);
    EXPECT_ANY_THROW(reader.ReadRootComponent(&target)) << "cut at " << cut;
  }
}

TEST_F(ReaderWriter, NameHandlerCanEmptyEveryName) {
  auto form = MakeForm();
  TMemoryStream s;
  WriteComponentToStream(s, form.get());
  s.SetPosition(0);
  TRwForm target(nullptr);
  target.SetDesigning(true);  // a designing root keeps its own name
  TReader reader(s);
  reader.OnSetName = [](TReader*, TComponent*, std::string& name) { name.clear(); };
  reader.ReadRootComponent(&target);
  EXPECT_EQ(target.Name(), "");
  ASSERT_EQ(target.ComponentCount(), 2);
  EXPECT_EQ(target.Components(0)->Name(), "");
  EXPECT_EQ(dynamic_cast<TRwItem*>(target.Components(0))->Buddy, nullptr);  // no names, no references
}

TEST_F(ReaderWriter, EmptyCollectionValueEmptiesTheCollection) {
  TRwForm form(nullptr);
  form.Fill()->Stops()->Add();
  form.Fill()->Stops()->Add();
  const char data[] = "TPF0\x07TRwForm\x01" "F\x0a" "Fill.Stops\x0e\x00\x00\x00";
  TMemoryStream s;
  s.WriteBuffer(data, sizeof data - 1);
  s.SetPosition(0);
  ReadComponentFromStream(s, &form);
  EXPECT_EQ(form.Fill()->Stops()->Count(), 0);
}

namespace {

// States that can be read but not set, as a control's IsMouseOver.
class TRwState : public TComponent {
  CL_CLASS(TRwState, TComponent)
public:
  using TComponent::TComponent;
  int32_t Count() const { return 3; }
  bool Busy() const { return true; }
};

CL_PUBLISHED(TRwState) {
  published.Property("Count", &TRwState::Count);
  published.Property("Busy", &TRwState::Busy);
}

TEST(ReaderWriterReadOnly, LeavesValuesThatCannotBeSetOut) {
  TRwState state(nullptr);
  TMemoryStream s;
  WriteComponentToStream(s, &state);
  const char expected[] = "TPF0\x08TRwState\x00\x00\x00";
  ASSERT_EQ(s.Size(), int64_t(sizeof expected - 1));
  EXPECT_EQ(std::memcmp(s.Memory(), expected, sizeof expected - 1), 0);
}

}  // namespace
