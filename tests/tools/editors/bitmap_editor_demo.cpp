// bitmap_editor_demo OPEN_FILE SAVE_FILE RESULT_FILE: the bitmap editor shown modally on an empty
// bitmap, its Paste button shown. The open and save dialogs are answered with OPEN_FILE and
// SAVE_FILE (a system file dialog cannot be driven reliably under Wine); when the editor ends with
// OK, the bitmap it gives is saved as RESULT_FILE. Besides the placements of its named objects
// (and of the crop frame, as CropFrame) it prints:
//   bitmap WIDTH HEIGHT      the working bitmap's size, at the start and whenever it changes
//   scale PERCENT            the scale shown, likewise
//   save offered NAME        the save dialog was opened starting with NAME
//   ended OK|Cancel          the editor closed so
//   result WIDTH HEIGHT      the bitmap an OK gave
//   ready                    the editor shows
// bitmap_editor_demo putpicture FILE: puts the picture of FILE on the clipboard as a
// device-independent bitmap, as another program copying a picture does, and ends.
#include "classlib/desktop/Win32.h"

#include <cstring>
#include <string>

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Timer.h"
#include "controls/buttons/Button.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/tracks/Track.h"
#include "engine/design/Selection.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Bitmap.h"
#include "tests/tools/PutOnClipboard.h"
#include "tests/tools/editors/DemoReport.h"
#include "toolkit/Toolkit.h"

namespace {

class TAnsweredDialogs : public TvgSystemDialogs {
public:
  TAnsweredDialogs(std::string open, std::string save) : open_(std::move(open)), save_(std::move(save)) {}
  bool OpenFile(const std::string&, std::string& fileName) override {
    fileName = open_;
    return true;
  }
  bool SaveFile(const std::string&, const std::string&, std::string& fileName) override {
    Log("save offered " + fileName);
    fileName = save_;
    return true;
  }

private:
  std::string open_, save_;
};

int PutPicture(const std::string& fileName) {
  TvgBitmap picture;
  picture.LoadFromFile(fileName);
  if (picture.IsEmpty()) return 1;
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = picture.Width();
  header.biHeight = -picture.Height();
  header.biPlanes = 1;
  header.biBitCount = 32;
  const size_t pixels = size_t(picture.Width()) * size_t(picture.Height()) * sizeof(TvgColor);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + pixels);
  if (!block) return 1;
  auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
  std::memcpy(bytes, &header, sizeof(header));
  std::memcpy(bytes + sizeof(header), picture.Bits(), pixels);
  GlobalUnlock(block);
  return PutOnClipboard(CF_DIB, block) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) try {
  TvgToolkit toolkit;
  if (argc == 3 && std::string(argv[1]) == "putpicture") return PutPicture(argv[2]);
  if (argc != 4) {
    Log("usage: bitmap_editor_demo OPEN_FILE SAVE_FILE RESULT_FILE");
    return 2;
  }
  Application->Initialize();
  Application->SetTitle("Bitmap editor demo");
  TAnsweredDialogs dialogs(argv[1], argv[2]);
  vgSetSystemDialogs(&dialogs);
  auto* editor = TCustomForm::Create<TvgBitmapEditor>(nullptr);
  if (auto* paste = dynamic_cast<TvgButton*>(editor->FindComponent("btnPaste"))) paste->SetVisible(true);
  auto* scale = dynamic_cast<TvgCustomTrack*>(editor->FindComponent("trackScale"));
  TDemoPlacements placements;
  std::string lastSize, lastScale;
  TTimer watch(nullptr);
  watch.SetInterval(100);
  watch.SetOnTimer([&](TObject*) {
    if (!editor->Visible()) return;
    placements.Report(*editor);
    placements.Report("CropFrame", editor->CropFrame());
    const std::string size = Format("%d %d", editor->WorkingBitmap()->Width(), editor->WorkingBitmap()->Height());
    if (size != lastSize) Log("bitmap " + (lastSize = size));
    const std::string shown = std::to_string(int(Round(scale->Value() * 100)));
    if (shown != lastScale) Log("scale " + (lastScale = shown));
    static bool ready = false;
    if (!ready) Log("ready");
    ready = true;
  });
  watch.SetEnabled(true);
  const TModalResult result = editor->ShowModal();
  watch.SetEnabled(false);
  Log(std::string("ended ") + (result == mrOk ? "OK" : "Cancel"));
  if (result == mrOk) {
    TvgBitmap stored;
    editor->StoreBitmap(&stored);
    stored.SaveToFile(argv[3]);
    Log(Format("result %d %d", stored.Width(), stored.Height()));
  }
  editor->Free();
  vgSetSystemDialogs(nullptr);
  return 0;
} catch (const std::exception& e) {
  Log(std::string("failed: ") + e.what());
  return 1;
}
