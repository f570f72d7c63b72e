#include "engine/dialogs/SystemDialogs.h"

#include "classlib/desktop/Win32.h"
#include <commdlg.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Graphics.h"

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

OPENFILENAMEW FileDialog(const std::wstring& filter, std::vector<wchar_t>& name) {
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = DWORD(name.size());
  return dialog;
}

LOGFONTW LogFontOf(const TFont& font) {
  LOGFONTW logFont = {};
  logFont.lfHeight = font.Height();
  logFont.lfWeight = font.Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = font.Style().Contains(fsItalic);
  logFont.lfUnderline = font.Style().Contains(fsUnderline);
  logFont.lfStrikeOut = font.Style().Contains(fsStrikeOut);
  logFont.lfCharSet = BYTE(font.Charset());
  wcsncpy(logFont.lfFaceName, GbkToUtf16(font.Name()).c_str(), LF_FACESIZE - 1);
  return logFont;
}

TFontStyles StylesOf(const LOGFONTW& logFont) {
  TFontStyles styles;
  if (logFont.lfWeight >= FW_BOLD) styles.Include(fsBold);
  if (logFont.lfItalic) styles.Include(fsItalic);
  if (logFont.lfUnderline) styles.Include(fsUnderline);
  if (logFont.lfStrikeOut) styles.Include(fsStrikeOut);
  return styles;
}

// The input box as an in-memory dialog template, so the system's dialog manager gives it the
// keyboard users expect: Enter presses the default OK button, Escape cancels, Tab moves on.
class TInputBoxTemplate {
public:
  TInputBoxTemplate(const std::wstring& caption, const std::wstring& prompt) {
    const int width = 220;
    Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT);
    Dword(0);
    Word(4);  // items
    Coordinates(0, 0, width, 64);
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(caption);
    Word(8);
    Text(L"Tahoma");
    Item(0x0082, prompt, -1, SS_LEFT | SS_NOPREFIX, 7, 7, width - 14, 9);
    Item(0x0081, L"", kEditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 19, width - 14, 13);
    Item(0x0080, L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, width - 114, 42, 50, 14);
    Item(0x0080, L"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, width - 57, 42, 50, 14);
  }
  const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  static constexpr int kEditId = 100;

private:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Coordinates(int x, int y, int cx, int cy) {
    for (int value : {x, y, cx, cy}) Word(WORD(short(value)));
  }
  void Text(const std::wstring& text) {
    for (wchar_t c : text) Word(WORD(c));
    Word(0);
  }
  // Items start on a double-word boundary; classes are the predefined atoms.
  void Item(WORD classAtom, const std::wstring& text, int id, DWORD style, int x, int y, int cx, int cy) {
    if (words_.size() % 2) Word(0);
    Dword(WS_CHILD | WS_VISIBLE | style);
    Dword(0);
    Coordinates(x, y, cx, cy);
    Word(WORD(id));
    Word(0xFFFF);
    Word(classAtom);
    Text(text);
    Word(0);  // no creation data
  }

  std::vector<WORD> words_;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_INITDIALOG: {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    HWND edit = GetDlgItem(dialog, TInputBoxTemplate::kEditId);
    SetWindowTextW(edit, reinterpret_cast<std::wstring*>(lParam)->c_str());
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return FALSE;  // the focus was set here
  }
  case WM_COMMAND:
    if (LOWORD(wParam) == IDOK) {
      HWND edit = GetDlgItem(dialog, TInputBoxTemplate::kEditId);
      std::wstring text(size_t(GetWindowTextLengthW(edit)) + 1, L'\0');
      text.resize(size_t(GetWindowTextW(edit, text.data(), int(text.size()))));
      *reinterpret_cast<std::wstring*>(GetWindowLongPtrW(dialog, DWLP_USER)) = text;
      EndDialog(dialog, IDOK);
      return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    }
    return FALSE;
  default:
    return FALSE;
  }
}

}  // namespace

bool TvgSystemDialogs::OpenFile(const std::string& filter, std::string& fileName) {
  std::vector<wchar_t> name(MAX_PATH * 4, L'\0');
  const std::wstring dialogFilter = DialogFilter(filter);
  OPENFILENAMEW dialog = FileDialog(dialogFilter, name);
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&dialog)) return false;
  fileName = Utf16ToGbk(name.data());
  return true;
}

bool TvgSystemDialogs::SaveFile(const std::string& filter, const std::string& defaultExt, std::string& fileName) {
  std::vector<wchar_t> name(MAX_PATH * 4, L'\0');
  const std::wstring initial = GbkToUtf16(fileName).substr(0, name.size() - 1);
  std::copy(initial.begin(), initial.end(), name.begin());
  const std::wstring dialogFilter = DialogFilter(filter);
  const std::wstring extension = GbkToUtf16(defaultExt);
  OPENFILENAMEW dialog = FileDialog(dialogFilter, name);
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&dialog)) return false;
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

bool TvgSystemDialogs::PickFont(TFont& font) {
  LOGFONTW logFont = LogFontOf(font);
  CHOOSEFONTW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpLogFont = &logFont;
  dialog.rgbColors = ColorToRGB(font.Color());
  dialog.Flags = CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_SCREENFONTS;
  if (!ChooseFontW(&dialog)) return false;
  font.SetName(Utf16ToGbk(logFont.lfFaceName));
  font.SetHeight(logFont.lfHeight);
  font.SetStyle(StylesOf(logFont));
  font.SetColor(TColor(dialog.rgbColors));
  font.SetCharset(logFont.lfCharSet);
  return true;
}

bool TvgSystemDialogs::InputBox(const std::string& caption, const std::string& prompt, std::string& value) {
  const TInputBoxTemplate dialog(GbkToUtf16(caption), GbkToUtf16(prompt));
  std::wstring text = GbkToUtf16(value);
  if (DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Data(), GetActiveWindow(), InputBoxProc,
                              reinterpret_cast<LPARAM>(&text)) != IDOK)
    return false;
  value = Utf16ToGbk(text);
  return true;
}

TvgSystemDialogs& vgSystemDialogs() { return standIn ? *standIn : platformDialogs; }

void vgSetSystemDialogs(TvgSystemDialogs* dialogs) { standIn = dialogs; }
