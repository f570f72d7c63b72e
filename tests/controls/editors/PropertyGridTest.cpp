// The object inspector in the default style, in a real scene: which properties it lists and how
// their values read, the editor each kind gets and what typing, choosing and the keys write, the
// failures it reports and goes on from, and how it follows a new or a freed object.
#include "tests/support/ControlsFixture.h"
//
#include <string>
#include <vector>

#include "classlib/core/PropertyText.h"
#include "classlib/core/StringList.h"
#include "controls/boxes/PopupBox.h"
#include "controls/buttons/Button.h"
#include "controls/editors/PropertyGrid.h"
#include "controls/text/Label.h"
#include "controls/textboxes/TextBox.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/editors/BrushDesign.h"
#include "controls/editors/PathDataDesigner.h"
#include "controls/memo/Memo.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Font.h"
#include "engine/paint/PathData.h"
#include "tests/support/BrushDesignDriver.h"
#include "engine/design/DesignerHook.h"
#include "engine/shapes/Shapes.h"
#include "engine/values/WideStrings.h"
#include "tests/support/PropertySubject.h"

namespace {

// A handler the stand-in design environment knows by the name "Pinged".
class TPingHandler : public TComponent {
  CL_CLASS(TPingHandler, TComponent)
public:
  using TComponent::TComponent;
  void Pinged(TObject*) { ++pings; }
  int pings = 0;
};

// The host design environment: it knows the handler's published methods by their names.
class TStandInHook : public IvgDesignerHook {
public:
  explicit TStandInHook(TPingHandler& handler) : handler_(handler) {}
  std::string MethodName(const TMethod& method) override { return method ? method.Code->Name : ""; }
  TMethod MethodFromName(const std::string& name) override {
    const TMethodInfo* code = handler_.MethodAddress(name);
    return code ? TMethod{code, &handler_} : TMethod{};
  }

private:
  TPingHandler& handler_;
};

}  // namespace

CL_PUBLISHED(TPingHandler) { CL_METHOD(TPingHandler, Pinged); }

namespace {

// An inspector filling the form (300 x 200), inspecting a TPropertySubject owned by a holder that also
// owns a component named "Other" (a reference target).
class PropertyGridTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    holder = new TComponent(nullptr);
    holder->SetName("Holder");
    inspected = new TPropertySubject(holder);
    inspected->SetName("Inspected");
    other = new TPropertySubject(holder);
    other->SetName("Other");
    inspector = Add<TvgInspector>(0, 0, 300, 200);
    inspector->OnChangeProperty = [this](TObject*, const std::string& name) { changed.push_back(name); };
    Inspect(inspected);
  }
  void TearDown() override {
    vgSetDesignerHook(nullptr);
    inspector->SetSelectedObject(nullptr);
    holder->Free();
    ControlsTest::TearDown();
  }
  void Inspect(TComponent* object) {
    inspector->SetSelectedObject(object);
    inspector->Realign();
  }

  // The row of a property by its path of names ("Fill.Color"), nullptr when not listed.
  TvgTreeViewItem* Row(const std::string& path) const {
    TvgObject* parent = inspector->Content();
    TvgTreeViewItem* found = nullptr;
    size_t start = 0;
    while (start <= path.size()) {
      const size_t dot = path.find('.', start);
      const std::string name = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
      found = nullptr;
      for (int i = 0; i < vgTreeItemCount(*parent) && !found; ++i)
        if (vgTreeItemAt(*parent, i)->TagString == name) found = vgTreeItemAt(*parent, i);
      if (!found || dot == std::string::npos) return found;
      parent = found;
      start = dot + 1;
    }
    return found;
  }
  std::vector<std::string> Names(const TvgObject& parent) const {
    std::vector<std::string> names;
    for (int i = 0; i < vgTreeItemCount(parent); ++i) names.push_back(vgTreeItemAt(parent, i)->TagString);
    return names;
  }
  std::wstring LabelOf(const std::string& path) const {
    TvgLabel* label = TvgInspector::ValueLabel(Row(path));
    return label ? label->Text() : L"<no label>";
  }
  void Select(const std::string& path) {
    TvgTreeViewItem* row = Row(path);
    ASSERT_NE(row, nullptr) << path;
    inspector->SetSelected(row);
  }
  // The editor showing over the selected row, nullptr when none.
  TvgControl* Shown() const {
    for (TvgControl* editor : std::initializer_list<TvgControl*>{inspector->EditButton(), inspector->EditTextBox(),
                                                                  inspector->EditPopupBox()})
      if (editor->Visible()) return editor;
    return nullptr;
  }
  // Characters as the keyboard sends them to the focused editor, over a selection of all.
  void Type(const std::wstring& text) {
    inspector->EditTextBox()->SelectAll();
    Key(VK_DELETE);
    for (wchar_t c : text) Send(WM_CHAR, WPARAM(c), 0);
  }
  void TypeAndEnter(const std::wstring& text) {
    Type(text);
    Key(VK_RETURN);
  }
  static int RowCenter(int row) { return 2 + 19 * row + 9; }

  TComponent* holder = nullptr;
  TPropertySubject* inspected = nullptr;
  TPropertySubject* other = nullptr;
  TvgInspector* inspector = nullptr;
  std::vector<std::string> changed;
};

