#include "tips/app/untTips.h"

#include "tips/app/FormComponents.h"
#include "tips/browser/HtmlParse.h"
#include "tips/browser/NavigationFilter.h"
#include "tips/browser/PageCommand.h"
#include "tips/app/ProgramStarts.h"
#include "tips/app/TipsRegistry.h"
#include "tips/app/TipsSite.h"
#include "common/Paths.h"
#include "common/RegistryRoutines.h"
#include "common/SystemVersion.h"
#include "common/Taskbar.h"

namespace {

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CL_PUBLISHED(TfrmTips) {
  CL_METHOD(TfrmTips, FormCreate);
  CL_METHOD(TfrmTips, FormDestroy);
  CL_METHOD(TfrmTips, embdwb1BeforeNavigate2);
  CL_METHOD(TfrmTips, embdwb1DocumentComplete);
  CL_METHOD(TfrmTips, HtmlListener1HandlersOnClickHandle);
  CL_METHOD(TfrmTips, Timer1Timer);
}

void TfrmTips::Loaded() {
  TForm::Loaded();
  embdwb1 = RequiredComponent<TEmbeddedWB>(*this, "embdwb1");
  HtmlListener1 = RequiredComponent<THtmlListener>(*this, "HtmlListener1");
  Timer1 = RequiredComponent<TTimer>(*this, "Timer1");
}

void TfrmTips::FormCreate(TObject*) {
  embdwb1->Navigate(TipsLoginPage());
  if (FileExists(AppFolder() + "kest.exe") && IsVistaOrLater()) PinToTaskbar(AppFolder(), "kest.exe");
}

void TfrmTips::FormDestroy(TObject*) { links_.DetachAll(); }

void TfrmTips::embdwb1BeforeNavigate2(TObject*, IWebFrame*, const Variant& URL, const Variant&, const Variant&,
                                      const Variant&, const Variant&, bool& Cancel) {
  const std::string address = NavigationAddress(URL);
  if (NavigationAllowed(address, LoginNavigationWords())) return;
  Cancel = true;
  OpenInKest(address);
}

// Fires for the top document and for each frame; the user record is always read from the top.
void TfrmTips::embdwb1DocumentComplete(TObject*, IWebFrame* pDisp, const Variant&) {
  IHtmlDocument* document = pDisp ? pDisp->HtmlDocument() : nullptr;
  if (!document) return;
  links_.Attach(*HtmlListener1, document);
  const std::string record = GetElementAttribute(*embdwb1, "userdata", "data");
  if (record.empty()) return;
  WriteRegString(record, kUserRecordValue, kUserRecordKey, HKEY_CURRENT_USER);
  // A tray mode that runs already ends the new one at once.
  StartProgram(OwnExePath() + " \"-auto\"");
}

// At most one click per 500 ms: that also absorbs a click delivered twice by a document
// connected twice.
void TfrmTips::HtmlListener1HandlersOnClickHandle(TObject*, IHtmlEventObj& EventObj) {
  if (Timer1->Enabled()) return;
  const std::string command = PageCommand(EventObj);
  if (command == "CLOSE") {
    Close();
  } else if (command == "AUTORUN") {
    WriteRegString("\"" + OwnExePath() + "\" -auto", kRunValue, kRunKey, HKEY_CURRENT_USER);
    Close();
  } else if (command == "DELAUTORUN") {
    DeleteRegKey(kRunValue, kRunKey, HKEY_CURRENT_USER);
  } else if (command == "ZUNOHUAN") {
    OpenInKest(TipsHomePage());
  }
  Timer1->SetEnabled(true);
}

void TfrmTips::Timer1Timer(TObject*) { Timer1->SetEnabled(false); }
