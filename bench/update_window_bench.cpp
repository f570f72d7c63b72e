// update_window_bench: the update message window's costs.
//   update_window_bench load
//       as up does in a fresh process: starts the toolkit unit by unit, creates TfrmMsg from its
//       form resource (streaming and FormCreate) once, applies its styles again and shows it. Prints
//       one "KEY<tab>MS" line per figure: the time from process creation to main (the loader and
//       the imported libraries), the first OleInitialize, each unit's start-up (the scene unit's
//       without OLE), loading the default style (mean of 20 loads),
//       the creation and what the canvas, the fonts and the image codec took of it, the styles
//       applied again (each control finds, clones and applies its style) and the first paint. (Under
//       Wine a second creation in one process waits 2 s: hiding the then visible application window
//       waits for a window manager, which Xvfb lacks.)
//   update_window_bench paint
//       shows TfrmMsg and prints the mean time of one paint pass after a small (10 x 10)
//       invalidation, after invalidating a button and after invalidating the whole window, each
//       split into the message turn, the tree walk, the canvas's kinds of work and the
//       layered-window update.
//   update_window_bench start PROGRAM X Y RRGGBB
//       starts PROGRAM and prints "on-screen MS": milliseconds from the process's creation until
//       the screen pixel at (X, Y) shows the colour (polled about every millisecond), "memory MB"
//       and "peak MB": the memory the process holds then and the most it has held (working sets),
//       then closes the program's message window and prints "closed MS": milliseconds from asking
//       it to close until the program has ended.
#include "classlib/desktop/Win32.h"
#include <ole2.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/PaintTimer.h"
#include "classlib/desktop/Application.h"
#include "engine/scene/Scene.h"
#include "engine/styles/Style.h"
#include "engine/tree/Object.h"
#include "engine/tree/VisualObject.h"
#include "toolkit/Toolkit.h"
#include "up/untMsg.h"

