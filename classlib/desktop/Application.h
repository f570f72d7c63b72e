#pragma once
// The application object: the hidden application window (owner of every form and of the taskbar
// button), the title, the icon, the main form and the message loop, and the application-wide
// exception handler. Application is made on first use (also from static initialisers) and freed
// with its forms when the program ends.
#include "classlib/desktop/Win32.h"

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Messages.h"

class THintWindow;
class TIcon;
class TTimer;

// A hook on the application window's messages; true consumes the message.
using TWindowHook = std::function<bool(TMessage&)>;
// Shows a message box; the default is the system's MessageBoxW. Tests put a recorder in its place.
using TMessageBoxFunction = std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption,
                                              UINT flags)>;

class TApplication : public TComponent {
  CL_CLASS(TApplication, TComponent)
public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  void Initialize();
  HWND Handle();  // the application window, made when first asked for
  void HandleNeeded();
  const std::string& Title() const { return title_; }  // 8-bit GBK text
  void SetTitle(const std::string& title);
  TIcon* Icon() const { return icon_; }

  // Creates a form from its form resource; the first form created becomes the main form.
  template <class F>
  F* CreateForm() {
    F* form = TCustomForm::Create<F>(this);
    if (!mainForm_) {
      form->HandleNeeded();
      mainForm_ = form;
    }
    return form;
  }
  TCustomForm* MainForm() const { return mainForm_; }
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }

  // Shows the main form (when ShowMainForm) and handles messages until Terminated; without a
  // main form it returns at once. Each Run starts with Terminated false.
  void Run();
  // Ends the message loop: Terminated becomes true when the loop takes the quit message.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every waiting message, then returns.
  void ProcessMessages();
  // Handles one message, waiting for one when none is there.
  void HandleMessage();
  void Minimize();

  // Call inside a catch block: shows the exception being handled in a message box titled with
  // Title; the program goes on.
  void HandleException(TObject* sender);
  void ShowException(const std::exception& error);
  void SetMessageBoxFunction(TMessageBoxFunction function) { messageBox_ = std::move(function); }

  // Brings the actions of every shown form up to date; the message loop calls it when it has
  // nothing else to do.
  void Idle();

  // Hints: a control's hint shows when the pointer rests on it for HintPause milliseconds (the
  // short pause when another hint has just gone), and goes when the pointer leaves the rectangle
  // the control gave for it, when the control is left or pressed, or after HintHidePause.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  int HintPause() const { return hintPause_; }
  void SetHintPause(int ms) { hintPause_ = ms; }
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int ms) { hintShortPause_ = ms; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms) { hintHidePause_ = ms; }
  // The pointer moved to a client point of the control; the control was left or pressed.
  void HintMouseMessage(TWinControl* control, POINT point);
  void CancelHint(TWinControl* control = nullptr);  // nullptr: whatever control holds the hint
  // The window of the hint shown last, nullptr before the first; the timers that wait for the
  // next hint and for its end, nullptr before their first use.
  THintWindow* HintWindow() const { return hintWindow_.get(); }
  TTimer* HintTimer() const { return hintTimer_.get(); }
  TTimer* HintHideTimer() const { return hintHideTimer_.get(); }

  int HookMainWindow(TWindowHook hook);  // returns the hook's cookie
  void UnhookMainWindow(int cookie);

  void Notification(TComponent* component, TOperation operation) override;

private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void WndProc(TMessage& message, HWND window);
  bool ProcessMessage();
  bool IsPreProcessMessage(MSG& msg);
  void StartHintTimer(int ms);
  void ActivateHint();
  void HideHint();
  void ForgetHintControl();

  HWND handle_ = nullptr;
  std::string title_;
  TIcon* icon_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  TMessageBoxFunction messageBox_;
  std::map<int, TWindowHook> hooks_;
  int nextHookCookie_ = 1;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  std::unique_ptr<THintWindow> hintWindow_;
  std::unique_ptr<TTimer> hintTimer_;
  std::unique_ptr<TTimer> hintHideTimer_;
  TWinControl* hintControl_ = nullptr;
  RECT hintCursorRect_{};  // screen coordinates, valid once the hint control was asked
  bool hintAsked_ = false;
};

TApplication& ApplicationInstance();

// Access as a pointer, Application->Run(), to the one application object.
struct TApplicationAccess {
  TApplication* operator->() const { return &ApplicationInstance(); }
  operator TApplication*() const { return &ApplicationInstance(); }
};
inline constexpr TApplicationAccess Application{};
