#pragma once
// A form streamed from the test resource TFRMPROBE, with the components and handlers the
// programs' forms have: a timer, a pop-up menu with GBK captions, and an aligned control.
#include <string>
#include <vector>

#include "ProbeControl.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Menus.h"
#include "classlib/desktop/Timer.h"

class TfrmProbe : public TForm {
  CL_CLASS(TfrmProbe, TForm)
public:
  using TForm::TForm;
  std::vector<std::string> events;
  std::function<void()> onTimer;

  template <class C>
  C* Find(const char* name) const {
    return dynamic_cast<C*>(FindComponent(name));
  }
  void FormCreate(TObject*) {
    events.push_back(Format("create %d", ComponentCount()));
  }
  void FormDestroy(TObject*) { events.push_back("destroy"); }
  void FormClose(TObject*, TCloseAction&) { events.push_back("close"); }
  void Timer1Timer(TObject*) {
    events.push_back("tick");
    if (onTimer) onTimer();
  }
  void N1Click(TObject*) {
    events.push_back("N1");
    Close();
  }
  void N3Click(TObject*) { events.push_back("N3"); }
};

class TfrmFailing : public TForm {
  CL_CLASS(TfrmFailing, TForm)
public:
  using TForm::TForm;
  void FormCreate(TObject*) { throw Exception("cannot create"); }
};

// A form class that has no form resource.
class TfrmMissing : public TForm {
  CL_CLASS(TfrmMissing, TForm)
public:
  using TForm::TForm;
};
