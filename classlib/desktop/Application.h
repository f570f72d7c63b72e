#pragma once
// The application object: the hidden application window (owner of every form and of the taskbar
// button), the title, the icon, the main form and the message loop, and the application-wide
// exception handler. Application is made on first use (also from static initialisers) and freed
// with its forms when the program ends.
#include "classlib/desktop/Win32.h"

#include <exception>
#include <functional>
#include <map>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Messages.h"

class TIcon;

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

  int HookMainWindow(TWindowHook hook);  // returns the hook's cookie
  void UnhookMainWindow(int cookie);

  void Notification(TComponent* component, TOperation operation) override;

private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void WndProc(TMessage& message, HWND window);
  bool ProcessMessage();
  bool IsPreProcessMessage(MSG& msg);

  HWND handle_ = nullptr;
  std::string title_;
  TIcon* icon_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  TMessageBoxFunction messageBox_;
  std::map<int, TWindowHook> hooks_;
  int nextHookCookie_ = 1;
};

TApplication& ApplicationInstance();

// Access as a pointer, Application->Run(), to the one application object.
struct TApplicationAccess {
  TApplication* operator->() const { return &ApplicationInstance(); }
  operator TApplication*() const { return &ApplicationInstance(); }
};
inline constexpr TApplicationAccess Application{};
