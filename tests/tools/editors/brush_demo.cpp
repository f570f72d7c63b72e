// brush_demo PNG: the brush designer on a fixture, for brush_test.sh to drive with real input. A
// borderless form (TFRMBRUSHDEMO) shows two swatches (rectangles) and two buttons; the shared brush designer edits
// the first swatch's brushes, "Brush dialog..." opens the modal brush dialog on the second's fill
// and "Close" ends the program. The system's open dialog is answered with PNG (a Unix path); the
// input box and the message boxes are the real ones. It tells what happens on standard output:
//   at FORM.NAME LEFT TOP WIDTH HEIGHT  the screen rect of a named scene object of a shown form
//                                       (or "hidden"), and of the rows of the designer's lists
//                                       (NAME brushList.N, resList.N), when the form shows and
//                                       whenever they may have moved
//   brush NAME DESCRIPTION              a swatch's brush, whenever it changes (see Describe)
//   resources NAME...                   the brush objects of the scene, whenever they change
//   dialog ok|cancel DESCRIPTION        the brush dialog ended so, with its brush
//   ready                               the forms show
//   closed                              the demo ends
#include <cstdio>
#include <map>
#include <string>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Timer.h"
#include "controls/buttons/Button.h"
#include "controls/editors/BrushDesign.h"
#include "controls/editors/BrushDialog.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/tabs/TabControl.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Shapes.h"
#include "engine/styles/ResourceObjects.h"
#include "toolkit/Toolkit.h"

namespace {

void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string PointText(const TvgPosition* position) {
  return Format("(%.2f,%.2f)", position->X(), position->Y());
}

// solid #AARRGGBB | gradient linear|radial START STOP COLOR@OFFSET,... | bitmap WxH MODE |
// resource NAME | none
std::string Describe(TvgBrush* brush) {
  switch (brush->Style()) {
    case vgBrushSolid: return "solid " + brush->Color();
    case vgBrushGradient: {
      const TvgGradient* gradient = brush->Gradient();
      std::string stops;
      for (int i = 0; i < gradient->Points()->Count(); ++i) {
        const TvgGradientPoint* point = gradient->Points()->Points(i);
        stops += Format("%s%s@%.2f", i ? "," : "", point->Color().c_str(), point->Offset());
      }
      return Format("gradient %s %s %s %s", gradient->Style() == vgLinearGradient ? "linear" : "radial",
                    PointText(gradient->StartPosition()).c_str(), PointText(gradient->StopPosition()).c_str(),
                    stops.c_str());
    }
    case vgBrushBitmap: {
      const TvgBrushBitmap* bitmap = brush->Bitmap();
      return Format("bitmap %dx%d %s", bitmap->Bitmap()->Width(), bitmap->Bitmap()->Height(),
                    EnumTypeOf(bitmap->WrapMode()).NameOf(bitmap->WrapMode()).c_str());
    }
    case vgBrushResource: return "resource " + brush->Resource()->ResourceName();
    default: return "none";
  }
}

// The system's open dialog chooses the fixture; every other dialog is the platform's.
class TFixtureDialogs : public TvgSystemDialogs {
public:
  explicit TFixtureDialogs(std::string file) : file_(std::move(file)) {}
  bool OpenFile(const std::string&, std::string& fileName) override {
    fileName = file_;
    return true;
  }

private:
  std::string file_;
};

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string Rect(TvgVisualObject& object) {
  if (!object.Visible() || !object.CheckParentVisible()) return "hidden";
  const TvgRect r = object.GetAbsoluteRect();
  const TvgPoint topLeft = object.Scene()->LocalToScreen({r.Left, r.Top});
  const TvgPoint bottomRight = object.Scene()->LocalToScreen({r.Right, r.Bottom});
  return Format("%d %d %d %d", int(Round(topLeft.X)), int(Round(topLeft.Y)), int(Round(bottomRight.X - topLeft.X)),
                int(Round(bottomRight.Y - topLeft.Y)));
}

// Reading a place works out a stale matrix, which paints: a transparent scene would be painted
// over and over, so places are read only when something that moves them changed.
class TReporter {
public:
  void Report() {
    std::map<std::string, std::string> shown;
    for (int i = 0; i < Application->ComponentCount(); ++i)
      if (auto* form = dynamic_cast<TCustomForm*>(Application->Components(i)); form && form->Visible()) {
        shown[form->Name()] = states_[form->Name()];
        Places(*form, shown[form->Name()]);
      }
    // A form shown again (a new dialog of the same name) is reported again.
    states_ = shown;
    Brushes();
  }
  void Add(const std::string& name, TvgBrush* brush) { brushes_[name] = brush; }
  void SetRoot(TvgObject* root) { root_ = root; }

private:
  void Places(TCustomForm& form, std::string& last) {
    auto* design = dynamic_cast<TvgBrushDesign*>(&form);
    const std::string state = Format("%d %d %d %d %d", form.Left(), form.Top(), form.Height(),
                                     design ? design->brushTabControl->ItemIndex() : 0,
                                     design ? design->resList->GetCount() * 100 + design->brushList->GetCount() : 0);
    std::string shown;  // showing or hiding a part moves others
    for (int i = 0; i < form.ComponentCount(); ++i)
      if (auto* object = dynamic_cast<TvgVisualObject*>(form.Components(i))) shown += object->Visible() ? '1' : '0';
    if (last == state + shown) return;
    last = state + shown;
    for (int i = 0; i < form.ComponentCount(); ++i) {
      auto* object = dynamic_cast<TvgVisualObject*>(form.Components(i));
      if (object && !object->Name().empty() && object->Scene()) Log("at " + form.Name() + "." + object->Name() + " " + Rect(*object));
    }
    if (!design) return;
    for (TvgListBox* list : {design->brushList, design->resList})
      for (int i = 0; i < list->GetCount(); ++i)
        Log(Format("at %s.%s.%d ", form.Name().c_str(), list->Name().c_str(), i) + Rect(*list->ItemByIndex(i)));
  }
  void Brushes() {
    for (const auto& [name, brush] : brushes_) Changed("brush " + name, Describe(brush));
    std::string names;
    std::vector<TvgObject*> objects;
    root_->AddObjectsToList(objects);
    for (TvgObject* object : objects)
      if (auto* resource = dynamic_cast<TvgBrushObject*>(object)) names += (names.empty() ? "" : " ") + resource->Name();
    Changed("resources", names);
  }
  void Changed(const std::string& what, const std::string& now) {
    std::string& last = values_[what];
    if (last == now) return;
    last = now;
    Log(now.empty() ? what : what + " " + now);
  }

