// A program with one object that has a pop-up, driven from outside by popup_demo_test.sh:
//   popup_demo LEFT TOP STOPFILE
// It shows a borderless 300 x 200 form at (LEFT, TOP) whose whole client area is a scene on a
// green fill. A blue block at (50, 50), 100 x 80, carries a red 80 x 40 pop-up placed at the
// mouse. It prints "ready" once the scene is on screen, "open X Y" with the screen place of the
// pop-up's window each time it opens, and "closed RESULT" with the modal result when the run
// that the right click started ends. It ends when STOPFILE exists (or after a minute), also in
// the middle of a run.
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <string>

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Timer.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/Popup.h"
#include "engine/scene/PopupForm.h"
#include "engine/scene/Scene.h"
#include "tests/engine/scene_demo/DemoScene.h"
#include "toolkit/Toolkit.h"

namespace {

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: popup_demo LEFT TOP STOPFILE\n");
    return 2;
  }
  const std::string stopFile = argv[3];
  TvgToolkit toolkit;
  Application->Initialize();

  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetFormStyle(fsStayOnTop);
  form->SetBounds(std::atoi(argv[1]), std::atoi(argv[2]), 300, 200);
  auto* scene = new TDemoScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  TvgBrush fill(vgBrushSolid, 0xFF00FF00);
  scene->SetFill(&fill);

  auto* root = new TvgVisualObject(nullptr);
  root->SetHitTest(false);
  scene->AddObject(root);
  TBlock* target = AddBlock(root, 0xFF0000FF, 50, 50, 100, 80);
  auto* popup = new TvgPopup(form);
  popup->SetPlacement(vgPlacementMouse);
  popup->SetWidth(80);
  popup->SetHeight(40);
  root->AddObject(popup);
  AddBlock(popup, 0xFFFF0000, 0, 0, 80, 40)->SetAlign(vaClient);
  target->SetPopup(popup);

  // Reports from inside the modal run of the pop-up, whose loop handles the timer's messages;
  // the stop file or the deadline ends that run too.
  const DWORD end = GetTickCount() + 60000;
  bool wasOpen = false;
  TTimer watch(nullptr);
  watch.SetInterval(30);
  watch.SetOnTimer([&](TObject*) {
    if (FileExists(stopFile) || GetTickCount() > end) Application->Terminate();
    if (popup->IsOpen() && !wasOpen && popup->PopupForm()) {
      RECT r{};
      GetWindowRect(popup->PopupForm()->Handle(), &r);
      Say("open " + std::to_string(r.left) + " " + std::to_string(r.top));
      wasOpen = true;
    }
    if (!popup->IsOpen() && wasOpen) {
      Say("closed " + std::to_string(popup->ModalResult()));
      wasOpen = false;
    }
  });
  watch.SetEnabled(true);

  form->Show();
  bool announced = false;
  while (!Application->Terminated()) {
    Application->ProcessMessages();
    if (!announced && scene->draws > 0 && scene->GetUpdateRectsCount() == 0) {
      Application->ProcessMessages();
      Say("ready");
      announced = true;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  watch.SetEnabled(false);
  Say("done");
  form->Free();
  return 0;
}
