#include "engine/gdiplus/GdiPlusApi.h"

#include <type_traits>
#include <utility>

#include "engine/gdiplus/GdiPlus.h"

namespace {

// A function that is not bound does nothing: statuses say "not loaded", out values stay as
// the caller initialised them.
template <class Pointer>
struct StandIn;
template <class Result, class... Args>
struct StandIn<Result(WINAPI*)(Args...)> {
  static Result WINAPI Call(Args...) {
    if constexpr (!std::is_void_v<Result>) return Result(gpNotLoaded);
  }
};

TGdiplusFunctions StandIns() {
  TGdiplusFunctions functions;
#define TVG_GDIPLUS_STAND_IN(name, result, params) functions.name = StandIn<decltype(functions.name)>::Call;
  TVG_GDIPLUS_FUNCTIONS(TVG_GDIPLUS_STAND_IN)
#undef TVG_GDIPLUS_STAND_IN
  return functions;
}

HMODULE library = nullptr;
ULONG_PTR startupToken = 0;
bool loadFailureReported = false;

std::string ProgramFolder() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HMODULE LoadFromKnownPlaces() {
  std::string folder = ProgramFolder();
  for (const char* relative : {"", "..\\", "..\\projects\\bpl\\", "..\\..\\"}) {
    std::string path = folder + relative + GdiplusLibraryName;
    if (FileExists(path)) return LoadLibraryA(path.c_str());
  }
  return LoadLibraryA(GdiplusLibraryName.c_str());
}

template <class Pointer>
void Bind(Pointer& function, const char* name) {
  if (auto address = GetProcAddress(library, name)) {
    function = reinterpret_cast<Pointer>(reinterpret_cast<void*>(address));
  } else {
    OutputDebugStringA((GdiplusLibraryName + " lacks " + name + "\n").c_str());
  }
}

}  // namespace

TGdiplusFunctions Gdip = StandIns();
std::string GdiplusLibraryName = "gdiplus.dll";

bool LoadGdiplus() {
  library = LoadFromKnownPlaces();
  if (!library) return false;
#define TVG_GDIPLUS_BIND(name, result, params) Bind(Gdip.name, #name);
  TVG_GDIPLUS_FUNCTIONS(TVG_GDIPLUS_BIND)
#undef TVG_GDIPLUS_BIND
  return true;
}

bool GdiplusLoaded() { return library != nullptr; }

void StartupGdiplus() {
  if (library) return;
  if (!LoadGdiplus()) {
    if (!std::exchange(loadFailureReported, true))
      OutputDebugStringA(("Cannot load " + GdiplusLibraryName + ": nothing will be drawn or decoded\n").c_str());
    return;
  }
  GdiplusStartupInput input;
  Gdip.GdiplusStartup(&startupToken, &input, nullptr);
}

void ShutdownGdiplus() {
  if (!library) return;
  FreeKeptFontFamilies();
  Gdip.GdiplusShutdown(startupToken);
  startupToken = 0;
  FreeLibrary(library);
  library = nullptr;
  Gdip = StandIns();
}
