#pragma once
// What style tests share: a real scene with a style container whose content is given as object
// text, controls that note what their style does, and a helper that adds a control as a root.
// The probes' property tables are in StyleTest.cpp.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/scene/Scene.h"
#include "classlib/core/StringList.h"
#include "engine/shapes/Background.h"
#include "engine/tree/Control.h"
#include "engine/styles/Resources.h"
#include "engine/styles/Style.h"
#include "toolkit/Toolkit.h"

// Notes ApplyStyle and FreeStyle (and runs onFreeStyle from it) and keeps the style part named
// "part" while a style is applied.
class TvgProbeControl : public TvgControl {
  CL_CLASS(TvgProbeControl, TvgControl)
public:
  using TvgControl::TvgControl;
  std::vector<std::string> events;
  TvgObject* part = nullptr;
  Variant value;

  void ApplyStyle() override {
    TvgControl::ApplyStyle();
    events.push_back("apply");
    part = FindResource("part");
  }
  void FreeStyle() override {
    events.push_back("free");
    if (onFreeStyle) onFreeStyle();
    part = nullptr;
  }
  std::function<void()> onFreeStyle;
  Variant GetData() override { return value; }
  void SetData(const Variant& data) override { value = data; }
};

// Styled by the parent class's style name in the default style ("backgroundstyle").
class TvgBackdropProbe : public TvgBackground {
  CL_CLASS(TvgBackdropProbe, TvgBackground)
public:
  using TvgBackground::TvgBackground;
};

// Two levels below TvgBackground: the fallback goes up one level only.
class TvgDeepBackdropProbe : public TvgBackdropProbe {
  CL_CLASS(TvgDeepBackdropProbe, TvgBackdropProbe)
public:
  using TvgBackdropProbe::TvgBackdropProbe;
};

class StyleFixture : public testing::Test {
protected:
  static void SetUpTestSuite() {
    vgInitializeToolkit();
    RegisterClasses({TvgVisualObject::StaticClass(), TvgBackground::StaticClass(), TvgProbeControl::StaticClass(),
                     TvgBackdropProbe::StaticClass(), TvgDeepBackdropProbe::StaticClass()});
  }
  void SetUp() override { scene->SetStyle(resources); }
  void TearDown() override {
    scene->SetStyle(nullptr);
    scene->Free();
    resources->Free();
  }

  // A control as a root object of the scene, not styled yet; the scene frees it.
  template <class C = TvgProbeControl>
  C* AddControl(const std::string& resource = "") {
    auto* control = new C(nullptr);
    control->BeginUpdate();
    control->SetResource(resource);
    control->EndUpdate();
    scene->AddObject(control);
    return control;
  }
  static int StyleTag(TvgControl* control) { return control->StyleObject() ? control->StyleObject()->Tag() : -1; }
  void SetStyleText(const std::string& text) { resources->Resource()->SetText(text); }

  // The default style when it can be loaded here; the tests that need it skip otherwise.
  static bool DefaultStyleLoads() { return vgDefaultStyle() != nullptr; }

  TvgWindowScene* scene = new TvgWindowScene(nullptr);
  TvgResources* resources = new TvgResources(nullptr);
};

// A container's text: a root holding one style per (name, tag), each with a part "part".
inline std::string StylesText(const std::vector<std::pair<std::string, int>>& styles) {
  std::string text = "object TvgVisualObject\r\n";
  for (const auto& [name, tag] : styles)
    text += "  object TvgVisualObject\r\n    ResourceName = '" + name + "'\r\n    Tag = " + std::to_string(tag) +
            "\r\n    object TvgVisualObject\r\n      ResourceName = 'part'\r\n    end\r\n  end\r\n";
  return text + "end\r\n";
}
