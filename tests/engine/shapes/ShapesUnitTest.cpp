// The shapes unit: every shape, text, image, path and paint box class is registered under
// "Shapes", streams nothing of its defaults, and survives a round trip through the object text
// form with its non-default properties.
#include "engine/shapes/ShapesUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "classlib/core/StringStream.h"
#include "engine/shapes/BlurShapes.h"
#include "engine/gdiplus/GdiPlusUnit.h"
#include "engine/shapes/Image.h"
#include "engine/tree/TreeUnit.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/shapes/PaintBox.h"
#include "engine/shapes/Path.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"

namespace {

const char* const kShapeClasses[] = {
    "TvgLine",  "TvgRectangle", "TvgSidesRectangle", "TvgBlurRectangle", "TvgRoundRect",       "TvgBlurRoundRect",
    "TvgEllipse", "TvgCircle",  "TvgArc",            "TvgPie",           "TvgText",            "TvgPath",
    "TvgImage", "TvgPaintBox",  "TvgScrollArrowLeft", "TvgScrollArrowRight", "TvgCalloutRectangle"};

class ShapesUnit : public testing::Test {
protected:
  void SetUp() override {
    vgInitializeGdiPlusUnit();  // the PNG property of images goes through the image filter
    vgInitializeTreeUnit();
    vgInitializeShapesUnit();
  }

  static std::string Text(TvgObject* object) {
    TStringStream text;
    vgSaveObjectToText(object, text);
    return text.DataString();
  }
  static TvgObject* Create(const char* className) {
    TClass objectClass = GetClass(className);
    return objectClass ? dynamic_cast<TvgObject*>(objectClass->Construct(nullptr)) : nullptr;
  }
  // The property lines, without the object's header and end.
  static std::vector<std::string> PropertyNames(const std::string& text) {
    std::vector<std::string> names;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
      const size_t first = line.find_first_not_of(' ');
      const size_t equals = line.find(" = ");
      if (first == std::string::npos || equals == std::string::npos) continue;
      names.push_back(line.substr(first, equals - first));
    }
    return names;
  }
};

TEST_F(ShapesUnit, RegistersEveryClassUnderShapes) {
  for (const char* name : kShapeClasses) {
    TClass objectClass = GetClass(name);
    ASSERT_NE(objectClass, nullptr) << name;
    const auto& categories = vgObjectCategories();
    EXPECT_EQ(std::count_if(categories.begin(), categories.end(),
                            [objectClass](const TvgObjectCategory& c) {
                              return c.Class == objectClass && c.Category == "Shapes";
                            }),
              1)
        << name;
  }
  vgInitializeShapesUnit();
  EXPECT_EQ(std::count_if(vgObjectCategories().begin(), vgObjectCategories().end(),
                          [](const TvgObjectCategory& c) { return c.Category == "Shapes"; }),
            int(std::size(kShapeClasses)))
      << "a second start-up registers nothing again";
}

TEST_F(ShapesUnit, RegistersTheDesignGripsUnderDesign) {
  std::vector<std::string> design;
  for (const TvgObjectCategory& c : vgObjectCategories())
    if (c.Category == "Design") design.push_back(c.Class->Name);
  EXPECT_EQ(design, (std::vector<std::string>{"TvgSelection", "TvgSelectionPoint", "TvgDesignFrame"}));
  for (const std::string& name : design) EXPECT_NE(GetClass(name), nullptr) << name;
}

