// gallery_probe: what the gallery's scripts need of the screen, the clipboard and the input method
// that xdotool and screenshots do not give.
//   gallery_probe sample X Y MS     reads the screen pixel at (X, Y) for MS milliseconds; prints
//                                   "T RRGGBB" (T in ms) whenever it changes
//   gallery_probe shape X Y W H MS  reads the W x H screen rect at (X, Y) for MS milliseconds;
//                                   prints "T MASK" whenever a pixel of it changes, MASK giving
//                                   row by row '#' for each light pixel (red at least 0xB0) and
//                                   '.' for each other one
//   gallery_probe clipboard         prints the clipboard's wide text in UTF-8, its line breaks written
//                                   \r and \n (a program of its own, to see what the gallery put there)
//   gallery_probe setclipboard S    puts the text S (UTF-8) on the clipboard
//   gallery_probe compose           has the gallery's input method finish a composition, as a
//                                   user choosing characters in an input method window does
//   gallery_probe drop X Y FILE...  drags the files (full paths in one folder) from this program
//                                   and drops them at screen point (X, Y) through OLE, with the
//                                   shell's own data object for them, as the file manager does
// Exit code 0, 1 when the screen, the clipboard or the gallery cannot be reached, or 2 on a usage
// error.
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <cstdlib>
#include <imm.h>
#include <ole2.h>
#include <shlobj.h>
#include <string>
#include <vector>

#include "tests/tools/PutOnClipboard.h"

namespace {

constexpr unsigned kLightRed = 0xB0;

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
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::printf("\n");
  return 0;
}

// The text, as another program copies it.
int SetClipboard(const char* utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(length) * sizeof(wchar_t));
  if (!block) return 1;
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, static_cast<wchar_t*>(GlobalLock(block)), length);
  GlobalUnlock(block);
  return PutOnClipboard(CF_UNICODETEXT, block) ? 0 : 1;
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

std::string LightMask(const std::vector<DWORD>& pixels) {
  std::string mask;
  for (DWORD pixel : pixels) mask += ((pixel >> 16) & 0xFF) >= kLightRed ? '#' : '.';
  return mask;
}

// The rect is copied whole at each read (one read of the screen), into a top-down 32-bit DIB.
int Shape(int x, int y, int width, int height, double ms) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) return 1;
  HGDIOBJ previous = SelectObject(memory, dib);
  const auto* pixels = static_cast<const DWORD*>(bits);
  const size_t count = size_t(width) * size_t(height);
  std::vector<DWORD> last;
  const double start = NowMs();
  while (NowMs() - start < ms) {
    BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> now(pixels, pixels + count);
    if (now != last) std::printf("%.1f %s\n", NowMs() - start, LightMask(now).c_str());
    last = std::move(now);
  }
  SelectObject(memory, previous);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return 0;
}

// Lets the drag run for a few of the drag loop's checks, so that the target is entered and
// dragged over, then drops.
class TTimedDropSource : public IDropSource {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
      *object = static_cast<IDropSource*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the stack of Drop
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return ++checks_ < 8 ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
  int checks_ = 0;
};

// The shell's data object for files of one folder, as its folder view hands it to a drag.
IDataObject* ShellDataObject(const std::vector<std::wstring>& files) {
  const std::wstring folder = files[0].substr(0, files[0].find_last_of(L'\\'));
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop))) return nullptr;
  PIDLIST_RELATIVE folderId = nullptr;
  IShellFolder* parent = nullptr;
  IDataObject* data = nullptr;
  if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(folder.c_str()), nullptr, &folderId, nullptr)) &&
      SUCCEEDED(desktop->BindToObject(folderId, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&parent)))) {
    std::vector<PIDLIST_RELATIVE> children;
    for (const std::wstring& file : files) {
      std::wstring name = file.substr(folder.size() + 1);
      PIDLIST_RELATIVE child = nullptr;
      if (SUCCEEDED(parent->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &child, nullptr))) children.push_back(child);
    }
    if (children.size() == files.size())
      parent->GetUIObjectOf(nullptr, UINT(children.size()), const_cast<PCUITEMID_CHILD_ARRAY>(children.data()),
                            IID_IDataObject, nullptr, reinterpret_cast<void**>(&data));
    for (PIDLIST_RELATIVE child : children) CoTaskMemFree(child);
    parent->Release();
  }
  CoTaskMemFree(folderId);
  desktop->Release();
  return data;
}

int Drop(int x, int y, const std::vector<std::wstring>& files) {
  if (FAILED(OleInitialize(nullptr))) return 1;
  IDataObject* data = ShellDataObject(files);
  int status = 1;
  if (data) {
    SetCursorPos(x, y);
    TTimedDropSource source;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK | DROPEFFECT_MOVE, &effect);
    std::printf("%s %lu\n", result == DRAGDROP_S_DROP ? "dropped" : "cancelled", effect);
    status = result == DRAGDROP_S_DROP ? 0 : 1;
    data->Release();
  }
  OleUninitialize();
  return status;
}

std::wstring Wide(const char* utf8) {
  std::wstring text(size_t(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), int(text.size()));
  text.pop_back();
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "sample")
    return Sample(std::atoi(argv[2]), std::atoi(argv[3]), std::strtod(argv[4], nullptr));
  if (argc == 2 && std::string(argv[1]) == "clipboard") return PrintClipboard();
  if (argc == 3 && std::string(argv[1]) == "setclipboard") return SetClipboard(argv[2]);
  if (argc == 2 && std::string(argv[1]) == "compose") return Compose();
  if (argc >= 5 && std::string(argv[1]) == "drop") {
    std::vector<std::wstring> files;
    for (int i = 4; i < argc; ++i) files.push_back(Wide(argv[i]));
    return Drop(std::atoi(argv[2]), std::atoi(argv[3]), files);
  }
  if (argc == 7 && std::string(argv[1]) == "shape" && std::atoi(argv[4]) > 0 && std::atoi(argv[5]) > 0)
    return Shape(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                 std::strtod(argv[6], nullptr));
  std::fprintf(stderr, "usage: gallery_probe sample X Y MS | shape X Y W H MS | clipboard | setclipboard TEXT | compose | drop X Y FILE...\n");
  return 2;
}
