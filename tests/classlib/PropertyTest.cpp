#include <gtest/gtest.h>

#include "classlib/core/Component.h"
#include "classlib/core/SysUtils.h"

CL_ENUM(TSampleShape, shSquare, shCircle, shStar)
using TSampleShapes = TSet<TSampleShape>;

class TSampleFill : public TPersistent {
  CL_CLASS(TSampleFill, TPersistent)
public:
  std::string Color() const { return color_; }
  void SetColor(const std::string& c) { color_ = c; }
  float Opacity = 1;

private:
  std::string color_ = "#FF000000";
};

CL_PUBLISHED(TSampleFill) {
  published.Property("Color", &TSampleFill::Color, &TSampleFill::SetColor).Default("#FF000000");
  published.Property("Opacity", &TSampleFill::Opacity, &TSampleFill::Opacity).Default(1.0f);
}

class TSampleWidget : public TComponent {
  CL_CLASS(TSampleWidget, TComponent)
public:
  using TComponent::TComponent;
  ~TSampleWidget() override { delete fill_; }
  int32_t Width = 0;
  bool Visible = true;
  TSampleShape Shape = shSquare;
  TSampleShapes Shapes;
  double Ratio = 0;
  std::wstring Text;
  int64_t Big = 0;
  TSampleFill* Fill() const { return fill_; }
  TSampleWidget* Buddy = nullptr;
  TNotifyEvent OnClick;
  bool ReadOnlyFlag() const { return true; }

private:
  TSampleFill* fill_ = new TSampleFill;
};

CL_PUBLISHED(TSampleWidget) {
  published.Property("Width", &TSampleWidget::Width, &TSampleWidget::Width);
  published.Property("Visible", &TSampleWidget::Visible, &TSampleWidget::Visible).Default(true);
  published.Property("Shape", &TSampleWidget::Shape, &TSampleWidget::Shape).Default(shSquare);
  published.Property("Shapes", &TSampleWidget::Shapes, &TSampleWidget::Shapes).Default({});
  published.Property("Ratio", &TSampleWidget::Ratio, &TSampleWidget::Ratio);
  published.Property("Text", &TSampleWidget::Text, &TSampleWidget::Text);
  published.Property("Big", &TSampleWidget::Big, &TSampleWidget::Big);
  published.Property("Fill", &TSampleWidget::Fill);
  published.Property("Buddy", &TSampleWidget::Buddy, &TSampleWidget::Buddy);
  published.Property("OnClick", &TSampleWidget::OnClick, &TSampleWidget::OnClick);
  published.Property("ReadOnlyFlag", &TSampleWidget::ReadOnlyFlag);
}

class TSampleForm : public TComponent {
  CL_CLASS(TSampleForm, TComponent)
public:
  using TComponent::TComponent;
  int clicks = 0;
  TObject* lastSender = nullptr;
  void WidgetClick(TObject* sender) {
    ++clicks;
    lastSender = sender;
  }
};

CL_PUBLISHED(TSampleForm) { CL_METHOD(TSampleForm, WidgetClick); }