TEST_F(ShapesUnit, NewObjectsStreamOnlyTheirSize) {
  for (const char* name : kShapeClasses) {
    TvgObject* object = Create(name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(PropertyNames(Text(object)), (std::vector<std::string>{"Width", "Height"})) << name;
    object->Free();
  }
}

TEST_F(ShapesUnit, EveryClassSurvivesARoundTripWithItsNonDefaultProperties) {
  struct Case {
    const char* className;
    std::function<void(TvgObject*)> setUp;
    std::vector<const char*> written;
  } cases[] = {
      {"TvgLine",
       [](TvgObject* o) {
         auto* line = static_cast<TvgLine*>(o);
         line->SetLineType(vgLineVertical);
         line->Stroke()->SetSolidColor(0xFF112233);
         line->SetStrokeThickness(2.5f);
         line->SetStrokeDash(vgDashDot);
         line->SetStrokeCap(vgCapRound);
         line->SetStrokeJoin(vgJoinBevel);
       },
       {"LineType = vgLineVertical", "Stroke.Color = '#FF112233'", "StrokeThickness = 2.5", "StrokeDash = vgDashDot",
        "StrokeCap = vgCapRound", "StrokeJoin = vgJoinBevel"}},
      {"TvgRectangle",
       [](TvgObject* o) {
         auto* r = static_cast<TvgRectangle*>(o);
         r->Fill()->SetStyle(vgBrushGradient);
         r->SetXRadius(3);
         r->SetYRadius(4.5f);
         r->SetCorners({vgCornerTopLeft, vgCornerBottomRight});
         r->SetCornerType(vgCornerBevel);
         r->SetSides({});
       },
       {"Fill.Style = vgBrushGradient", "Fill.Gradient.Points", "xRadius = 3", "yRadius = 4.5",
        "Corners = [vgCornerTopLeft, vgCornerBottomRight]", "CornerType = vgCornerBevel", "Sides = []"}},
      {"TvgSidesRectangle", [](TvgObject* o) { static_cast<TvgRectangle*>(o)->SetSides({vgSideTop, vgSideRight}); },
       {"Sides = [vgSideTop, vgSideRight]"}},
      {"TvgBlurRectangle",
       [](TvgObject* o) {
         auto* r = static_cast<TvgBlurRectangle*>(o);
         r->SetSoftness(0.5f);
         r->Stroke()->SetStyle(vgBrushSolid);
       },
       {"Softness = 0.5", "Stroke.Style = vgBrushSolid"}},
      {"TvgRoundRect", [](TvgObject* o) { static_cast<TvgRoundRect*>(o)->SetCorners({vgCornerTopRight}); },
       {"Corners = [vgCornerTopRight]"}},
      {"TvgBlurRoundRect", [](TvgObject* o) { static_cast<TvgBlurRoundRect*>(o)->SetSoftness(0); },
       {"Softness = 0"}},
      {"TvgEllipse", [](TvgObject* o) { static_cast<TvgEllipse*>(o)->Fill()->SetColor("#FF00FF00"); },
       {"Fill.Color = '#FF00FF00'"}},
      {"TvgCircle", [](TvgObject* o) { static_cast<TvgCircle*>(o)->Stroke()->SetStyle(vgBrushNone); },
       {"Stroke.Style = vgBrushNone"}},
      {"TvgArc",
       [](TvgObject* o) {
         auto* arc = static_cast<TvgArc*>(o);
         arc->SetStartAngle(30);
         arc->SetEndAngle(0);
         arc->Fill()->SetStyle(vgBrushSolid);
       },
       {"StartAngle = 30", "EndAngle = 0", "Fill.Style = vgBrushSolid"}},
      {"TvgPie", [](TvgObject* o) { static_cast<TvgPie*>(o)->SetStartAngle(45.5f); }, {"StartAngle = 45.5"}},
      {"TvgText",
       [](TvgObject* o) {
         auto* text = static_cast<TvgText*>(o);
         text->SetText(L"\u7956\u8BFA\u6D4F\u89C8\u5668 \u66F4\u65B0");
         text->Font()->SetSize(16);
         text->Font()->SetStyle(vgFontBold);
         text->Font()->SetFamily("SimSun");
         text->Fill()->SetColor("#FF5C5C5C");
         text->SetVertTextAlign(vgTextAlignNear);
         text->SetHorzTextAlign(vgTextAlignFar);
         text->SetWordWrap(false);
         text->SetAutoSize(true);
       },
       {"Text = ", "Font.Size = 16", "Font.Style = vgFontBold", "Font.Family = 'SimSun'", "Fill.Color = '#FF5C5C5C'",
        "VertTextAlign = vgTextAlignNear", "HorzTextAlign = vgTextAlignFar", "WordWrap = False", "AutoSize = True"}},
      {"TvgText", [](TvgObject* o) { static_cast<TvgText*>(o)->SetStretch(true); }, {"Stretch = True"}},
      {"TvgPath",
       [](TvgObject* o) {
         auto* path = static_cast<TvgPath*>(o);
         path->Data()->SetData("M 0,0 L 10,10 L 0,10 Z");
         path->SetWrapMode(vgPathTile);
       },
       {"Data.Path = {", "WrapMode = vgPathTile"}},
      {"TvgPath", [](TvgObject* o) { static_cast<TvgPath*>(o)->Data()->SetResourceName("arrowpath"); },
       {"Data.ResourceName = 'arrowpath'"}},
      {"TvgImage",
       [](TvgObject* o) {
         auto* image = static_cast<TvgImage*>(o);
         image->Bitmap()->SetSize(2, 2);
         image->Bitmap()->Clear(0x80FF8000);
         image->BitmapMargins()->SetRect({1, 2, 3, 4});
         image->SetWrapMode(vgImageTile);
         image->SetDisableInterpolation(true);
       },
       {"Bitmap.PNG = {", "BitmapMargins.Rect = '(1,2,3,4)'", "WrapMode = vgImageTile", "DisableInterpolation = True"}},
      {"TvgPaintBox", [](TvgObject* o) { o->Visual()->SetHitTest(false); }, {"HitTest = False"}},
      {"TvgScrollArrowLeft", [](TvgObject* o) { static_cast<TvgCustomPath*>(o)->Fill()->SetColor("#FF101010"); },
       {"Fill.Color = '#FF101010'"}},
      {"TvgScrollArrowRight", [](TvgObject* o) { static_cast<TvgCustomPath*>(o)->SetStrokeThickness(0); },
       {"StrokeThickness = 0"}},
      {"TvgCalloutRectangle",
       [](TvgObject* o) {
         auto* callout = static_cast<TvgCalloutRectangle*>(o);
         callout->SetCalloutWidth(30);
         callout->SetCalloutLength(5);
         callout->SetCalloutPosition(vgCalloutRight);
         callout->SetCalloutOffset(-4);
         callout->SetXRadius(2);
       },
       {"CalloutWidth = 30", "CalloutLength = 5", "CalloutPosition = vgCalloutRight", "CalloutOffset = -4",
        "xRadius = 2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.className);
    TvgObject* object = Create(c.className);
    ASSERT_NE(object, nullptr);
    c.setUp(object);
    const std::string written = Text(object);
    for (const char* text : c.written) EXPECT_NE(written.find(text), std::string::npos) << text << " in\n" << written;
    TStringStream stream(written);
    TvgObject* loaded = vgLoadObjectFromText(nullptr, stream);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ClassType(), object->ClassType());
    EXPECT_EQ(Text(loaded), written);
    loaded->Free();
    object->Free();
  }
}

TEST_F(ShapesUnit, ALineHasNoFillToStream) {
  TvgLine line(nullptr);
  EXPECT_EQ(FindPropInfo(&line, "Fill"), nullptr);
  TStringStream stream(
      "object L: TvgLine\r\n"
      "  Fill.Color = '#FFFF0000'\r\n"
      "  LineType = vgLineHorizontal\r\n"
      "end\r\n");
  TvgObject* loaded = vgLoadObjectFromText(nullptr, stream);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(static_cast<TvgLine*>(loaded)->LineType(), vgLineHorizontal);
  loaded->Free();
}

TEST_F(ShapesUnit, ReadingBadValuesKeepsTheDefaults) {
  TStringStream stream(
      "object R: TvgRectangle\r\n"
      "  Sides = [vgSideTop, vgNoSuchSide]\r\n"
      "  CornerType = vgNoSuchType\r\n"
      "  xRadius = 'wide'\r\n"
      "  Fill.Color = 'not a colour'\r\n"
      "  Opacity = 0.5\r\n"
      "end\r\n");
  TvgObject* loaded = vgLoadObjectFromText(nullptr, stream);
  ASSERT_NE(loaded, nullptr);
  auto* rectangle = static_cast<TvgRectangle*>(loaded);
  EXPECT_EQ(rectangle->CornerType(), vgCornerRound);
  EXPECT_EQ(rectangle->XRadius(), 0);
  EXPECT_EQ(rectangle->Opacity(), 0.5f);
  loaded->Free();
}

}  // namespace
