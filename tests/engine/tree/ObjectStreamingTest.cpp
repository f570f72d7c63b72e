#include "engine/tree/ObjectStreaming.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/ObjectText.h"
#include "classlib/core/StringStream.h"
#include "classlib/desktop/Cursors.h"
#include "engine/tree/Content.h"
#include "engine/tree/Control.h"
#include "engine/tree/Object.h"
#include "engine/tree/TreeUnit.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/styles/ResourceObjects.h"

namespace {

class ObjectStreaming : public ::testing::Test {
protected:
  void SetUp() override { vgInitializeTreeUnit(); }

  static std::string Text(TvgObject* object) {
    TStringStream text;
    vgSaveObjectToText(object, text);
    return text.DataString();
  }

  static std::string Binary(TvgObject* object) {
    TMemoryStream binary;
    vgSaveObjectToStream(object, binary);
    return std::string(static_cast<const char*>(binary.Memory()), size_t(binary.Size()));
  }

  static TvgObject* LoadText(const std::string& text, TComponent* owner = nullptr) {
    TStringStream stream(text);
    return vgLoadObjectFromText(owner, stream);
  }

  static TvgObject* LoadBinary(const std::string& bytes, TComponent* owner = nullptr) {
    TStringStream stream(bytes);
    return vgLoadObjectFromBinary(owner, stream);
  }

  static std::string TextToBinary(const std::string& text) {
    TStringStream input(text);
    TStringStream output;
    ObjectTextToBinary(input, output);
    return output.DataString();
  }
};

const char* const kTree =
    "object Root: TvgObject\r\n"
    "  ResourceName = 'panelstyle'\r\n"
    "  object Part: TvgObject\r\n"
    "    BindingName = 'caption'\r\n"
    "    ResourceName = 'text'\r\n"
    "  end\r\n"
    "  object Brush1: TvgBrushObject\r\n"
    "    ResourceName = 'grad'\r\n"
    "  end\r\n"
    "end\r\n";

TEST_F(ObjectStreaming, WritesTheObjectWithItsStoredChildren) {
  TvgObject root(nullptr);
  root.SetName("Root");
  root.SetResourceName("panelstyle");
  auto* part = new TvgObject(&root);
  part->SetName("Part");
  part->SetResourceName("text");
  part->SetBindingName("caption");
  root.AddObject(part);
  auto* hidden = new TvgObject(&root);
  hidden->SetName("Hidden");
  hidden->SetStored(false);
  root.AddObject(hidden);
  auto* brush = new TvgBrushObject(&root);
  brush->SetName("Brush1");
  brush->SetResourceName("grad");
  root.AddObject(brush);
  EXPECT_EQ(Text(&root), kTree);
  EXPECT_EQ(Binary(&root), TextToBinary(kTree));
  EXPECT_EQ(Binary(&root).substr(0, 4), "TPF0");
}

TEST_F(ObjectStreaming, LoadsANewObjectOfTheStreamsClassWithoutNames) {
  TComponent owner(nullptr);
  TvgObject* root = LoadText(kTree, &owner);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->ClassName(), "TvgObject");
  EXPECT_EQ(root->Owner(), &owner);
  EXPECT_EQ(root->Name(), "");
  EXPECT_EQ(root->ResourceName(), "panelstyle");
  ASSERT_EQ(root->ChildrenCount(), 2);
  EXPECT_EQ(root->Children(0)->BindingName(), "caption");
  EXPECT_EQ(root->Children(0)->Name(), "");
  EXPECT_NE(dynamic_cast<TvgBrushObject*>(root->Children(1)), nullptr);
  EXPECT_FALSE(root->HasState(csDesigning));
  EXPECT_FALSE(root->HasState(csLoading));
  EXPECT_EQ(vgFindResourceObject("grad"), root->Children(1));
}