TEST_F(PropertyGridTest, ListsTheWritablePropertiesSortedByNameWithTheirValues) {
  EXPECT_EQ(Names(*inspector->Content()),
            (std::vector<std::string>{"Active", "Buddy", "Caption", "Color", "Count", "Fill", "Flags", "Font", "Loop",
                                      "Name", "Outline", "Picture", "Ratio", "Size", "Tag", "Title"}));
  inspected->SetFlags({ifRed, ifBlue});
  inspected->SetTitle(L"标题");
  inspected->SetBuddy(other);
  Inspect(nullptr);
  Inspect(inspected);
  const std::vector<std::pair<std::string, std::wstring>> rows = {
      {"Active", L"False"},      {"Buddy", L"Other"},          {"Caption", L""},           {"Color", L"#FF000000"},
      {"Count", L"0"},           {"Fill", L"TvgBrush"},        {"Flags", L"[ifRed,ifBlue]"}, {"Font", L"TvgFont"},
      {"Loop", L"TSubjectNode"}, {"Name", L"Inspected"},     {"Outline", L"TvgPathData"}, {"Picture", L"TvgBitmap"},
      {"Ratio", L"0.5"},         {"Size", L"isMedium"},        {"Title", L"标题"},
  };
  for (const auto& [name, text] : rows) EXPECT_EQ(LabelOf(name), text) << name;
}

TEST_F(PropertyGridTest, ReadOnlyAndDisabledPropertiesAreNeverListed) {
  EXPECT_EQ(Row("Serial"), nullptr);
  TStringList disabled;
  disabled.Add("count");
  disabled.Add("Fill");
  inspector->SetDisabledProperties(&disabled);
  EXPECT_EQ(Row("Count"), nullptr);
  EXPECT_EQ(Row("Fill"), nullptr);
  EXPECT_NE(Row("Ratio"), nullptr);
  disabled.Clear();
  EXPECT_EQ(Row("Count"), nullptr) << "the inspector keeps a copy of the list";
}

TEST_F(PropertyGridTest, EventsAreListedForTheSelectedObjectOnlyWithShowEvents) {
  EXPECT_EQ(Row("OnPing"), nullptr);
  inspector->SetShowEvents(true);
  EXPECT_NE(Row("OnPing"), nullptr);
  ASSERT_NE(Row("Loop"), nullptr);
  EXPECT_NE(Row("Loop.Weight"), nullptr);
  EXPECT_EQ(Row("Loop.OnVisit"), nullptr) << "no events of sub-objects";
  inspector->SetShowProperties(false);
  EXPECT_EQ(Names(*inspector->Content()), std::vector<std::string>{"OnPing"});
}

