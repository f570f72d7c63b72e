// gallery_probe: what gallery_test.sh needs to see of the screen faster than a screenshot gives it.
//   gallery_probe sample X Y MS   reads the screen pixel at (X, Y) for MS milliseconds; prints
//                                 "T RRGGBB" (T in ms) whenever it changes
//   gallery_probe clipboard       prints the clipboard's wide text in UTF-8 (a program of its own,
//                                 to see what the gallery put there)
//   gallery_probe setclipboard S  puts the ASCII text S on the clipboard
//   gallery_probe compose         has the gallery's input method finish a composition, as a
//                                 user choosing characters in an input method window does
// Exit code 0, or 2 on a usage error.
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <imm.h>
#include <string>

namespace {

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

int Sample(int x, int y, double ms) {
  HDC screen = GetDC(nullptr);
  const double start = NowMs();
  COLORREF last = CLR_INVALID;
  while (NowMs() - start < ms) {
    const COLORREF pixel = GetPixel(screen, x, y);
    if (pixel != last)
      std::printf("%.1f %02X%02X%02X\n", NowMs() - start, GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
    last = pixel;
  }
  ReleaseDC(nullptr, screen);
  return 0;
}

int PrintClipboard() {
  if (!OpenClipboard(nullptr)) return 1;
  std::wstring text;
  if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
    const SIZE_T capacity = GlobalSize(block) / sizeof(wchar_t);
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(block))) {
      size_t length = 0;
      while (length < capacity && chars[length]) ++length;
      text.assign(chars, length);
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  std::string utf8(size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), int(utf8.size()), nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::printf("\n");
  return 0;
}

int SetClipboard(const std::string& text) {
  const std::wstring wide(text.begin(), text.end());
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (!block) return 1;
  std::memcpy(GlobalLock(block), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) return 1;
  EmptyClipboard();
  const bool set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  CloseClipboard();
  if (!set) GlobalFree(block);
  return set ? 0 : 1;
}

// The gallery's scene window: the child of the top-level window titled "Controls gallery" that
// has one (the application's own window of that title has none).
BOOL CALLBACK FindScene(HWND window, LPARAM found) {
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  HWND child = GetWindow(window, GW_CHILD);
  if (std::wstring(title) != L"Controls gallery" || !child) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

int Compose() {
  HWND scene = nullptr;
  EnumWindows(FindScene, LPARAM(&scene));
  if (!scene) return 1;
  SendMessageW(scene, WM_IME_STARTCOMPOSITION, 0, 0);
  SendMessageW(scene, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  SendMessageW(scene, WM_IME_ENDCOMPOSITION, 0, 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "sample")
    return Sample(std::atoi(argv[2]), std::atoi(argv[3]), std::strtod(argv[4], nullptr));
  if (argc == 2 && std::string(argv[1]) == "clipboard") return PrintClipboard();
  if (argc == 3 && std::string(argv[1]) == "setclipboard") return SetClipboard(argv[2]);
  if (argc == 2 && std::string(argv[1]) == "compose") return Compose();
  std::fprintf(stderr, "usage: gallery_probe sample X Y MS | clipboard | setclipboard TEXT | compose\n");
  return 2;
}