TEST_F(ObjectStreaming, LoadsFromTheStreamsPosition) {
  std::string bytes = "junk" + TextToBinary(kTree);
  TStringStream stream(bytes);
  stream.SetPosition(4);
  TvgObject* root = vgLoadObjectFromBinary(nullptr, stream);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->ChildrenCount(), 2);
  root->Free();
}

TEST_F(ObjectStreaming, SkipsUnknownPropertiesAndBadValues) {
  TvgObject* root = LoadText(
      "object Root: TvgObject\r\n"
      "  Bogus = 12\r\n"
      "  ResourceName = 'kept'\r\n"
      "  Tag = 'not a number'\r\n"
      "  object Child: TvgObject\r\n"
      "    Nested.Thing = True\r\n"
      "    BindingName = 'child'\r\n"
      "  end\r\n"
      "end\r\n");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->ResourceName(), "kept");
  ASSERT_EQ(root->ChildrenCount(), 1);
  EXPECT_EQ(root->Children(0)->BindingName(), "child");
  root->Free();
}

TEST_F(ObjectStreaming, LoadersAnswerNilOnEveryFailure) {
  std::string valid = TextToBinary(kTree);
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty stream", ""},
      {"wrong signature", "TPF1" + valid.substr(4)},
      {"unregistered class", TextToBinary("object X: TNoSuchClass\r\nend\r\n")},
      {"not a scene object", TextToBinary("object X: TvgBrush\r\nend\r\n")},
      {"unknown child class", TextToBinary("object X: TvgObject\r\n  object Y: TNoSuchChild\r\n  end\r\nend\r\n")},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadBinary(c.bytes), nullptr) << c.what;
  EXPECT_EQ(LoadText("object X TvgObject\r\n"), nullptr);
  EXPECT_EQ(LoadText(""), nullptr);
  EXPECT_EQ(LoadText("garbage"), nullptr);
}

TEST_F(ObjectStreaming, EveryTruncationOfAStreamGivesNil) {
  std::string valid = TextToBinary(kTree);
  size_t before = vgObjectCategories().size();
  for (size_t length = 0; length < valid.size(); ++length)
    EXPECT_EQ(LoadBinary(valid.substr(0, length)), nullptr) << "length " << length;
  EXPECT_EQ(vgObjectCategories().size(), before);
  EXPECT_EQ(vgFindResourceObject("panelstyle"), nullptr);  // half-read objects were freed
}

TEST_F(ObjectStreaming, CloneCopiesStoredChildrenWithoutNames) {
  TComponent owner(nullptr);
  TvgObject* original = LoadText(kTree, &owner);
  ASSERT_NE(original, nullptr);
  original->SetName("Original");
  auto* notStored = new TvgObject(original);
  notStored->SetStored(false);
  original->AddObject(notStored);
  TvgObject* copy = original->Clone(&owner);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(original->Name(), "Original");
  EXPECT_EQ(copy->Name(), "");
  EXPECT_EQ(copy->Owner(), &owner);
  EXPECT_EQ(copy->ClassType(), original->ClassType());
  EXPECT_EQ(copy->ResourceName(), "panelstyle");
  ASSERT_EQ(copy->ChildrenCount(), 2);
  EXPECT_TRUE(copy->Children(0)->Stored());
  EXPECT_EQ(copy->Children(0)->ResourceName(), "text");
  EXPECT_EQ(vgFindResourceObject("panelstyle"), copy);  // the newest
}

TEST_F(ObjectStreaming, ContentItemsComeBackIntoTheControl) {
  TvgControl control(nullptr);
  auto* content = new TvgContent(&control);
  control.AddObject(content);
  auto* item = new TvgObject(&control);
  item->SetResourceName("item");
  content->AddObject(item);
  TvgObject* copy = control.Clone(nullptr);
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->ChildrenCount(), 2);
  EXPECT_EQ(copy->Children(0)->ResourceName(), "item");
  EXPECT_NE(dynamic_cast<TvgContent*>(copy->Children(1)), nullptr);
  copy->Free();
}