TEST_F(PropertyGridTest, AShapesFillShowsItsClassCollapsedAndExpandsToTheBrushsProperties) {
  auto* rectangle = new TvgRectangle(holder);
  Inspect(rectangle);
  TvgTreeViewItem* fill = Row("Fill");
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(LabelOf("Fill"), L"TvgBrush");
  EXPECT_FALSE(fill->IsExpanded());
  EXPECT_EQ(Names(*fill), (std::vector<std::string>{"Bitmap", "Color", "Gradient", "Resource", "Style", "Visual"}));
  const int rowsCollapsed = inspector->GlobalCount();
  fill->SetIsExpanded(true);
  inspector->Realign();
  EXPECT_EQ(inspector->GlobalCount(), rowsCollapsed + 6);
  EXPECT_EQ(LabelOf("Fill.Color"), L"#FFE0E0E0");
  Select("Fill");
  ASSERT_EQ(Shown(), inspector->EditButton());
  EXPECT_EQ(inspector->EditButton()->Text(), L"Edit...");
}

TEST_F(PropertyGridTest, OwnedValuesNestButReferencesAndLoopsDoNot) {
  inspected->SetBuddy(other);
  Inspect(nullptr);
  Inspect(inspected);
  EXPECT_EQ(Row("Buddy")->Count(), 0) << "a component reference shows its name only";
  ASSERT_NE(Row("Loop.Next"), nullptr);
  EXPECT_EQ(LabelOf("Loop.Next"), L"TSubjectNode");
  ASSERT_NE(Row("Loop.Next.Next"), nullptr) << "the loop's way back is shown";
  EXPECT_EQ(Row("Loop.Next.Next")->Count(), 0) << "but not listed again";
}

// The editor each kind of property gets and what it starts with.
TEST_F(PropertyGridTest, EachKindGetsItsEditor) {
  inspected->SetCaption("words");
  inspected->SetBuddy(other);
  Inspect(nullptr);
  Inspect(inspected);
  struct Case {
    const char* Row;
    TvgControl* Editor;
    std::wstring Text;
  };
  const std::vector<Case> cases = {
      {"Count", inspector->EditTextBox(), L"0"},       {"Ratio", inspector->EditTextBox(), L"0.5"},
      {"Flags", inspector->EditTextBox(), L"[]"},      {"Caption", inspector->EditTextBox(), L"words"},
      {"Color", inspector->EditTextBox(), L"#FF000000"}, {"Buddy", inspector->EditTextBox(), L"Other"},
      {"Size", inspector->EditPopupBox(), L"isMedium"}, {"Active", inspector->EditPopupBox(), L"False"},
      {"Fill", inspector->EditButton(), L"Edit..."},   {"Font", inspector->EditButton(), L"Edit..."},
      {"Picture", inspector->EditButton(), L"Edit..."}, {"Outline", inspector->EditButton(), L"Edit..."},
      {"Loop", nullptr, L""},
  };
  for (const Case& c : cases) {
    Select(c.Row);
    TvgControl* shown = Shown();
    EXPECT_EQ(shown, c.Editor) << c.Row;
    if (!shown || shown != c.Editor) continue;
    EXPECT_EQ(GetPropText(*shown, *FindPropInfo(shown, "Text")), c.Text) << c.Row;
    EXPECT_TRUE(shown->IsFocused()) << c.Row;
    EXPECT_FALSE(TvgInspector::ValueLabel(Row(c.Row))->Visible()) << c.Row << ": the editor covers its label";
  }
  Select("Size");
  EXPECT_EQ(inspector->EditPopupBox()->Items()->Text(), L"isSmall\r\nisMedium\r\nisLarge\r\n");
  EXPECT_EQ(inspector->EditPopupBox()->ItemIndex(), 1);
  Select("Caption");
  EXPECT_EQ(inspector->EditTextBox()->SelLength(), 5) << "a string starts all selected";
}