namespace {

constexpr int kStyleLoads = 20;
constexpr double kTickMs = 33;
constexpr int kWidth = 474, kHeight = 408;

template <class F>
double Milliseconds(F&& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Figure(const std::string& key, double ms) { std::printf("%s\t%.3f\n", key.c_str(), ms); }

// The toolkit's units one by one, as TvgToolkit starts them.
void StartToolkitTimed() {
  for (const TvgToolkitUnit& unit : vgToolkitUnits())
    Figure("start-up of unit " + unit.Name, Milliseconds([&] {
             for (void (*initialize)() : unit.Initialize) initialize();
           }));
}

TvgCustomScene* SceneOf(TfrmMsg* form) { return dynamic_cast<TvgCustomScene*>(form->FindComponent("vgWindowScene1")); }

// Pumps messages until the layered window was updated once more.
void PumpUntilPainted(int passesBefore) {
  while (vgPaintTimes().Passes == passesBefore) {
    Application->ProcessMessages();
    if (vgPaintTimes().Passes == passesBefore) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
}

TfrmMsg* CreateForm() {
  UpdateNotes = "Kest 1.0.1.0:\n1. Faster page loading\n2. Safer downloads\n3. Smaller memory use";
  return TCustomForm::Create<TfrmMsg>(nullptr);
}

void FigureParts(const std::string& what, const TPaintTimes& parts) {
  for (int part = 0; part < ppPartCount; ++part)
    if (parts.Calls[part] > 0)
      Figure(what + ": " + vgPaintPartName(part) + " (" + std::to_string(parts.Calls[part]) + ")", parts.Ms[part]);
}

int Load() {
  Figure("process creation to main (loader, imported libraries)", vgBenchSinceProcessStartMs());
  vgInstallTimedCanvas();
  // The scene unit's start-up makes the process's first OleInitialize; timed apart, it shows what
  // OLE itself costs here (the unit's own call then only counts up).
  Figure("OleInitialize, the first in the process (of the scene unit's start-up)",
         Milliseconds([] { OleInitialize(nullptr); }));
  StartToolkitTimed();
  TvgToolkit toolkit;
  Application->Initialize();
  vgInstallTimedCodecAndWindow();
  bool loaded = true;
  double styleTotal = 0;
  for (int run = 0; run < kStyleLoads; ++run)
    styleTotal += Milliseconds([&] {
      TvgObject* style = vgLoadStyleResource("DEFAULTVGSTYLE");
      loaded &= style != nullptr;
      if (style) style->Free();
    });
  if (!loaded) {
    std::fprintf(stderr, "the default style does not load\n");
    return 1;
  }
  Figure("load the default style (mean of 20 loads)", styleTotal / kStyleLoads);

  vgTakePaintTimes();
  TfrmMsg* form = nullptr;
  const double creation = Milliseconds([&] { form = CreateForm(); });
  const TPaintTimes creationParts = vgTakePaintTimes();
  Figure("create TfrmMsg from its form resource", creation);
  FigureParts("  of it", creationParts);
  Figure("  of it: streaming, styles and the rest", creation - creationParts.CanvasMs());

  TvgCustomScene* scene = SceneOf(form);
  const double restyle = Milliseconds([&] { scene->UpdateResource(); });
  const TPaintTimes restyleParts = vgTakePaintTimes();
  Figure("styles applied again (find, clone, apply)", restyle);
  FigureParts("  of it", restyleParts);

  const double shown = Milliseconds([&] {
    form->Show();
    PumpUntilPainted(0);
  });
  Figure("show and paint the first time", shown);
  const TPaintTimes firstPaint = vgTakePaintTimes();
  FigureParts("  of it", firstPaint);
  form->Free();
  return 0;
}

struct TRepaints {
  double mean;
  TPaintTimes parts;
};

TRepaints TimeRepaints(TvgCustomScene* scene, const std::vector<TvgRect>& rects, int rounds) {
  double total = 0;
  vgTakePaintTimes();
  for (int i = 0; i < rounds; ++i) {
    const int before = vgPaintTimes().Passes;
    const double start = vgBenchNowMs();
    scene->AddUpdateRect(rects[size_t(i) % rects.size()]);
    while (vgPaintTimes().Passes == before) Application->ProcessMessages();
    total += vgBenchNowMs() - start;
  }
  return {total / rounds, vgTakePaintTimes()};
}

void Report(const char* what, const TRepaints& r) {
  std::printf("%s mean %.3f ms, %.1f%% of the %.0f ms tick\n", what, r.mean, r.mean * 100 / kTickMs, kTickMs);
  const double perPass = r.parts.Passes ? r.parts.PassMs / r.parts.Passes : 0;
  std::printf("    %-28s %8.3f ms\n", "message turn (post, drain)", r.mean - perPass);
  vgPrintPaintTimes(r.parts, "    ", true);
}

int Paint() {
  vgInstallTimedCanvas();
  TvgToolkit toolkit;
  Application->Initialize();
  vgInstallTimedCodecAndWindow();
  TfrmMsg* form = CreateForm();
  form->Show();
  PumpUntilPainted(0);
  TvgCustomScene* scene = SceneOf(form);
  std::vector<TvgRect> smalls;
  for (int i = 0; i < 16; ++i)
    smalls.push_back({float(30 + i * 25), float(150 + (i % 4) * 40), float(40 + i * 25), float(160 + (i % 4) * 40)});
  auto* button = dynamic_cast<TvgVisualObject*>(form->FindComponent("Button1"));
  const std::vector<TvgRect> whole{{0, 0, float(kWidth), float(kHeight)}};
  TimeRepaints(scene, smalls, 20);  // warm up
  Report("small invalidation (10 x 10):  ", TimeRepaints(scene, smalls, 300));
  Report("a button (its update rect):    ", TimeRepaints(scene, {button->GetUpdateRect()}, 100));
  Report("full repaint (474 x 408):      ", TimeRepaints(scene, whole, 60));
  std::fflush(stdout);
  ExitProcess(0);  // the window and the toolkit go with the process
}

double MillisecondsSince(const FILETIME& creation) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return double(ticks(now) - ticks(creation)) / 10000.0;
}

unsigned long ScreenPixel(HDC screen, int x, int y) {
  const COLORREF pixel = GetPixel(screen, x, y);
  return (GetRValue(pixel) << 16) | (GetGValue(pixel) << 8) | GetBValue(pixel);
}

BOOL CALLBACK CloseMessageWindow(HWND window, LPARAM processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16];
  if (owner == DWORD(processId) && GetClassNameA(window, className, sizeof className) &&
      std::string(className) == "TfrmMsg")
    PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

int Start(const std::string& program, int x, int y, unsigned long colour) {
  HDC screen = GetDC(nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + program + "\"";
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    return 1;
  }
  FILETIME creation, exit, kernel, user;
  GetProcessTimes(process.hProcess, &creation, &exit, &kernel, &user);
  bool seen = false;
  double onScreen = 0;
  while (!seen && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT && MillisecondsSince(creation) < 60000) {
    seen = ScreenPixel(screen, x, y) == colour;
    if (seen) onScreen = MillisecondsSince(creation);
    else Sleep(1);
  }
  ReleaseDC(nullptr, screen);
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  const auto closing = std::chrono::steady_clock::now();
  EnumWindows(CloseMessageWindow, LPARAM(process.dwProcessId));
  const bool ended = WaitForSingleObject(process.hProcess, 60000) != WAIT_TIMEOUT;
  const double closed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - closing).count();
  if (!ended) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!seen) {
    std::fprintf(stderr, "%s showed no window\n", program.c_str());
    return 1;
  }
  auto megabytes = [](SIZE_T bytes) { return double(bytes) / (1024 * 1024); };
  std::printf("on-screen %.1f\nmemory %.1f\npeak %.1f\n", onScreen, megabytes(memory.WorkingSetSize),
              megabytes(memory.PeakWorkingSetSize));
  if (ended) std::printf("closed %.1f\n", closed);
  return ended ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "load" && argc == 2) return Load();
  if (mode == "paint" && argc == 2) return Paint();
  if (mode == "start" && argc == 6)
    return Start(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::strtoul(argv[5], nullptr, 16));
  std::fprintf(stderr, "usage: update_window_bench load | paint | start PROGRAM X Y RRGGBB\n");
  return 2;
}
