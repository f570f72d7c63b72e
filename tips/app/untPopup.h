#pragma once
// The tray mode's window: hidden, with an icon and a menu in the notification area. Every 11
// minutes it asks the tips service for a page for the stored user and shows that page for 25
// seconds at the bottom right of the screen.
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Menus.h"
#include "classlib/desktop/Timer.h"
#include "tips/browser/EmbeddedWB.h"
#include "tips/rpc/HproseHttpClient.h"
#include "tips/browser/HtmlListener.h"
#include "tips/browser/ListenerLinks.h"
#include "tips/app/TrayIcon.h"
#include "tips/app/UserRecord.h"

class TfrmPopup : public TForm {
  CL_CLASS(TfrmPopup, TForm)
public:
  explicit TfrmPopup(TComponent* owner);

  TEmbeddedWB* EmbeddedWB1 = nullptr;
  TTimer* Timer1 = nullptr;  // the service call
  TTimer* Timer2 = nullptr;  // hides the pop-up
  TTimer* Timer3 = nullptr;  // the click debounce
  TTrayIcon* TrayIcon1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* N1 = nullptr;  // exit
  TMenuItem* N3 = nullptr;  // switch account
  TMenuItem* N4 = nullptr;  // test (hidden)
  THproseHttpClient HproseHttpClient1;
  THtmlListener* HtmlListener1 = nullptr;

  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void Timer1Timer(TObject* Sender);
  void Timer2Timer(TObject* Sender);
  void Timer3Timer(TObject* Sender);
  void N1Click(TObject* Sender);
  void N3Click(TObject* Sender);
  void N4Click(TObject* Sender);
  void EmbeddedWB1BeforeNavigate2(TObject* ASender, IWebFrame* pDisp, const Variant& URL, const Variant& Flags,
                                  const Variant& TargetFrameName, const Variant& PostData, const Variant& Headers,
                                  bool& Cancel);
  void EmbeddedWB1DocumentComplete(TObject* ASender, IWebFrame* pDisp, const Variant& URL);
  void HtmlListener1HandlersOnClickHandle(TObject* Sender, IHtmlEventObj& EventObj);

  const TUserRecord& User() const { return user_; }
  const TListenerLinks& ListenerLinks() const { return links_; }
  void Loaded() override;

private:
  void PlaceAtBottomRight();

  TListenerLinks links_;
  TUserRecord user_;
};