TEST_F(PropertyGridTest, TheEditorCoversTheSelectedRowsValue) {
  Select("Count");
  TvgControl* editor = Shown();
  ASSERT_NE(editor, nullptr);
  TvgTreeViewItem* row = Row("Count");
  const float rowTop = inspector->AbsoluteToLocal(row->LocalToAbsolute({0, 0})).Y;
  EXPECT_EQ(editor->Position()->X(), 150);
  EXPECT_EQ(editor->Position()->Y(), rowTop + 1);
  EXPECT_EQ(editor->Height(), row->Height() - 2);
  EXPECT_EQ(editor->Opacity(), 1);
  auto* rectangle = new TvgRectangle(holder);
  Inspect(rectangle);
  Row("Fill")->SetIsExpanded(true);
  inspector->Realign();
  Select("Fill.Color");
  EXPECT_EQ(Shown()->Position()->X(), 150 + 19) << "a sub-item's editor is indented by its level";
}

// Typing a value and Enter sets the property; the row reads it back and the change is told.
TEST_F(PropertyGridTest, TypingSetsNumbersStringsColoursSetsAndReferences) {
  struct Case {
    const char* Row;
    std::wstring Typed, Reads;
  };
  const std::vector<Case> cases = {
      {"Count", L"42", L"42"},        {"Count", L"-7", L"-7"},           {"Ratio", L"1.25", L"1.25"},
      {"Flags", L"[ifRed,ifBlue]", L"[ifRed,ifBlue]"},                  {"Caption", L"hello", L"hello"},
      {"Title", L"标题", L"标题"},   {"Color", L"#FF00FF00", L"#FF00FF00"}, {"Buddy", L"other", L"Other"},
      {"Buddy", L"", L""},           {"Name", L"Renamed", L"Renamed"},
  };
  for (const Case& c : cases) {
    Select(c.Row);
    changed.clear();
    TypeAndEnter(c.Typed);
    EXPECT_EQ(GetPropText(*inspected, *FindPropInfo(inspected, c.Row)), c.Reads) << c.Row;
    EXPECT_EQ(LabelOf(c.Row), c.Reads) << c.Row;
    EXPECT_EQ(changed, std::vector<std::string>{c.Row}) << c.Row;
  }
}

TEST_F(PropertyGridTest, ThePopupSetsEnumerationsAndBooleans) {
  Select("Size");
  inspector->EditPopupBox()->SetItemIndex(2);
  EXPECT_EQ(inspected->Size(), isLarge);
  EXPECT_EQ(LabelOf("Size"), L"isLarge");
  Select("Active");
  inspector->EditPopupBox()->SetItemIndex(1);
  EXPECT_TRUE(inspected->Active());
  EXPECT_EQ(changed, (std::vector<std::string>{"Size", "Active"}));
}

// The same value again sets nothing that changes, and tells nothing.
TEST_F(PropertyGridTest, NoChangeIsToldWhenTheValueStaysTheSame) {
  inspected->SetCount(5);
  Inspect(nullptr);
  Inspect(inspected);
  Select("Count");
  TypeAndEnter(L"5");
  Select("Size");
  inspector->EditPopupBox()->SetItemIndex(1);
  Select("Ratio");
  Key(VK_RETURN);
  EXPECT_TRUE(changed.empty());
}

