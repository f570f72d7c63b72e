// A scene in design mode on screen, driven with real input by design_demo_test.sh:
//   design_demo LEFT TOP WORKFOLDER
// A borderless 440 x 300 form at (LEFT, TOP) holds a designed scene: a grey root, a blue panel
// "Panel" at (20, 20) of 300 x 240 holding "A" (20, 20, 60 x 40) and "B" (160, 120, 60 x 40),
// and three buttons beside it. The grid is 8 units. Whenever the tree changes it prints one
// "state" line: the selection, A's and B's bounds, the panel's children and how many objects it
// holds in all, the buttons' tab order and the snap settings. A file "insert" in WORKFOLDER
// holding a class name makes the scene insert that class; the program ends when a file "stop"
// appears there (or after two minutes).
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "classlib/core/Property.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "engine/paint/Brush.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Shapes.h"
#include "toolkit/Toolkit.h"

namespace {

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TvgRectangle* AddRectangle(TComponent* owner, TvgObject* parent, const char* name, TvgColor color, float x, float y,
                           float width, float height) {
  auto* rectangle = new TvgRectangle(owner);
  rectangle->SetName(name);
  rectangle->Fill()->SetSolidColor(color);
  rectangle->SetBounds(x, y, width, height);
  parent->AddObject(rectangle);
  return rectangle;
}

std::string Bounds(TvgVisualObject* object) {
  if (!object) return "gone";
  std::ostringstream text;
  text << object->Position()->X() << "," << object->Position()->Y() << "," << object->Width() << ","
       << object->Height();
  return text.str();
}

int CountBelow(TvgObject* object) {
  int count = 0;
  for (int i = 0; i < object->ChildrenCount(); ++i) count += 1 + CountBelow(object->Children(i));
  return count;
}

std::string NameOf(TvgObject* object) { return object->Name().empty() ? object->ClassName() : object->Name(); }

std::string State(TvgCustomScene& scene, TvgVisualObject* panel, TvgVisualObject* root) {
  std::ostringstream text;
  TvgVisualObject* selected = scene.GetSelected();
  text << "state sel=" << (selected ? NameOf(selected) : "none");
  text << " A=" << Bounds(dynamic_cast<TvgVisualObject*>(scene.Owner()->FindComponent("A")));
  text << " B=" << Bounds(dynamic_cast<TvgVisualObject*>(scene.Owner()->FindComponent("B")));
  text << " kids=";
  for (int i = 0; i < panel->ChildrenCount(); ++i) text << (i ? "," : "") << NameOf(panel->Children(i));
  text << " objects=" << CountBelow(panel);
  text << " tab=";
  for (size_t i = 0; i < root->TabList().size(); ++i) text << (i ? "," : "") << NameOf(root->TabList()[i]);
  text << " grid=" << scene.DesignSnapToGrid() << " lines=" << scene.DesignSnapToLines();
  return text.str();
}

void InsertRequested(TvgCustomScene& scene, const std::string& request) {
  std::string className;
  if (!(std::ifstream(request) >> className)) return;
  DeleteFileA(request.c_str());
  try {
    scene.InsertObject(className);
    std::printf("inserted %s\n", className.c_str());
  } catch (const Exception& e) {
    std::printf("insert failed: %s\n", e.what());
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: design_demo LEFT TOP WORKFOLDER\n");
    return 2;
  }
  const std::string folder = argv[3];
  TvgToolkit toolkit;
  Application->Initialize();

  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetFormStyle(fsStayOnTop);
  form->SetBounds(std::atoi(argv[1]), std::atoi(argv[2]), 440, 300);
  form->SetDesigning(true);
  auto* scene = new TvgWindowScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  scene->SetDesignSnapGridSize(8);

  auto* root = new TvgRectangle(form);
  root->SetName("Root");
  root->Fill()->SetSolidColor(0xFFEEEEEE);
  root->Stroke()->SetStyle(vgBrushNone);
  scene->AddObject(root);
  TvgRectangle* panel = AddRectangle(form, root, "Panel", 0xFFD6E4F5, 20, 20, 300, 240);
  AddRectangle(form, panel, "A", 0xFFF5A623, 20, 20, 60, 40);
  AddRectangle(form, panel, "B", 0xFF7ED321, 160, 120, 60, 40);
  for (int i = 1; i <= 3; ++i) {
    auto* button = static_cast<TvgVisualObject*>(FindClass("TvgButton")->Construct(form));
    button->SetName("Button" + std::to_string(i));
    SetPropValue(button, "Text", std::wstring(L"Button ") + std::to_wstring(i));
    button->SetBounds(340, float(20 + 40 * (i - 1)), 80, 28);
    root->AddObject(button);
  }

  form->Show();
  const DWORD end = GetTickCount() + 120000;
  std::string last;
  bool announced = false;
  while (!FileExists(folder + "\\stop") && GetTickCount() < end) {
    Application->ProcessMessages();
    InsertRequested(*scene, folder + "\\insert");
    const std::string state = State(*scene, panel, root);
    if (state != last) {
      std::printf("%s\n", state.c_str());
      last = state;
    }
    if (!announced && scene->GetUpdateRectsCount() == 0) {
      std::printf("ready\n");
      announced = true;
    }
    std::fflush(stdout);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  form->Free();
  return 0;
}
