#include "up/untMsg.h"

#include "classlib/desktop/Win32.h"

#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Screen.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Text.h"
#include "engine/shapes/TextFit.h"
#include "common/HideFromTaskbar.h"
#include "up/InetClient.h"
#include "up/RunFile.h"
#include "up/TempFiles.h"
#include "up/UpdateCheck.h"

#include <cstdint>
#include <string_view>

std::string InstallerAddress;
std::string UpdateNotes;
TInetTimeouts InstallerTimeouts = kDownloadTimeouts;

namespace {

// The beginning of a UTF-8 text that holds its first count characters.
std::string_view Utf8Beginning(std::string_view text, size_t count) {
  auto startsCharacter = [](char byte) { return (uint8_t(byte) & 0xC0) != 0x80; };
  for (size_t i = 0; i < text.size(); ++i)
    if (startsCharacter(text[i]) && count-- == 0) return text.substr(0, i);
  return text;
}

}  // namespace

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
  ShowNotes();
}

// The notes as their box shows them, clipped to it and cut with an ellipsis where the rest would
// run out of it. Notes of any length cost the same: only what the box could ever show of them is
// converted and laid out.
void TfrmMsg::ShowNotes() {
  TvgCanvas* canvas = Text2->GetCanvas();
  canvas->Font()->Assign(Text2->Font());
  const float width = Text2->Width(), height = Text2->Height();
  const std::wstring shown = Utf8ToUtf16(Utf8Beginning(UpdateNotes, vgTextBoxCapacity(*canvas, width, height) + 1));
  Text2->SetText(vgTextFittedToBox(*canvas, shown, width, height));
  Text2->SetClipChildren(true);
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