// A value that does not convert is reported once; the property, its row and the editor keep the
// old value, and moving on to another row or object raises and reports nothing more.
TEST_F(PropertyGridTest, AnUnconvertibleValueIsReportedAndTheOldValueStays) {
  inspected->SetBuddy(other);
  Inspect(nullptr);
  Inspect(inspected);
  struct Case {
    const char* Row;
    std::wstring Typed, Stays;
  };
  const std::vector<Case> cases = {
      {"Count", L"twelve", L"0"},   {"Count", L"99999999999", L"0"}, {"Ratio", L"1,2,3", L"0.5"},
      {"Flags", L"[ifPink]", L"[]"}, {"Buddy", L"Nobody", L"Other"},  {"Name", L"no spaces", L"Inspected"},
  };
  for (const Case& c : cases) {
    Select(c.Row);
    boxes.clear();
    changed.clear();
    const int sets = inspected->sets;
    Type(c.Typed);
    EXPECT_NO_THROW(Key(VK_RETURN)) << c.Row;
    EXPECT_EQ(boxes.size(), 1u) << c.Row;
    EXPECT_EQ(LabelOf(c.Row), c.Stays) << c.Row;
    EXPECT_EQ(inspector->EditTextBox()->Text(), c.Stays) << c.Row;
    EXPECT_EQ(GetPropText(*inspected, *FindPropInfo(inspected, c.Row)), c.Stays) << c.Row;
    EXPECT_TRUE(changed.empty()) << c.Row;
    if (std::string(c.Row) != "Name") EXPECT_EQ(inspected->sets, sets) << c.Row;
    EXPECT_NO_THROW(Select("Caption")) << c.Row;
    EXPECT_NO_THROW(Inspect(other)) << c.Row;
    EXPECT_EQ(boxes.size(), 1u) << c.Row << ": reported once";
    Inspect(inspected);
  }
}

TEST_F(PropertyGridTest, SelectingAnotherRowWhileTypingWritesTheTypedValueFirst) {
  Select("Count");
  Type(L"31");
  ClickAt(40, RowCenter(Row("Caption")->GlobalIndex()));
  EXPECT_EQ(inspector->Selected(), Row("Caption"));
  EXPECT_EQ(inspected->Count(), 31);
  EXPECT_EQ(LabelOf("Count"), L"31");
  EXPECT_EQ(changed, std::vector<std::string>{"Count"});
  EXPECT_EQ(Shown(), inspector->EditTextBox());
}

TEST_F(PropertyGridTest, UpAndDownStepThroughTheRowsWhileEditing) {
  Select("Count");
  Type(L"8");
  Key(VK_DOWN);
  EXPECT_EQ(inspector->Selected(), Row("Fill"));
  EXPECT_EQ(inspected->Count(), 8) << "the typed value is written on the way";
  EXPECT_EQ(Shown(), inspector->EditButton());
  EXPECT_TRUE(inspector->EditButton()->IsFocused());
  Key(VK_UP);
  Key(VK_UP);
  EXPECT_EQ(inspector->Selected(), Row("Color"));
  Key(VK_END);
  EXPECT_EQ(inspector->Selected(), Row("Color")) << "End moves the text box's caret, not the row";
  Select("Size");
  Key(VK_END);
  EXPECT_EQ(inspector->Selected(), Row("Title"));
  Select("Size");
  Key(VK_HOME);
  EXPECT_EQ(inspector->Selected(), Row("Active"));
}

TEST_F(PropertyGridTest, PlusAndMinusExpandAndCollapseTheRowBeingEdited) {
  Select("Fill");
  Key(VK_ADD);
  EXPECT_TRUE(Row("Fill")->IsExpanded());
  Key(VK_DOWN);
  EXPECT_EQ(inspector->Selected(), Row("Fill.Bitmap"));
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_TRUE(inspector->IsFocused()) << "a row without an editor leaves the keys to the tree";
  Key(VK_UP);
  EXPECT_EQ(inspector->Selected(), Row("Fill"));
  Key(VK_SUBTRACT);
  EXPECT_FALSE(Row("Fill")->IsExpanded());
}

