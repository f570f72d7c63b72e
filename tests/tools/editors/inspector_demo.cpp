// inspector_demo: the object inspector on a form of its own, inspecting a sample component that
// publishes a property of every kind (tests/support/PropertySubject.h); a click on the shape
// inspects the shape instead, the button "Inspect the sample" the sample again. A stand-in design
// environment knows the form's handler "SamplePinged" by name, and the button "Ping" runs the
// sample's OnPing. inspector_test.sh drives it with real input; it tells on standard output:
//   at NAME LEFT TOP WIDTH HEIGHT   the screen rect of a named scene object, or "hidden"
//   row PATH LEFT TOP WIDTH HEIGHT  the screen rect of an inspector row ("Fill.Color"), or "hidden"
//   inspecting NAME                 the inspector shows another object
//   selected PATH                   the inspector's selected row
//   changed PATH=VALUE              the inspector changed a property (value as its row reads it)
//   pinged                          the sample's OnPing ran the form's handler
//   font dialog from FAMILY         the font dialog's stand-in was asked, and answered Arial 20
//   final NAME=VALUE                each of the sample's properties when the form closes
//   closed NAME                     the form closed
//   ready                           the form shows
#include <cstdio>
#include <map>
#include <string>

#include "classlib/core/Property.h"
#include "classlib/core/PropertyText.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Graphics.h"
#include "classlib/desktop/Timer.h"
#include "controls/editors/PropertyGrid.h"
#include "controls/text/Label.h"
#include "engine/design/DesignerHook.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Font.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"
#include "tests/support/PropertySubject.h"
#include "toolkit/Toolkit.h"

namespace {

void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string ScreenRect(TvgVisualObject& object) {
  if (!object.Scene() || !object.Visible() || !object.CheckParentVisible()) return "hidden";
  const TvgRect r = object.GetAbsoluteRect();
  const TvgPoint topLeft = object.Scene()->LocalToScreen({r.Left, r.Top});
  const TvgPoint bottomRight = object.Scene()->LocalToScreen({r.Right, r.Bottom});
  return Format("%d %d %d %d", int(Round(topLeft.X)), int(Round(topLeft.Y)), int(Round(bottomRight.X - topLeft.X)),
                int(Round(bottomRight.Y - topLeft.Y)));
}

// A row's path: the property names from the top row down.
std::string PathOf(const TvgTreeViewItem* item) {
  std::string path = item->TagString;
  for (TvgObject* o = item->Parent(); auto* parent = dynamic_cast<TvgTreeViewItem*>(o); o = o->Parent())
    path = parent->TagString + "." + path;
  return path;
}

// Lines that are printed only when they differ from the last one of their key.
class TChanges {
public:
  void Report(const std::string& key, const std::string& value) {
    std::string& last = last_[key];
    if (last == value) return;
    last = value;
    Log(key + " " + value);
  }

private:
  std::map<std::string, std::string> last_;
};

// The system's font dialog cannot be driven here: a stand-in answers it with Arial at 20.
class TFontStandIn : public TvgSystemDialogs {
public:
  bool PickFont(TFont& font) override {
    Log("font dialog from " + font.Name());
    font.SetName("Arial");
    font.SetHeight(-20);
    return true;
  }
};

}  // namespace

class TfrmInspectorDemo : public TForm, public IvgDesignerHook {
  CL_CLASS(TfrmInspectorDemo, TForm)
public:
  using TForm::TForm;

  void Start() {
    inspector_ = static_cast<TvgInspector*>(FindComponent("Inspector"));
    sample_ = new TPropertySubject(this);
    sample_->SetName("Sample");
    sample_->SetCaption("first");
    vgSetDesignerHook(this);
    inspector_->SetSelectedObject(sample_);
    Log("inspecting Sample");
  }
  void Report() {
    for (const char* name : {"Shape", "PingButton", "SampleButton", "Inspector", "CloseButton"})
      if (auto* object = dynamic_cast<TvgVisualObject*>(FindComponent(name))) changes_.Report("at " + std::string(name), ScreenRect(*object));
    for (int row = 0; row < inspector_->GlobalCount(); ++row) {
      TvgTreeViewItem* item = inspector_->ItemByGlobalIndex(row);
      changes_.Report("row " + PathOf(item), ScreenRect(*item));
    }
  }

  void ShapeClick(TObject* sender) {
    inspector_->SetSelectedObject(static_cast<TComponent*>(sender));
    Log("inspecting " + static_cast<TComponent*>(sender)->Name());
  }
  void SampleClick(TObject*) {
    inspector_->SetSelectedObject(sample_);
    Log("inspecting Sample");
  }
  void PingClick(TObject*) { sample_->OnPing(sample_); }
  void SamplePinged(TObject*) { Log("pinged"); }
  void InspectorChange(TObject*) {
    // Rows leave and come when the object changes: a row's place is told again when it shows.
    changes_ = TChanges();
    if (TvgTreeViewItem* item = inspector_->Selected()) Log("selected " + PathOf(item));
  }
  void InspectorChangeProperty(TObject*, const std::string&) {
    TvgTreeViewItem* item = inspector_->Selected();
    if (TvgLabel* label = item ? TvgInspector::ValueLabel(item) : nullptr)
      Log("changed " + PathOf(item) + "=" + Utf16ToUtf8(label->Text()));
  }
  void FormClose(TObject*, TCloseAction&) {
    for (const TPropInfo* prop : sample_->ClassType()->Properties())
      if (prop->Kind != TPropKind::Class || prop->IsComponentReference())
        Log("final " + prop->Name + "=" + Utf16ToUtf8(GetPropText(*sample_, *prop)));
    Log("final OnPing=" + MethodName(sample_->OnPing.Method()));
    Log(Format("final Font=%s %g", sample_->Font()->Family().c_str(), double(sample_->Font()->Size())));
    vgSetDesignerHook(nullptr);
    Log("closed " + Name());
  }

  // The design environment: the form's published methods by name.
  std::string MethodName(const TMethod& method) override { return method ? method.Code->Name : ""; }
  TMethod MethodFromName(const std::string& name) override {
    const TMethodInfo* code = MethodAddress(name);
    return code ? TMethod{code, this} : TMethod{};
  }

private:
  TvgInspector* inspector_ = nullptr;
  TPropertySubject* sample_ = nullptr;
  TChanges changes_;
};

CL_PUBLISHED(TfrmInspectorDemo) {
  CL_METHOD(TfrmInspectorDemo, ShapeClick);
  CL_METHOD(TfrmInspectorDemo, SampleClick);
  CL_METHOD(TfrmInspectorDemo, PingClick);
  CL_METHOD(TfrmInspectorDemo, SamplePinged);
  CL_METHOD(TfrmInspectorDemo, InspectorChange);
  CL_METHOD(TfrmInspectorDemo, InspectorChangeProperty);
  CL_METHOD(TfrmInspectorDemo, FormClose);
}

int main() try {
  TvgToolkit toolkit;
  Application->Initialize();
  Application->SetTitle("Object inspector");
  auto* form = Application->CreateForm<TfrmInspectorDemo>();
  TFontStandIn dialogs;
  vgSetSystemDialogs(&dialogs);
  form->Start();
  TTimer watch(nullptr);
  watch.SetInterval(100);
  watch.SetOnTimer([form](TObject*) {
    if (form->Visible()) form->Report();
  });
  watch.SetEnabled(true);
  form->Show();
  form->Report();
  Log("ready");
  Application->Run();
  vgSetSystemDialogs(nullptr);
  return 0;
} catch (const std::exception& e) {
  Log(std::string("failed: ") + e.what());
  return 1;
}
