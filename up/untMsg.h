#pragma once
// The update message window: a borderless, per-pixel transparent form whose whole content is a
// scene streamed from the form resource TFRMMSG (card, product image, title, notes, two styled
// buttons). "立即更新" downloads the installer and starts it silently; "暂不更新" closes.
#include <string>

#include "classlib/desktop/Form.h"
#include "up/InetClient.h"

class TvgText;

// What the update check found, for the window: set before the window is made.
extern std::string InstallerAddress;
extern std::string UpdateNotes;  // UTF-8 (UpdateCheck reads the document's encoding)
// The installer download's time-outs: the shipped ones unless the program's configuration
// shortens them.
extern TInetTimeouts InstallerTimeouts;

class TfrmMsg : public TForm {
  CL_CLASS(TfrmMsg, TForm)
public:
  using TForm::TForm;

  TvgText* Text2 = nullptr;  // the notes

  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

  void Loaded() override;

private:
  void ShowNotes();
};