// A handler is set by the name the design environment knows it by; without an environment
// nothing is.
TEST_F(PropertyGridTest, EventsTakeTheDesignEnvironmentsHandlerByName) {
  inspector->SetShowEvents(true);
  Select("OnPing");
  ASSERT_EQ(Shown(), inspector->EditTextBox());
  TypeAndEnter(L"Pinged");
  EXPECT_FALSE(inspected->OnPing) << "no environment, no handler";
  EXPECT_TRUE(changed.empty());

  TPingHandler handler(nullptr);
  TStandInHook hook(handler);
  vgSetDesignerHook(&hook);
  TypeAndEnter(L"Unknown");
  EXPECT_FALSE(inspected->OnPing);
  TypeAndEnter(L"Pinged");
  ASSERT_TRUE(inspected->OnPing);
  inspected->OnPing(inspected);
  EXPECT_EQ(handler.pings, 1);
  EXPECT_EQ(LabelOf("OnPing"), L"Pinged");
  EXPECT_EQ(changed, std::vector<std::string>{"OnPing"});
  Inspect(nullptr);
  Inspect(inspected);
  Select("OnPing");
  EXPECT_EQ(inspector->EditTextBox()->Text(), L"Pinged");
  EXPECT_EQ(inspector->EditTextBox()->SelLength(), 6);
  vgSetDesignerHook(nullptr);
}

TEST_F(PropertyGridTest, ANewSelectionIsFollowedAndTheTypedValueGoesToTheOldObject) {
  other->SetCount(3);
  Select("Count");
  Type(L"12");
  Inspect(other);
  EXPECT_EQ(inspected->Count(), 12);
  EXPECT_EQ(other->Count(), 3);
  EXPECT_EQ(LabelOf("Count"), L"3");
  EXPECT_EQ(LabelOf("Name"), L"Other");
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_EQ(inspector->Selected(), nullptr);
}

// A component that is not a scene object is freed while its row is being typed into: the
// inspector lets it go and writes nothing into it.
TEST_F(PropertyGridTest, AnObjectFreedWhileEditingIsLetGoWithoutWritingIntoIt) {
  Select("Count");
  Type(L"77");
  TPropertySubject::setsWhileDestroying = 0;
  inspected->Free();
  EXPECT_EQ(TPropertySubject::setsWhileDestroying, 0);
  EXPECT_EQ(inspector->SelectedObject(), nullptr);
  EXPECT_EQ(inspector->Count(), 0);
  EXPECT_EQ(Shown(), nullptr);
  EXPECT_TRUE(boxes.empty());

  auto* rectangle = new TvgRectangle(holder);
  rectangle->SetName("Shape");
  Inspect(rectangle);
  Select("Opacity");
  Type(L"0.25");
  rectangle->Free();
  EXPECT_EQ(inspector->SelectedObject(), nullptr);
  EXPECT_EQ(inspector->Count(), 0);
}

// A row of a read-only property can only be made by hand: it gets no editor and takes nothing.
TEST_F(PropertyGridTest, AReadOnlyPropertyIsRefusedThroughTheInterface) {
  auto* row = new TvgTreeViewItem(inspector);
  row->TagObject = inspected;
  row->TagString = "Serial";
  inspector->AddObject(row);
  auto* label = new TvgLabel(inspector);
  label->SetResourceName("inspectorEditor");
  row->AddObject(label);
  inspector->Realign();
  inspector->SetSelected(row);
  EXPECT_EQ(Shown(), nullptr);
  inspector->EditTextBox()->SetText(L"9");
  EXPECT_NO_THROW(inspector->ApplyEditor(inspector->EditTextBox()));
  EXPECT_EQ(inspected->Serial(), 7);
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(changed.empty());
}

TEST_F(PropertyGridTest, TheEditorsAreHiddenUnstreamedControlsParkedAside) {
  Inspect(nullptr);
  for (TvgControl* editor :
       std::initializer_list<TvgControl*>{inspector->EditButton(), inspector->EditTextBox(), inspector->EditPopupBox()}) {
    EXPECT_FALSE(editor->Visible());
    EXPECT_FALSE(editor->Stored());
    EXPECT_EQ(editor->ResourceName(), "inspectorEditor");
    EXPECT_EQ(editor->Parent(), inspector);
  }
  EXPECT_EQ(inspector->EditButton()->Position()->X(), 2000);
}

