#pragma once
// The update message window: a borderless, per-pixel transparent form whose whole content is a
// scene streamed from the form resource TFRMMSG (card, product image, title, notes, two styled
// buttons). "立即更新" downloads the installer and starts it silently; "暂不更新" closes.
#include <string>

#include "classlib/desktop/Form.h"

class TvgText;

// What the update check found, for the window: set before the window is made.
extern std::string InstallerAddress;
extern std::string UpdateNotes;  // UTF-8, as the update document carries it

class TfrmMsg : public TForm {
  CL_CLASS(TfrmMsg, TForm)
public:
  using TForm::TForm;

  TvgText* Text2 = nullptr;  // the notes

  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

  void Loaded() override;
};
