// A small program on the desktop class library, driven from outside by desktop_demo_test.sh:
// its form comes from the form resource TFRMDEMO; a right click pops up its menu, whose items
// raise an exception or close the form. Every step is logged to standard output.
//   desktop_demo TOKEN   (the token makes the window's caption and the title unique)
#include <cstdio>
#include <string>

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Menus.h"
#include "classlib/desktop/Registry.h"
#include "classlib/desktop/Timer.h"

namespace {
std::string token;

void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string DemoKey() { return "Software\\KestTests\\desktop-demo-" + token; }
}  // namespace

class TfrmDemo : public TForm {
  CL_CLASS(TfrmDemo, TForm)
public:
  using TForm::TForm;

  void FormCreate(TObject*) {
    SetCaption("demo " + token);
    TRegistry registry;
    if (registry.OpenKey(DemoKey(), true)) registry.WriteString("state", "created");
    Log("created");
  }
  void FormDestroy(TObject*) { Log("destroyed"); }
  void Timer1Timer(TObject* sender) {
    Log("tick " + std::to_string(++ticks_));
    if (ticks_ < 3) return;
    static_cast<TTimer*>(sender)->SetEnabled(false);
    TRegistry registry;
    if (registry.OpenKey(DemoKey(), true)) registry.WriteInteger("ticks", ticks_);
    Log("timer stopped");
  }
  void RaiseItemClick(TObject*) {
    Log("raising");
    throw Exception("demo failure " + token);
  }
  void ExitItemClick(TObject*) {
    Log("exit chosen");
    Close();
  }

protected:
  void MouseUp(TMouseButton button, TShiftState, int x, int y) override {
    if (button != mbRight) return;
    const POINT at = ClientToScreen({x, y});
    Log("popup " + std::to_string(at.x) + "," + std::to_string(at.y));
    static_cast<TPopupMenu*>(FindComponent("PopupMenu1"))->Popup(at.x, at.y);
  }

private:
  int ticks_ = 0;
};

CL_PUBLISHED(TfrmDemo) {
  CL_METHOD(TfrmDemo, FormCreate);
  CL_METHOD(TfrmDemo, FormDestroy);
  CL_METHOD(TfrmDemo, Timer1Timer);
  CL_METHOD(TfrmDemo, RaiseItemClick);
  CL_METHOD(TfrmDemo, ExitItemClick);
}

int main(int argc, char** argv) {
  token = argc > 1 ? argv[1] : "0";
  Application->Initialize();
  Application->SetTitle("demo title " + token);
  Application->CreateForm<TfrmDemo>();
  Application->Run();
  Log("run ended");
  return 0;
}