TEST_F(ObjectStreaming, EveryClassSurvivesARoundTripWithItsNonDefaultProperties) {
  struct Case {
    const char* className;
    std::function<void(TvgObject*)> setUp;
    std::vector<const char*> written;
  } cases[] = {
      {"TvgObject",
       [](TvgObject* o) {
         o->SetResourceName("panelstyle");
         o->SetBindingName("value");
         o->SetTag(7);
         o->AddObject(new TvgObject(o));
       },
       {"ResourceName = 'panelstyle'", "BindingName = 'value'", "Tag = 7", "  object TvgObject"}},
      {"TvgContent",
       [](TvgObject* o) {
         auto* v = o->Visual();
         v->SetBounds(10, 20, 30.5f, 40);
         v->SetAlign(vaClient);
         v->SetOpacity(0.5f);
         v->SetRotateAngle(45);
         v->Margins()->SetRect({1, 2, 3, 4});
         v->Padding()->SetLeft(5);
         v->Scale()->SetPoint({2, 2});
         v->RotateCenter()->SetX(0);
         v->SetLocked(true);
         v->SetHitTest(false);
         v->SetVisible(false);
         v->SetClipChildren(true);
         v->SetDesignHide(true);
         v->SetHint(L"\u63d0\u793a");
         v->SetShowHint(true);
         v->SetCursor(crHandPoint);
       },
       {"Align = vaClient", "Opacity = 0.5", "RotateAngle = 45", "Margins.Rect = '(1,2,3,4)'", "Locked = True",
        "HitTest = False", "Visible = False", "Width = 30.5", "Position.Point = '(10,20)'", "Hint = ", "Cursor = crHandPoint"}},
      {"TvgControl",
       [](TvgObject* o) {
         auto* c = static_cast<TvgControl*>(o);
         c->SetResource("Button1Style1");
         c->SetHelpKeyword("topic");
       },
       {"Resource = 'Button1Style1'", "HelpKeyword = 'topic'", "HelpType = htKeyword"}},
      {"TvgBrushObject",
       [](TvgObject* o) {
         TvgBrush* b = static_cast<TvgBrushObject*>(o)->Brush();
         b->SetStyle(vgBrushGradient);
         b->Gradient()->SetStyle(vgRadialGradient);
         b->Gradient()->RadialTransform()->SetRotateAngle(30);
         b->Gradient()->Points()->Add(0xFF00FF00, 0.5f);
       },
       {"Brush.Style = vgBrushGradient", "Brush.Gradient.Style = vgRadialGradient",
        "Brush.Gradient.RadialTransform.RotateAngle = 30", "Color = '#FF00FF00'"}},
      {"TvgBrushObject",
       [](TvgObject* o) {
         TvgBrush* b = static_cast<TvgBrushObject*>(o)->Brush();
         b->SetStyle(vgBrushResource);
         b->Resource()->SetResourceName("grad");
       },
       {"Brush.Style = vgBrushResource", "Brush.Resource.ResourceName = 'grad'"}},
      {"TvgPathObject",
       [](TvgObject* o) { static_cast<TvgPathObject*>(o)->Path()->SetData("M 0 0 L 10 10 Z"); },
       {"Path.Path = {"}},
      {"TvgBitmapObject",
       [](TvgObject* o) { static_cast<TvgBitmapObject*>(o)->Bitmap()->SetResourceName("logo"); },
       {"Bitmap.ResourceName = 'logo'"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.className);
    TClass objectClass = GetClass(c.className);
    ASSERT_NE(objectClass, nullptr);
    auto* object = dynamic_cast<TvgObject*>(objectClass->Construct(nullptr));
    ASSERT_NE(object, nullptr);
    c.setUp(object);
    std::string written = Text(object);
    for (const char* text : c.written) EXPECT_NE(written.find(text), std::string::npos) << text << " in\n" << written;
    TvgObject* loaded = LoadText(written);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ClassType(), objectClass);
    EXPECT_EQ(Text(loaded), written);
    loaded->Free();
    object->Free();
  }
}

}  // namespace
