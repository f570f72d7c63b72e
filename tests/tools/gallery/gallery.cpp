// gallery [PAGE]: the toolkit's controls, a page of them at a time, each page streamed from its form
// resource TFRMGALLERY<PAGE> and styled by the default style, the dark styles beside the HUD ones.
// Without a page it shows the first one and a HUD window on a form of its own. The scripts
// gallery_test.sh and gallery_<page>_test.sh drive it with real input; it tells what happens on
// standard output:
//   at NAME LEFT TOP WIDTH HEIGHT    the screen rect of a named scene object of the gallery (or
//                                    "hidden"), at the start and whenever it changes
//   form NAME LEFT TOP WIDTH HEIGHT  a form's rect, likewise
//   change NAME PROPERTY=VALUE       a control reported a change of its value (texts in UTF-8,
//                                    their line breaks written \r and \n)
//   ime at X Y                       the composition window was placed at screen point (X, Y)
//   closed NAME                      a form closed
//   ready                            the page shows (and the HUD window with the first)
// An unknown page prints "failed: no page PAGE" and ends with 2.
#include <cstdio>
#include <map>
#include <string>

#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Timer.h"
#include "controls/textboxes/TextBox.h"
#include "engine/scene/Ime.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"
#include "toolkit/Toolkit.h"

namespace {

void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string Rect(int left, int top, int width, int height) {
  return Format("%d %d %d %d", left, top, width, height);
}

// A text on one line of the output.
std::string Escaped(const std::wstring& text) {
  std::string escaped;
  for (char c : Utf16ToUtf8(text)) escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
  return escaped;
}

// The first of the value properties a control has, as the streams write it. The memo publishes
// its text as Lines: it reports its data, the whole text.
std::string Value(TObject* control) {
  for (const char* name : {"IsChecked", "ItemIndex", "Value", "Text"}) {
    const TPropInfo* prop = FindPropInfo(control, name);
    if (!prop) continue;
    const TPropValue value = prop->Get(*control);
    if (const double* number = std::get_if<double>(&value)) return Format("%s=%g", name, *number);
    if (const std::wstring* text = std::get_if<std::wstring>(&value)) return name + std::string("=") + Escaped(*text);
    if (const int64_t* ordinal = std::get_if<int64_t>(&value))
      return name + std::string("=") + (prop->EnumType ? prop->EnumType->NameOf(*ordinal) : std::to_string(*ordinal));
  }
  if (auto* object = dynamic_cast<TvgVisualObject*>(control)) return "Text=" + Escaped(object->GetData().ToWideString());
  return "";
}

// What the test reads of the forms: their rects and those of the gallery's named scene objects.
// Reading an object's place works out its matrix when that is stale, which paints it: the HUD
// window's transparent scene, whose root hides its style for every paint, would be painted
// over and over, so only its form is watched.
class TPlacements {
public:
  void Report(TCustomForm& form, bool objectsToo) {
    Place("form " + form.Name(), Rect(form.Left(), form.Top(), form.Width(), form.Height()));
    if (!objectsToo) return;
    for (int i = 0; i < form.ComponentCount(); ++i) {
      auto* object = dynamic_cast<TvgVisualObject*>(form.Components(i));
      if (!object || object->Name().empty() || !object->Scene()) continue;
      const TvgRect r = object->GetAbsoluteRect();
      const TvgPoint topLeft = object->Scene()->LocalToScreen({r.Left, r.Top});
      const TvgPoint bottomRight = object->Scene()->LocalToScreen({r.Right, r.Bottom});
      const bool shown = object->Visible() && object->CheckParentVisible();
      Place("at " + object->Name(),
            shown ? Rect(int(Round(topLeft.X)), int(Round(topLeft.Y)), int(Round(bottomRight.X - topLeft.X)),
                         int(Round(bottomRight.Y - topLeft.Y)))
                  : "hidden");
    }
  }

private:
  void Place(const std::string& what, const std::string& rect) {
    std::string& last = last_[what];
    if (last == rect) return;
    last = rect;
    Log(what + " " + rect);
  }
  std::map<std::string, std::string> last_;
};

TPlacements placements;

class TScriptedIme : public TvgIme {
public:
  std::wstring ResultString(HWND) override { return L"\u4e2d\u6587"; }
  void SetCompositionFont(HWND, const LOGFONTW&) override {}
  void SetCompositionWindow(HWND window, const COMPOSITIONFORM& form) override {
    POINT at = form.ptCurrentPos;
    ClientToScreen(window, &at);
    Log(Format("ime at %d %d", int(at.x), int(at.y)));
  }
  LANGID KeyboardLanguage() override { return MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED); }
};

}  // namespace

// The handlers every form of the gallery binds by name.
class TGalleryForm : public TForm {
  CL_CLASS(TGalleryForm, TForm)
public:
  using TForm::TForm;
  void ControlChange(TObject* sender) {
    if (auto* component = dynamic_cast<TComponent*>(sender)) Log("change " + component->Name() + " " + Value(sender));
  }
  void FormClose(TObject*, TCloseAction&) { Log("closed " + Name()); }
};

class TfrmGallery : public TGalleryForm {
  CL_CLASS(TfrmGallery, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
};

class TfrmHudWindow : public TGalleryForm {
  CL_CLASS(TfrmHudWindow, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
};

// The pages after the first, each a form class of its own (its resource is named after it).
class TfrmGalleryText : public TGalleryForm {
  CL_CLASS(TfrmGalleryText, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
};

CL_PUBLISHED(TGalleryForm) {
  CL_METHOD(TGalleryForm, ControlChange);
  CL_METHOD(TGalleryForm, FormClose);
}
CL_PUBLISHED(TfrmGallery) {}
CL_PUBLISHED(TfrmHudWindow) {}
CL_PUBLISHED(TfrmGalleryText) {}

namespace {

template <class F>
TCustomForm* CreatePage() {
  return Application->CreateForm<F>();
}

// The pages by the name the command line gives; the first page has none.
const std::map<std::string, TCustomForm* (*)()> kPages = {
    {"", CreatePage<TfrmGallery>},
    {"text", CreatePage<TfrmGalleryText>},
};

}  // namespace

int main(int argc, char** argv) try {
  const std::string page = argc > 1 ? argv[1] : "";
  const auto createPage = kPages.find(page);
  if (createPage == kPages.end()) {
    Log("failed: no page " + page);
    return 2;
  }
  TvgToolkit toolkit;
  Application->Initialize();
  Application->SetTitle("Controls gallery");
  TCustomForm* gallery = createPage->second();
  TCustomForm* hudWindow = page.empty() ? Application->CreateForm<TfrmHudWindow>() : nullptr;
  TScriptedIme ime;
  vgSetIme(&ime);
  // The length limit is set by code: it is not a streamed property.
  for (const char* name : {"DarkMaxLengthBox", "HudMaxLengthBox"})
    if (auto* box = dynamic_cast<TvgCustomTextBox*>(gallery->FindComponent(name))) box->SetMaxLength(8);
  TTimer watch(nullptr);
  watch.SetInterval(100);
  watch.SetOnTimer([&](TObject*) {
    for (TCustomForm* form : {gallery, hudWindow})
      if (form && form->Visible()) placements.Report(*form, form == gallery);
  });
  watch.SetEnabled(true);
  gallery->Show();
  if (hudWindow) hudWindow->Show();
  placements.Report(*gallery, true);
  if (hudWindow) placements.Report(*hudWindow, false);
  Log("ready");
  Application->Run();
  vgSetIme(nullptr);
  return 0;
} catch (const std::exception& e) {
  Log(std::string("failed: ") + e.what());
  return 1;
}
