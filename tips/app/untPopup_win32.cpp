#include "tips/app/untPopup.h"

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Screen.h"
#include "tips/rpc/Base64.h"
#include "tips/app/FormComponents.h"
#include "tips/browser/NavigationFilter.h"
#include "tips/browser/PageCommand.h"
#include "tips/app/ProgramStarts.h"
#include "tips/rpc/TipsCall.h"
#include "tips/app/TipsRegistry.h"
#include "tips/app/TipsSite.h"
#include "common/HideFromTaskbar.h"
#include "common/RegistryRoutines.h"

namespace {

constexpr uint32_t kCallInterval = 11 * 60 * 1000;
constexpr uint32_t kShowTime = 25 * 1000;

}  // namespace

CL_PUBLISHED(TfrmPopup) {
  CL_METHOD(TfrmPopup, FormCreate);
  CL_METHOD(TfrmPopup, FormDestroy);
  CL_METHOD(TfrmPopup, Timer1Timer);
  CL_METHOD(TfrmPopup, Timer2Timer);
  CL_METHOD(TfrmPopup, Timer3Timer);
  CL_METHOD(TfrmPopup, N1Click);
  CL_METHOD(TfrmPopup, N3Click);
  CL_METHOD(TfrmPopup, N4Click);
  CL_METHOD(TfrmPopup, EmbeddedWB1BeforeNavigate2);
  CL_METHOD(TfrmPopup, EmbeddedWB1DocumentComplete);
  CL_METHOD(TfrmPopup, HtmlListener1HandlersOnClickHandle);
}

TfrmPopup::TfrmPopup(TComponent* owner) : TForm(owner) {
  HproseHttpClient1.SetRetry(10);
  HproseHttpClient1.SetTimeout(30000);
  HproseHttpClient1.SetKeepAlive(true);
  HproseHttpClient1.SetKeepAliveTimeout(300);
  HproseHttpClient1.SetConnectionTimeout(10000);
}

void TfrmPopup::Loaded() {
  TForm::Loaded();
  EmbeddedWB1 = RequiredComponent<TEmbeddedWB>(*this, "EmbeddedWB1");
  Timer1 = RequiredComponent<TTimer>(*this, "Timer1");
  Timer2 = RequiredComponent<TTimer>(*this, "Timer2");
  Timer3 = RequiredComponent<TTimer>(*this, "Timer3");
  TrayIcon1 = RequiredComponent<TTrayIcon>(*this, "TrayIcon1");
  PopupMenu1 = RequiredComponent<TPopupMenu>(*this, "PopupMenu1");
  N1 = RequiredComponent<TMenuItem>(*this, "N1");
  N3 = RequiredComponent<TMenuItem>(*this, "N3");
  N4 = RequiredComponent<TMenuItem>(*this, "N4");
  HtmlListener1 = RequiredComponent<THtmlListener>(*this, "HtmlListener1");
}

// Without a usable user record only the icon and its menu remain: no calls are made.
void TfrmPopup::FormCreate(TObject*) {
  HideFromTaskbar(true);
  std::string stored;
  ReadRegString(stored, kUserRecordValue, kUserRecordKey, HKEY_CURRENT_USER);
  if (stored.empty()) return;
  try {
    user_ = DecodeUserRecord(stored);
    Timer1->SetInterval(kCallInterval);
    Timer1->SetEnabled(true);
    Timer2->SetInterval(kShowTime);
  } catch (...) {
  }
}

void TfrmPopup::FormDestroy(TObject*) { links_.DetachAll(); }

// Errors of the call go to the application's handler; the timer stays on and tries again.
void TfrmPopup::Timer1Timer(TObject*) {
  const std::string signature = CallSignature(user_.id, user_.account);
  HproseHttpClient1.SetURI(TipsRpcEndpoint());
  HproseHttpClient1.SetUserAgent(TipsUserAgent());
  const HproseValue answer = HproseHttpClient1.Invoke(
      L"h170308", {GbkToUtf16(user_.id), GbkToUtf16(user_.account), GbkToUtf16(signature)});
  const std::string text = VarToStr(ToVariant(answer));
  if (text.empty()) return;
  std::string address;
  DecodeBase64(text, address, true);
  EmbeddedWB1->Navigate(address);
  PlaceAtBottomRight();
  Show();
  Timer2->SetEnabled(true);
}

// Above the bars at the bottom of the screen (the taskbar), 25 pixels from the right edge. The
// bars' height is what the work area leaves free below it.
void TfrmPopup::PlaceAtBottomRight() {
  RECT workArea{0, 0, Screen->Width(), Screen->Height()};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  const int bottomBars = Screen->Height() - workArea.bottom;
  SetBounds(Screen->Width() - Width() - 25, Screen->Height() - Height() - bottomBars, Width(), Height());
}

void TfrmPopup::Timer2Timer(TObject*) {
  Hide();
  Timer2->SetEnabled(false);
}

void TfrmPopup::Timer3Timer(TObject*) { Timer3->SetEnabled(false); }

void TfrmPopup::N1Click(TObject*) { Close(); }

void TfrmPopup::N3Click(TObject*) {
  StartProgram(OwnExePath());
  Close();
}

void TfrmPopup::N4Click(TObject* Sender) { Timer1Timer(Sender); }

void TfrmPopup::EmbeddedWB1BeforeNavigate2(TObject*, IWebFrame*, const Variant& URL, const Variant&, const Variant&,
                                           const Variant&, const Variant&, bool& Cancel) {
  const std::string address = NavigationAddress(URL);
  if (NavigationAllowed(address, PopupNavigationWords())) return;
  Cancel = true;
  OpenInKest(address);
}

void TfrmPopup::EmbeddedWB1DocumentComplete(TObject*, IWebFrame* pDisp, const Variant&) {
  links_.Attach(*HtmlListener1, pDisp ? pDisp->HtmlDocument() : nullptr);
}

void TfrmPopup::HtmlListener1HandlersOnClickHandle(TObject*, IHtmlEventObj& EventObj) {
  if (Timer3->Enabled()) return;
  const std::string command = PageCommand(EventObj);
  if (command == "CLOSE") Hide();
  else if (command == "ZUNOHUAN") OpenInKest(TipsHomePage());
  Timer3->SetEnabled(true);
}