TEST(ClassInfo, KnowsNameParentAndAncestry) {
  TClass c = TSampleWidget::StaticClass();
  EXPECT_EQ(c->Name, "TSampleWidget");
  EXPECT_EQ(c->Parent, TComponent::StaticClass());
  EXPECT_TRUE(c->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_FALSE(TComponent::StaticClass()->InheritsFrom(c));
  TSampleWidget w(nullptr);
  TObject& asObject = w;
  EXPECT_EQ(asObject.ClassName(), "TSampleWidget");
}

TEST(ClassRegistry, FindsRegisteredClassesByNameInAnyCase) {
  RegisterClasses({TSampleWidget::StaticClass(), TSampleForm::StaticClass()});
  EXPECT_EQ(GetClass("tsamplewidget"), TSampleWidget::StaticClass());
  EXPECT_EQ(FindClass("TSAMPLEFORM"), TSampleForm::StaticClass());
  UnRegisterClass(TSampleWidget::StaticClass());
  EXPECT_EQ(GetClass("TSampleWidget"), nullptr);
  EXPECT_THROW(FindClass("TSampleWidget"), EClassNotFound);
  UnRegisterClass(TSampleForm::StaticClass());
}

TEST(ClassInfo, ListsPropertiesAncestorsFirstInDeclarationOrder) {
  std::vector<std::string> names;
  for (const TPropInfo* p : TSampleWidget::StaticClass()->Properties()) names.push_back(p->Name);
  std::vector<std::string> expected{"Name", "Tag", "Width", "Visible", "Shape", "Shapes", "Ratio",
                                    "Text", "Big", "Fill", "Buddy", "OnClick", "ReadOnlyFlag"};
  EXPECT_EQ(names, expected);
}

// Declares Visible again with another default.
class TSampleHiddenWidget : public TSampleWidget {
  CL_CLASS(TSampleHiddenWidget, TSampleWidget)
public:
  using TSampleWidget::TSampleWidget;
};

CL_PUBLISHED(TSampleHiddenWidget) {
  published.Property("Visible", &TSampleWidget::Visible, &TSampleWidget::Visible).Default(false);
}

TEST(ClassInfo, PropertyDeclaredAgainKeepsItsPlaceWithTheNewDefault) {
  std::vector<const TPropInfo*> props = TSampleHiddenWidget::StaticClass()->Properties();
  ASSERT_EQ(props.size(), TSampleWidget::StaticClass()->Properties().size());
  EXPECT_EQ(props[3]->Name, "Visible");
  EXPECT_EQ(props[3], TSampleHiddenWidget::StaticClass()->FindProperty("Visible"));
  TSampleHiddenWidget widget(nullptr);
  EXPECT_FALSE(props[3]->IsDefaultValue(widget));
}

TEST(ClassInfo, DeducesKindsFromAccessorTypes) {
  struct Case {
    const char* name;
    TPropKind kind;
  } cases[] = {{"Width", TPropKind::Integer}, {"Visible", TPropKind::Boolean}, {"Shape", TPropKind::Enum},
               {"Shapes", TPropKind::Set},    {"Ratio", TPropKind::Double},    {"Text", TPropKind::WideString},
               {"Big", TPropKind::Int64},     {"Fill", TPropKind::Class},      {"Buddy", TPropKind::Class},
               {"OnClick", TPropKind::Method}, {"Name", TPropKind::String}};
  for (const auto& c : cases) {
    const TPropInfo* p = TSampleWidget::StaticClass()->FindProperty(c.name);
    ASSERT_NE(p, nullptr) << c.name;
    EXPECT_EQ(p->Kind, c.kind) << c.name;
  }
  EXPECT_TRUE(TSampleWidget::StaticClass()->FindProperty("buddy")->IsComponentReference());
  EXPECT_FALSE(TSampleWidget::StaticClass()->FindProperty("Fill")->IsComponentReference());
  EXPECT_EQ(TSampleWidget::StaticClass()->FindProperty("Fill")->ObjClass(), TSampleFill::StaticClass());
}

TEST(Property, GetsAndSetsEveryKindByName) {
  TSampleWidget w(nullptr);
  TSampleWidget other(nullptr);
  SetPropValue(&w, "width", int64_t(42));
  SetPropValue(&w, "Visible", int64_t(0));
  SetPropValue(&w, "Shape", int64_t(shStar));
  SetPropValue(&w, "Shapes", int64_t(TSampleShapes{shCircle, shStar}.Bits()));
  SetPropValue(&w, "Ratio", 2.5);
  SetPropValue(&w, "Text", std::wstring(L"\u795d"));
  SetPropValue(&w, "Big", int64_t(1) << 40);
  SetPropValue(&w, "Buddy", static_cast<TObject*>(&other));
  EXPECT_EQ(w.Width, 42);
  EXPECT_FALSE(w.Visible);
  EXPECT_EQ(w.Shape, shStar);
  EXPECT_TRUE(w.Shapes.Contains(shCircle) && w.Shapes.Contains(shStar) && !w.Shapes.Contains(shSquare));
  EXPECT_EQ(w.Ratio, 2.5);
  EXPECT_EQ(w.Text, L"\u795d");
  EXPECT_EQ(w.Big, int64_t(1) << 40);
  EXPECT_EQ(w.Buddy, &other);
  EXPECT_EQ(std::get<int64_t>(GetPropValue(&w, "Width")), 42);
}

TEST(Property, RejectsUnknownReadOnlyAndMistypedValues) {
  TSampleWidget w(nullptr);
  TSampleFill fill;
  EXPECT_THROW(SetPropValue(&w, "Nope", int64_t(1)), EPropertyError);
  EXPECT_THROW(SetPropValue(&w, "ReadOnlyFlag", int64_t(1)), EPropertyError);
  EXPECT_THROW(SetPropValue(&w, "Width", std::string("x")), EPropertyError);
  EXPECT_THROW(SetPropValue(&w, "Buddy", static_cast<TObject*>(&fill)), EPropertyError);
  EXPECT_EQ(w.Buddy, nullptr);
}

TEST(Property, ResolvesDottedPathsThroughSubObjects) {
  TSampleWidget w(nullptr);
  TPropertyPath path = ResolvePropertyPath(&w, "Fill.Color");
  ASSERT_TRUE(path);
  path.Set(std::string("#FF337AB7"));
  EXPECT_EQ(w.Fill()->Color(), "#FF337AB7");
  EXPECT_FALSE(ResolvePropertyPath(&w, "Fill.Nope"));
  EXPECT_FALSE(ResolvePropertyPath(&w, "Width.Color"));
  EXPECT_FALSE(ResolvePropertyPath(&w, "Buddy.Width"));  // nil reference
}

TEST(Property, DefaultRulesPerKind) {
  TSampleWidget w(nullptr);
  auto isDefault = [&](const char* name) { return FindPropInfo(&w, name)->IsDefaultValue(w); };
  EXPECT_FALSE(isDefault("Width"));  // ordinals without a default are always written
  EXPECT_TRUE(isDefault("Visible"));
  EXPECT_TRUE(isDefault("Ratio"));
  EXPECT_TRUE(isDefault("Text"));
  EXPECT_TRUE(isDefault("OnClick"));
  EXPECT_TRUE(isDefault("Tag"));
  EXPECT_TRUE(FindPropInfo(w.Fill(), "Opacity")->IsDefaultValue(*w.Fill()));
  w.Visible = false;
  w.Ratio = 0.5;
  w.Fill()->Opacity = 0.5f;
  EXPECT_FALSE(isDefault("Visible"));
  EXPECT_FALSE(isDefault("Ratio"));
  EXPECT_FALSE(FindPropInfo(w.Fill(), "Opacity")->IsDefaultValue(*w.Fill()));
  EXPECT_FALSE(FindPropInfo(&w, "Name")->IsStored(w));
}

TEST(PublishedMethod, BindsByNameAndKeepsItsIdentity) {
  TSampleForm form(nullptr);
  TSampleWidget* widget = new TSampleWidget(&form);
  const TMethodInfo* code = form.MethodAddress("widgetclick");
  ASSERT_NE(code, nullptr);
  SetPropValue(widget, "OnClick", TMethod{code, &form});
  widget->OnClick(widget);
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(form.lastSender, widget);
  TMethod m = std::get<TMethod>(GetPropValue(widget, "OnClick"));
  EXPECT_EQ(form.MethodName(m.Code), "WidgetClick");
  EXPECT_EQ(m.Data, &form);
  EXPECT_EQ(form.MethodAddress("Missing"), nullptr);
}

TEST(PublishedMethod, RefusesAHandlerOfAnotherSignature) {
  TEvent<int&> keyEvent;
  TSampleForm form(nullptr);
  EXPECT_THROW(TEvent<int&>::FromMethod(TMethod{form.MethodAddress("WidgetClick"), &form}), EPropertyError);
  EXPECT_FALSE(keyEvent);
}

TEST(EnumType, NamesAndSetTexts) {
  const TEnumType& t = EnumTypeOf(TSampleShape{});
  EXPECT_EQ(t.Name(), "TSampleShape");
  EXPECT_EQ(t.NameOf(shCircle), "shCircle");
  EXPECT_EQ(t.ValueOf("SHSTAR"), shStar);
  EXPECT_EQ(t.ValueOf("shNone"), -1);
  EXPECT_EQ(SetToString(t, TSampleShapes{shSquare, shStar}.Bits()), "[shSquare,shStar]");
  uint32_t bits = 0;
  EXPECT_TRUE(StringToSet(t, "[shCircle, shStar]", bits));
  EXPECT_EQ(bits, TSampleShapes({shCircle, shStar}).Bits());
  EXPECT_TRUE(StringToSet(t, "[]", bits));
  EXPECT_EQ(bits, 0u);
  EXPECT_FALSE(StringToSet(t, "[shOval]", bits));
}
