// grid_bench: a grid of the default style with 10 columns in an ordinary 640 x 480 window, its
// values asked for through OnGetValue. Prints, against the 33 ms animation tick, a repaint with
// nothing changed (the cost of paint alone), a scroll by one row and by one page, and the start
// of an edit by typing (each to the end of its repaint), for 1,000 and for 100,000 rows; and the
// cells made and the memory they take.
#include "classlib/desktop/Win32.h"
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/SceneTiming.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "controls/grid/Column.h"
#include "controls/grid/Grid.h"
#include "controls/tracks/ScrollBar.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kWidth = 640, kHeight = 480, kColumns = 10, kRuns = 100;

// Past the end the view starts again at the top, so that every step moves it.
void ScrollBy(TvgScrollBar& bar, float step) {
  const float last = bar.Max() - bar.ViewportSize();
  bar.SetValue(bar.Value() + step > last ? 0 : bar.Value() + step);
}

// The memory committed to the process (Wine leaves PrivateUsage at 0; PagefileUsage is the same
// figure on Windows).
size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
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
  std::vector<double> still, oneRow, onePage, edit;
  for (int i = 0; i < kRuns / 4; ++i) still.push_back(TimedToRepaint(scene, [&] { grid->Repaint(); }));
  ReportTimes("  a repaint of the grid, nothing changed (what paint alone costs)", still);
  for (int i = 0; i < kRuns; ++i)
    oneRow.push_back(TimedToRepaint(scene, [&] { ScrollBy(*bar, grid->RowHeight()); }));
  ReportTimes("  scroll by one row, to its repaint", oneRow);
  for (int i = 0; i < kRuns; ++i)
    onePage.push_back(TimedToRepaint(scene, [&] { ScrollBy(*bar, grid->GetViewportHeight()); }));
  ReportTimes("  scroll by one page, to its repaint", onePage);
  grid->SetFocus();
  grid->SetSelected(grid->TopRow() + 1);
  for (int i = 0; i < kRuns; ++i) {
    edit.push_back(TimedToRepaint(scene, [&] {
      uint16_t key = 0;
      wchar_t c = L'a' + wchar_t(i % 26);
      grid->KeyDown(key, c, {});
    }));
    TimedToRepaint(scene, [&] {  // the edit's end is not measured, but its repaint is waited for
      uint16_t escape = VK_ESCAPE;
      wchar_t none = 0;
      if (TvgVisualObject* cell = grid->Scene()->GetFocused()) cell->KeyDown(escape, none, {});
    });
  }
  ReportTimes("  start an edit by typing, to its repaint", edit);
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
