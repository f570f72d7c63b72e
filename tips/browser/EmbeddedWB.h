#pragma once
// A window control that shows web pages: the platform's browser control, placed in its window by
// a page host (tips/WebPage.h). It raises the browser's before-navigation and document-complete
// events and takes the options of the forms that hold it.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "classlib/core/Variant.h"
#include "classlib/desktop/WinControl.h"
#include "tips/browser/WebPage.h"

// Ways the page behaves towards the user; each is one flag the browser asks its host for.
CL_ENUM(TUserInterfaceOption, DisableTextSelect, DontUse3DBorders, EnablesFormsAutoComplete, EnableThemes)
using TUserInterfaceOptions = TSet<TUserInterfaceOption>;
// Context menus the page may not show.
CL_ENUM(TMenuContext, rcmAll)
using TMenuContexts = TSet<TMenuContext>;

// (ASender, pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel); pDisp is nullptr when
// the event names no browser object.
using TBeforeNavigate2Event = TEvent<TObject*, IWebFrame*, const Variant&, const Variant&, const Variant&,
                                     const Variant&, const Variant&, bool&>;
// (ASender, pDisp, URL)
using TDocumentCompleteEvent = TEvent<TObject*, IWebFrame*, const Variant&>;

class TEmbeddedWB : public TWinControl {
  CL_CLASS(TEmbeddedWB, TWinControl)
public:
  using TPageHostFactory = std::function<std::unique_ptr<IPageHost>(TEmbeddedWB&)>;

  explicit TEmbeddedWB(TComponent* owner);
  ~TEmbeddedWB() override;

  // Whether the browser keeps script errors and other dialogs to itself.
  bool Silent = false;
  TUserInterfaceOptions UserInterfaceOptions;
  TMenuContexts DisabledPopupMenus;
  // Letters whose Ctrl shortcut the page does not get (Ctrl+N would open a new browser window).
  std::string DisableCtrlShortcuts;
  TBeforeNavigate2Event OnBeforeNavigate2;
  TDocumentCompleteEvent OnDocumentComplete;

  // An existing folder is shown as a file:/// address, an empty or blank text navigates nowhere,
  // anything else is navigated to as given.
  void Navigate(const std::string& address);
  // See IPageHost::TopElementAttribute.
  std::optional<std::wstring> TopElementAttribute(const std::wstring& id, const std::wstring& name);
  bool IsCtrlShortcutDisabled(WORD virtualKey) const;
  // The host's answer when the page asks it about a key before acting on it
  // (IDocHostUIHandler::TranslateAccelerator): true swallows the key, which is what happens to
  // the Ctrl shortcuts of DisableCtrlShortcuts.
  bool HostTranslateAccelerator(const MSG& message) const;
  // Keyboard messages of the browser's windows reach the page's accelerators first.
  bool PreProcessMessage(MSG& message) override;

  // Called by the page host. Errors of the handlers go to the application's handler.
  void DoBeforeNavigate2(IWebFrame* frame, const Variant& url, const Variant& flags, const Variant& targetFrameName,
                         const Variant& postData, const Variant& headers, bool& cancel);
  void DoDocumentComplete(IWebFrame* frame, const Variant& url);

  // Browsers made afterwards get their page host from the factory instead of the platform's
  // browser control; an empty factory restores the control. For tests.
  static void SetPageHostFactory(TPageHostFactory factory);

protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void BoundsChanged(bool sizeChanged) override;

private:
  IPageHost& PageHost();
  std::unique_ptr<IPageHost> host_;
  bool embedded_ = false;
};
