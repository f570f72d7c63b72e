#include "up/untMsg.h"

#include "classlib/desktop/Win32.h"

#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Screen.h"
#include "engine/shapes/Text.h"
#include "common/HideFromTaskbar.h"
#include "up/InetClient.h"
#include "up/RunFile.h"
#include "up/TempFiles.h"
#include "up/UpdateCheck.h"

std::string InstallerAddress;
std::string UpdateNotes;
TInetTimeouts InstallerTimeouts = kDownloadTimeouts;

CL_PUBLISHED(TfrmMsg) {
  CL_METHOD(TfrmMsg, FormCreate);
  CL_METHOD(TfrmMsg, Button1Click);
  CL_METHOD(TfrmMsg, Button2Click);
}

void TfrmMsg::Loaded() {
  TForm::Loaded();
  Text2 = dynamic_cast<TvgText*>(FindComponent("Text2"));
  if (!Text2) throw EComponentError("TfrmMsg has no component Text2 of class TvgText");
}

void TfrmMsg::FormCreate(TObject*) {
  HideFromTaskbar(true);
  Screen->SetCursors(crHandPoint, LoadCursorA(nullptr, IDC_HAND));
  Text2->SetText(Utf8ToUtf16(UpdateNotes));
}

// The message loop waits while the installer downloads. A failed download starts nothing and
// shows the window again, so that up neither lingers invisibly nor drops the offer unseen.
void TfrmMsg::Button1Click(TObject*) {
  Hide();
  const std::string installer = TempExeName(".exe");
  if (!HttpGetFile(InstallerAddress, installer, nullptr, InstallerTimeouts)) {
    Show();
    return;
  }
  RunFile(installer, "/VERYSILENT");
  Close();
}

void TfrmMsg::Button2Click(TObject*) { Close(); }
