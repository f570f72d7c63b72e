// gallery: every control of the toolkit in one window, streamed from its form resource and styled
// by the default style, the dark styles beside the HUD ones, and a HUD window on a form of its
// own. gallery_test.sh drives it with real input; it tells what happens on standard output:
//   at NAME LEFT TOP WIDTH HEIGHT    the screen rect of a named scene object of the gallery (or
//                                    "hidden"), at the start and whenever it changes
//   form NAME LEFT TOP WIDTH HEIGHT  a form's rect, likewise
//   change NAME PROPERTY=VALUE       a control reported a change of its value (a text control's
//                                    as Text=..., its line breaks written \r and \n)
//   closed NAME                      a form closed
//   ready                            both forms show
#include <cstdio>
#include <map>
#include <string>

#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Timer.h"
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

std::string Escaped(const std::wstring& text) {
  std::string escaped;
  for (char c : Utf16ToUtf8(text)) escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
  return escaped;
}

// The first of the value properties a control has, as the streams write it.
std::string Value(TObject* control) {
  for (const char* name : {"IsChecked", "ItemIndex", "Value"}) {
    const TPropInfo* prop = FindPropInfo(control, name);
    if (!prop) continue;
    const TPropValue value = prop->Get(*control);
    if (const double* number = std::get_if<double>(&value)) return Format("%s=%g", name, *number);
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

}  // namespace

// The handlers both forms bind by name.
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

CL_PUBLISHED(TGalleryForm) {
  CL_METHOD(TGalleryForm, ControlChange);
  CL_METHOD(TGalleryForm, FormClose);
}
CL_PUBLISHED(TfrmGallery) {}
CL_PUBLISHED(TfrmHudWindow) {}

int main() try {
  TvgToolkit toolkit;
  Application->Initialize();
  Application->SetTitle("Controls gallery");
  auto* gallery = Application->CreateForm<TfrmGallery>();
  auto* hudWindow = Application->CreateForm<TfrmHudWindow>();
  TTimer watch(nullptr);
  watch.SetInterval(100);
  watch.SetOnTimer([&](TObject*) {
    for (TCustomForm* form : {static_cast<TCustomForm*>(gallery), static_cast<TCustomForm*>(hudWindow)})
      if (form->Visible()) placements.Report(*form, form == gallery);
  });
  watch.SetEnabled(true);
  gallery->Show();
  hudWindow->Show();
  placements.Report(*gallery, true);
  placements.Report(*hudWindow, false);
  Log("ready");
  Application->Run();
  return 0;
} catch (const std::exception& e) {
  Log(std::string("failed: ") + e.what());
  return 1;
}
