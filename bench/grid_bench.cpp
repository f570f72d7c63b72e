// grid_bench: a grid of the default style with 10 columns in an ordinary 640 x 480 window, its
// values asked for through OnGetValue. Prints, against the 33 ms animation tick, a scroll by one
// row and by one page, and the start of an edit by typing (each to the end of its repaint), for
// 1,000 and for 100,000 rows; and the cells made and the memory they take.
#include "classlib/desktop/Win32.h"
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/SceneTiming.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "controls/grids/Column.h"
#include "controls/grids/Grid.h"
#include "controls/tracks/ScrollBar.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kWidth = 640, kHeight = 480, kColumns = 10, kRuns = 100;
constexpr double kTickMs = 33;

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  double mean = 0;
  for (double t : times) mean += t / double(times.size());
  const double median = times[times.size() / 2], p95 = times[times.size() * 95 / 100];
  std::printf("  %s: mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, worst %.2f ms (median %.0f%% of the %.0f ms tick)\n",
              what, mean, median, p95, times.back(), 100 * median / kTickMs, kTickMs);
}

template <class Action>
double Timed(TCountingScene& scene, Action action) {
  const int before = scene.draws;
  const double start = NowMs();
  action();
  WaitForDraw(scene, before);
  return NowMs() - start;
}

// Past the end the view starts again at the top, so that every step moves it.
void ScrollBy(TvgScrollBar& bar, float step) {
  const float last = bar.Max() - bar.ViewportSize();
  bar.SetValue(bar.Value() + step > last ? 0 : bar.Value() + step);
}

size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
  return counters.PrivateUsage;
}

void Measure(TCountingScene& scene, int rows) {
  const size_t before = PrivateBytes();
  auto* grid = new TvgGrid(nullptr);
  grid->OnGetValue = [](TObject*, int32_t col, int32_t row, Variant& value) {
    value = Variant(L"r" + std::to_wstring(row) + L" c" + std::to_wstring(col));
  };
  grid->SetAlign(vaClient);
  grid->SetRowCount(rows);
  scene.AddObject(grid);
  for (int i = 0; i < kColumns; ++i) {
    auto* column = new TvgColumn(nullptr);
    column->SetHeader(L"Column " + std::to_wstring(i));
    column->SetWidth(90);
    grid->AddObject(column);
  }
  grid->Repaint();
  WaitForDraw(scene, scene.draws);
  size_t cells = 0;
  for (int i = 0; i < grid->ColumnCount(); ++i) cells += grid->Columns(i)->Cells().size();
  std::printf("%d rows x %d columns: %zu cells made (%d bound per column), %.1f KB in all, %.2f KB per made cell\n",
              rows, kColumns, cells, grid->BoundRows(), double(PrivateBytes() - before) / 1024,
              double(PrivateBytes() - before) / 1024 / double(cells));

  auto* bar = dynamic_cast<TvgScrollBar*>(grid->VScrollBar());
  std::vector<double> oneRow, onePage, edit;
  for (int i = 0; i < kRuns; ++i)
    oneRow.push_back(Timed(scene, [&] { ScrollBy(*bar, grid->RowHeight()); }));
  Report("scroll by one row, to its repaint", oneRow);
  for (int i = 0; i < kRuns; ++i)
    onePage.push_back(Timed(scene, [&] { ScrollBy(*bar, grid->GetViewportHeight()); }));
  Report("scroll by one page, to its repaint", onePage);
  std::fflush(stdout);
  grid->SetFocus();
  for (int i = 0; i < kRuns; ++i) {
    edit.push_back(Timed(scene, [&] {
      uint16_t key = 0;
      wchar_t c = L'a' + wchar_t(i % 26);
      grid->KeyDown(key, c, {});
    }));
    uint16_t escape = VK_ESCAPE;
    wchar_t none = 0;
    if (TvgVisualObject* cell = grid->Scene() ? grid->Scene()->GetFocused() : nullptr) cell->KeyDown(escape, none, {});
  }
  Report("start an edit by typing, to its repaint", edit);
  grid->Free();
}

}  // namespace

int main() {
  TvgToolkit toolkit;
  Application->Initialize();
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 100, kWidth, kHeight);
  auto* scene = new TCountingScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  form->Show();
  Measure(*scene, 1000);
  Measure(*scene, 100000);
  std::fflush(stdout);
  ExitProcess(0);
}
