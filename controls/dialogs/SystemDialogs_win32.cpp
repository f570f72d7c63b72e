#include "controls/dialogs/SystemDialogs.h"

#include "classlib/desktop/Win32.h"
#include <commdlg.h>

#include <vector>

#include "classlib/core/TextCodec.h"

namespace {

TvgSystemDialogs platformDialogs;
TvgSystemDialogs* standIn = nullptr;

// "a|b|c|d" as the dialog's "a\0b\0c\0d\0\0"; masks alone describe themselves.
std::wstring DialogFilter(const std::string& filter) {
  std::wstring text = GbkToUtf16(filter);
  if (text.find(L'|') == std::wstring::npos) text += L'|' + text;
  for (wchar_t& c : text)
    if (c == L'|') c = L'\0';
  return text + std::wstring(2, L'\0');
}

}  // namespace

bool TvgSystemDialogs::OpenFile(const std::string& filter, std::string& fileName) {
  std::vector<wchar_t> name(MAX_PATH * 4, L'\0');
  const std::wstring dialogFilter = DialogFilter(filter);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = dialogFilter.c_str();
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = DWORD(name.size());
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&dialog)) return false;
  fileName = Utf16ToGbk(name.data());
  return true;
}

bool TvgSystemDialogs::PickColor(uint32_t& color) {
  static COLORREF customColors[16] = {};
  CHOOSECOLORW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.rgbResult = color & 0x00FFFFFF;
  dialog.lpCustColors = customColors;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&dialog)) return false;
  color = dialog.rgbResult;
  return true;
}

TvgSystemDialogs& vgSystemDialogs() { return standIn ? *standIn : platformDialogs; }

void vgSetSystemDialogs(TvgSystemDialogs* dialogs) { standIn = dialogs; }
