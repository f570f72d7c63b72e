// gallery_probe: what gallery_test.sh needs to see of the screen faster than a screenshot gives it.
//   gallery_probe sample X Y MS   reads the screen pixel at (X, Y) for MS milliseconds; prints
//                                 "T RRGGBB" (T in ms) whenever it changes
//   gallery_probe clipboard       prints the clipboard's CF_UNICODETEXT in UTF-8, its line breaks
//                                 written \r and \n
//   gallery_probe setclipboard T  puts the text T (UTF-8) on the clipboard as CF_UNICODETEXT
// Exit code 0, 1 when the clipboard cannot be used, or 2 on a usage error.
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <cstdlib>
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

// The clipboard is read and written with the platform's calls alone, as another program would.
int PrintClipboard() {
  if (!OpenClipboard(nullptr)) return 1;
  std::wstring text;
  if (HANDLE block = GetClipboardData(CF_UNICODETEXT))
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(block))) {
      const SIZE_T count = GlobalSize(block) / sizeof(wchar_t);
      for (SIZE_T i = 0; i < count && chars[i]; ++i) text += chars[i];
      GlobalUnlock(block);
    }
  CloseClipboard();
  std::string line;
  for (wchar_t c : text) {
    if (c == L'\r') line += "\\r";
    else if (c == L'\n') line += "\\n";
    else {
      char bytes[8];
      const int n = WideCharToMultiByte(CP_UTF8, 0, &c, 1, bytes, sizeof bytes, nullptr, nullptr);
      line.append(bytes, size_t(n));
    }
  }
  std::printf("%s\n", line.c_str());
  return 0;
}

int SetClipboard(const char* utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(length) * sizeof(wchar_t));
  if (!block) return 1;
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, static_cast<wchar_t*>(GlobalLock(block)), length);
  GlobalUnlock(block);
  HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  const bool done = OpenClipboard(owner) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  if (!done) GlobalFree(block);
  DestroyWindow(owner);
  return done ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "sample")
    return Sample(std::atoi(argv[2]), std::atoi(argv[3]), std::strtod(argv[4], nullptr));
  if (argc == 2 && std::string(argv[1]) == "clipboard") return PrintClipboard();
  if (argc == 3 && std::string(argv[1]) == "setclipboard") return SetClipboard(argv[2]);
  std::fprintf(stderr, "usage: gallery_probe sample X Y MS | clipboard | setclipboard TEXT\n");
  return 2;
}
