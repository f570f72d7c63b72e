#pragma once
// Drives a brush designer (or another form with a scene) with the messages the platform sends
// its scene: clicks at a part's place, text typed into a box and confirmed with Return. A modal
// form is answered from a timer once it shows, as a user would answer it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Timer.h"
#include "classlib/desktop/Win32.h"
#include "controls/buttons/Button.h"
#include "controls/editors/BrushDesign.h"
#include "controls/textboxes/TextBox.h"
#include "engine/scene/Scene.h"
#include "tests/support/DesktopFixture.h"

class TBrushDesignDriver {
public:
  explicit TBrushDesignDriver(TCustomForm& form) : form_(form) {}

  // The window of the form's scene.
  HWND Window() const {
    for (int i = 0; i < form_.ComponentCount(); ++i)
      if (auto* scene = dynamic_cast<TvgWindowScene*>(form_.Components(i))) return scene->Handle();
    return nullptr;
  }
  // A press and a release at a fraction of the part's width and height.
  void Click(TvgVisualObject* part, float fx = 0.5f, float fy = 0.5f) const {
    const LPARAM at = At(part, fx, fy);
    Send(WM_MOUSEMOVE, 0, at);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
    Send(WM_LBUTTONUP, 0, at);
  }
  // A press at one place, a drag to another and the release there.
  void Drag(TvgVisualObject* part, float fromX, float fromY, float toX, float toY) const {
    Send(WM_MOUSEMOVE, 0, At(part, fromX, fromY));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(part, fromX, fromY));
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(part, (fromX + toX) / 2, (fromY + toY) / 2));
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(part, toX, toY));
    Send(WM_LBUTTONUP, 0, At(part, toX, toY));
  }
  // Replaces the box's text by typing, then confirms it.
  void Type(TvgCustomTextBox* box, const std::wstring& text) const {
    Click(box);
    box->SelectAll();
    for (wchar_t c : text) Send(WM_CHAR, c, 1);
    Send(WM_KEYDOWN, VK_RETURN, 0);
    Send(WM_KEYUP, VK_RETURN, 0);
  }

private:
  LPARAM At(TvgVisualObject* part, float fx, float fy) const {
    const TvgPoint p = part->LocalToAbsolute({part->Width() * fx, part->Height() * fy});
    return MAKELPARAM(int(p.X), int(p.Y));
  }
  void Send(UINT msg, WPARAM wParam, LPARAM lParam) const { SendMessageW(Window(), msg, wParam, lParam); }

  TCustomForm& form_;
};

// Runs answer on the first modal form of class F that shows while this lives, once.
template <class F>
class TModalAnswer {
public:
  explicit TModalAnswer(std::function<void(F&, TBrushDesignDriver&)> answer)
      : answer_(std::move(answer)), timer_(new TTimer(nullptr)) {
    timer_->SetInterval(20);
    timer_->SetOnTimer([this](TObject*) { Poll(); });
    timer_->SetEnabled(true);
  }
  bool Answered() const { return answered_; }

private:
  void Poll() {
    for (int i = 0; i < Application->ComponentCount(); ++i) {
      auto* form = dynamic_cast<F*>(Application->Components(i));
      if (!form || !form->Modal() || !form->Visible()) continue;
      timer_->SetEnabled(false);
      answered_ = true;
      TBrushDesignDriver driver(*form);
      answer_(*form, driver);
      return;
    }
  }

  std::function<void(F&, TBrushDesignDriver&)> answer_;
  Owned<TTimer> timer_;
  bool answered_ = false;
};

using TBrushDialogAnswer = TModalAnswer<TvgBrushDesign>;