  std::map<std::string, TvgBrush*> brushes_;
  std::map<std::string, std::string> states_, values_;
  TvgObject* root_ = nullptr;
};

class TfrmBrushDemo : public TForm {
  CL_CLASS(TfrmBrushDemo, TForm)
public:
  using TForm::TForm;

  TvgRectangle* Swatch() const { return dynamic_cast<TvgRectangle*>(FindComponent("Swatch")); }
  TvgRectangle* DialogSwatch() const { return dynamic_cast<TvgRectangle*>(FindComponent("DialogSwatch")); }
  TvgObject* Root() const { return dynamic_cast<TvgObject*>(FindComponent("demoRoot")); }

  void DialogButtonClick(TObject*) {
    TvgBrushDialog dialog(nullptr);
    dialog.SetBrush(DialogSwatch()->Fill());
    dialog.SetTitle(L"Dialog swatch");
    const bool ok = dialog.Execute();
    if (ok) DialogSwatch()->SetFill(dialog.Brush());
    Log(std::string("dialog ") + (ok ? "ok " : "cancel ") + Describe(dialog.Brush()));
  }
  void CloseButtonClick(TObject*) { Application->Terminate(); }
};

CL_PUBLISHED(TfrmBrushDemo) {
  CL_METHOD(TfrmBrushDemo, DialogButtonClick);
  CL_METHOD(TfrmBrushDemo, CloseButtonClick);
}

}  // namespace

int main(int argc, char** argv) try {
  if (argc < 2) {
    Log("failed: usage brush_demo PNG");
    return 2;
  }
  TvgToolkit toolkit;
  Application->Initialize();
  Application->SetTitle("Brush designer demo");
  TFixtureDialogs dialogs(WindowsPath(argv[1]));
  vgSetSystemDialogs(&dialogs);

  auto* form = Application->CreateForm<TfrmBrushDemo>();
  TvgRectangle* swatch = form->Swatch();
  TReporter reporter;
  reporter.SetRoot(form->Root());
  reporter.Add("Swatch.Fill", swatch->Fill());
  reporter.Add("Swatch.Stroke", swatch->Stroke());
  reporter.Add("DialogSwatch.Fill", form->DialogSwatch()->Fill());

  form->Show();
  TvgBrushDesign* designer = ShowBrushDesigner(swatch);
  designer->SetBounds(400, 20, designer->Width(), designer->Height());
  TTimer watch(nullptr);
  watch.SetInterval(100);
  watch.SetOnTimer([&](TObject*) { reporter.Report(); });
  watch.SetEnabled(true);
  Application->ProcessMessages();
  reporter.Report();
  Log("ready");
  Application->Run();
  reporter.Report();
  vgSetSystemDialogs(nullptr);
  Log("closed");
  return 0;
} catch (const std::exception& e) {
  Log(std::string("failed: ") + e.what());
  return 1;
}