// The system's font dialog, answered in its place.
class TFontAnswer : public TvgSystemDialogs {
public:
  bool PickFont(TFont& font) override {
    asked = font.Name();
    if (!confirm) return false;
    font.SetName("Arial");
    font.SetHeight(-20);
    return true;
  }
  std::string asked;
  bool confirm = true;
};

TEST_F(PropertyGridTest, TheFontButtonOpensTheFontDialogAndTakesWhatItConfirms) {
  TFontAnswer dialogs;
  vgSetSystemDialogs(&dialogs);
  Select("Font");
  dialogs.confirm = false;
  inspector->EditButton()->Click();
  EXPECT_EQ(dialogs.asked, "Tahoma");
  EXPECT_EQ(inspected->Font()->Family(), "Tahoma");
  EXPECT_TRUE(changed.empty());
  dialogs.confirm = true;
  inspector->EditButton()->Click();
  vgSetSystemDialogs(nullptr);
  EXPECT_EQ(inspected->Font()->Family(), "Arial");
  EXPECT_EQ(inspected->Font()->Size(), 20);
  EXPECT_EQ(changed, std::vector<std::string>{"Font"});
}

TEST_F(PropertyGridTest, ThePathButtonOpensThePathDesignerAndTakesItsTextOnOk) {
  Select("Outline");
  const std::string before = inspected->Outline()->Data();
  TModalAnswer<TvgPathDataDesigner> cancel([](TvgPathDataDesigner& designer, TBrushDesignDriver&) {
    designer.Memo()->SetText(L"M 0 0 L 1 1");
    designer.SetModalResult(mrCancel);
  });
  inspector->EditButton()->Click();
  ASSERT_TRUE(cancel.Answered());
  EXPECT_EQ(inspected->Outline()->Data(), before);
  EXPECT_TRUE(changed.empty());
  TModalAnswer<TvgPathDataDesigner> ok([](TvgPathDataDesigner& designer, TBrushDesignDriver&) {
    designer.Memo()->SetText(L"M 1 2 L 30 40");
    designer.SetModalResult(mrOk);
  });
  inspector->EditButton()->Click();
  ASSERT_TRUE(ok.Answered());
  EXPECT_NE(inspected->Outline()->Data(), before);
  TvgPathData expected;
  expected.SetData("M 1 2 L 30 40");
  EXPECT_EQ(inspected->Outline()->Data(), expected.Data());
  EXPECT_EQ(changed, std::vector<std::string>{"Outline"});
}

// The inspected object goes while a modal editor is open: what the editor ends with is dropped.
TEST_F(PropertyGridTest, AnObjectFreedWhileItsEditorIsOpenGetsNothingWrittenBack) {
  Select("Picture");
  TModalAnswer<TvgBitmapEditor> answer([this](TvgBitmapEditor& editor, TBrushDesignDriver&) {
    inspected->Free();
    editor.SetModalResult(mrOk);
  });
  EXPECT_NO_THROW(inspector->EditButton()->Click());
  ASSERT_TRUE(answer.Answered());
  EXPECT_EQ(inspector->SelectedObject(), nullptr);
  EXPECT_EQ(inspector->Count(), 0);
  EXPECT_TRUE(changed.empty());
}

TEST_F(PropertyGridTest, TheFillButtonOpensTheSharedBrushDesignerOnTheBrush) {
  auto* rectangle = new TvgRectangle(holder);
  Inspect(rectangle);
  Select("Fill");
  inspector->EditButton()->Click();
  ASSERT_NE(vgBrushDesigner(), nullptr);
  EXPECT_EQ(vgBrushDesigner()->EditedBrush(), rectangle->Fill());
  EXPECT_EQ(vgBrushDesigner()->EditedObject(), rectangle);
  rectangle->Free();
  EXPECT_EQ(vgBrushDesigner()->EditedBrush(), nullptr);
  vgBrushDesigner()->Close();
}

}  // namespace
