// tree_view_bench: a tree view of the default style holding 10,000 items (100 top-level items of
// 99 sub-items each) in an ordinary 300 x 400 window. Prints, against the 33 ms animation tick,
// the time to build the tree; to expand every item and to collapse them again, each to the end of
// its repaint; a scroll by a wheel step, by a page onto rows not shown before and by a page over
// rows shown before, each to the end of its repaint (mean, median, 95th percentile and worst of
// many); and the memory each item takes as built and once it has been shown (and so styled).
#include "classlib/desktop/Win32.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/SceneTiming.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "controls/tracks/ScrollBar.h"
#include "controls/treeview/TreeView.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kWidth = 300, kHeight = 400, kTopLevel = 100, kSubItems = 99, kRuns = 100, kPages = 30;

double CommittedBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
  return double(counters.PagefileUsage);  // the private bytes, as Wine fills it
}

void ExpandAll(TvgTreeView& tree, bool expanded) {
  tree.BeginUpdate();
  for (int i = 0; i < tree.Count(); ++i) tree.ItemByIndex(i)->SetIsExpanded(expanded);
  tree.EndUpdate();
}

// Items styled so far: those that have painted.
int StyledItems(TvgTreeView& tree) {
  int styled = 0;
  for (int i = 0; i < tree.Count(); ++i) {
    TvgTreeViewItem* item = tree.ItemByIndex(i);
    styled += item->StyleObject() != nullptr;
    for (int j = 0; j < item->Count(); ++j) styled += item->Items(j)->StyleObject() != nullptr;
  }
  return styled;
}

}  // namespace

int main() {
  TvgToolkit toolkit;
  Application->Initialize();
  auto* tree = new TvgTreeView(nullptr);
  tree->SetAlign(vaClient);
  TCountingScene& scene = ShowInCountingScene(tree, kWidth, kHeight);
  tree->SetFocus();

  const double memoryBefore = CommittedBytes();
  const double buildStart = NowMs();
  tree->BeginUpdate();
  for (int i = 0; i < kTopLevel; ++i) {
    auto* top = new TvgTreeViewItem(nullptr);
    top->SetText(L"Item " + std::to_wstring(i + 1));
    tree->AddObject(top);
    for (int j = 0; j < kSubItems; ++j) {
      auto* sub = new TvgTreeViewItem(nullptr);
      sub->SetText(L"Sub-item " + std::to_wstring(i + 1) + L"." + std::to_wstring(j + 1));
      top->AddObject(sub);
    }
  }
  tree->EndUpdate();
  const double buildMs = NowMs() - buildStart;
  const double memoryBuilt = CommittedBytes();
  const int items = kTopLevel * (1 + kSubItems);
  std::printf("%d items built in %.1f ms\n", items, buildMs);

  std::vector<double> expanding, collapsing;
  for (int i = 0; i < 10; ++i) {
    expanding.push_back(TimedToRepaint(scene, [&] { ExpandAll(*tree, true); }));
    collapsing.push_back(TimedToRepaint(scene, [&] { ExpandAll(*tree, false); }));
  }
  ReportTimes("expanding every top-level item (all rows shown), to the repaint", expanding);
  ReportTimes("collapsing them again (the top-level rows only), to the repaint", collapsing);

  // Without BeginUpdate every item's expansion lays the whole tree out again.
  const double oneByOneStart = NowMs();
  for (int i = 0; i < tree->Count(); ++i) tree->ItemByIndex(i)->SetIsExpanded(true);
  std::printf("expanding the top-level items one by one, without BeginUpdate: %.0f ms in all\n",
              NowMs() - oneByOneStart);
  auto* bar = dynamic_cast<TvgScrollBar*>(tree->VScrollBar());
  if (!bar) {
    std::printf("failed: the tree has no vertical scroll bar\n");
    ExitProcess(1);
  }
  std::printf("%d rows, content %.0f high\n", tree->GlobalCount(), bar->Max());
  tree->SetAnimated(false);
  std::vector<double> wheel;
  for (int i = 0; i < kRuns; ++i)
    wheel.push_back(TimedToRepaint(scene, [&] {
      bool handled = false;
      tree->MouseWheel({}, -120, handled);
    }));
  ReportTimes("a wheel step down, to its repaint", wheel);
  std::vector<double> paging;
  for (int i = 0; i < kPages; ++i)
    paging.push_back(TimedToRepaint(scene, [&] { bar->SetValue(bar->Value() + tree->GetViewportHeight()); }));
  ReportTimes("a page down by the bar onto rows not yet shown, to its repaint", paging);
  std::vector<double> again;
  for (int i = 0; i < kRuns; ++i)
    again.push_back(TimedToRepaint(scene, [&] { bar->SetValue(bar->Value() + (i % 2 ? 1 : -1) * tree->GetViewportHeight()); }));
  ReportTimes("a page up or down over rows shown before, to its repaint", again);
  const double memoryPainted = CommittedBytes();
  std::printf("memory: %.0f bytes per item as built (unstyled); %d items styled after scrolling, "
              "%.0f KB more in all (%.0f bytes per styled item)\n",
              (memoryBuilt - memoryBefore) / items, StyledItems(*tree),
              (memoryPainted - memoryBuilt) / 1024, (memoryPainted - memoryBuilt) / std::max(1, StyledItems(*tree)));
  std::fflush(stdout);
  ExitProcess(0);
}
