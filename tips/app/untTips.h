#pragma once
// The login window: the tips site's login page in a borderless window. Clicks on the page's
// command elements close it, switch the tray mode's start at logon, or open the site in
// kest.exe; a page that carries the user record has it stored and the tray mode started.
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Timer.h"
#include "tips/browser/EmbeddedWB.h"
#include "tips/browser/HtmlListener.h"
#include "tips/browser/ListenerLinks.h"

class TfrmTips : public TForm {
  CL_CLASS(TfrmTips, TForm)
public:
  using TForm::TForm;

  TEmbeddedWB* embdwb1 = nullptr;
  THtmlListener* HtmlListener1 = nullptr;
  TTimer* Timer1 = nullptr;  // the click debounce

  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void embdwb1BeforeNavigate2(TObject* ASender, IWebFrame* pDisp, const Variant& URL, const Variant& Flags,
                              const Variant& TargetFrameName, const Variant& PostData, const Variant& Headers,
                              bool& Cancel);
  void embdwb1DocumentComplete(TObject* ASender, IWebFrame* pDisp, const Variant& URL);
  void HtmlListener1HandlersOnClickHandle(TObject* Sender, IHtmlEventObj& EventObj);
  void Timer1Timer(TObject* Sender);

  const TListenerLinks& ListenerLinks() const { return links_; }
  void Loaded() override;

private:
  TListenerLinks links_;
};
