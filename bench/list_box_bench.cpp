// list_box_bench: a list box of the default style holding 10,000 items in an ordinary 320 x 400
// window. Prints the time to create the items and show the list; a wheel turn scrolling one page,
// to the end of its repaint; a Down key moving the selection, to the end of its repaint (both as
// mean, median, 95th percentile and worst of many, against the 33 ms animation tick); the same
// key in a list of 100 items, which shows what the items out of view cost; and the memory each
// item takes.
#include "classlib/desktop/Win32.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/SceneTiming.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/tracks/ScrollBar.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kWidth = 320, kHeight = 400, kItems = 10000, kFewItems = 100, kRuns = 100;
constexpr float kItemHeight = 20;

// The memory the process has committed for itself.
size_t CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
}

struct TShownList {
  TCountingScene* scene;
  TvgListBox* list;
};

TShownList ShowList(int left) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(left, 100, kWidth, kHeight);
  auto* scene = new TCountingScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  auto* list = new TvgListBox(nullptr);
  list->SetAlign(vaClient);
  list->SetAnimated(false);
  scene->AddObject(list);
  form->Show();
  WaitForDraw(*scene, 0);
  list->SetFocus();
  return {scene, list};
}

void Fill(TvgListBox* list, int count) {
  list->BeginUpdate();
  for (int i = 0; i < count; ++i) {
    auto* item = new TvgListBoxItem(nullptr);
    item->SetText(L"Item " + std::to_wstring(i + 1) + L" of the list");
    item->SetHeight(kItemHeight);
    list->AddObject(item);
  }
  list->EndUpdate();
}

// Each key moves on by one item: a key at the last item would change and paint nothing.
std::vector<double> DownKeys(TShownList& shown) {
  shown.list->SetItemIndex(0);
  std::vector<double> times;
  for (int i = 0; i < std::min(kRuns, shown.list->GetCount() - 1); ++i)
    times.push_back(TimedToRepaint(*shown.scene, [&] {
      uint16_t key = VK_DOWN;
      wchar_t none = 0;
      shown.list->KeyDown(key, none, {});
    }));
  return times;
}

}  // namespace

int main() {
  TvgToolkit toolkit;
  Application->Initialize();
  TShownList shown = ShowList(100);

  const size_t memoryBefore = CommittedBytes();
  const double created = TimedToRepaint(*shown.scene, [&] { Fill(shown.list, kItems); });
  const size_t memoryAfter = CommittedBytes();
  std::printf("%d items: created and shown in %.1f ms; %.0f bytes per item\n", shown.list->GetCount(), created,
              double(memoryAfter - memoryBefore) / kItems);
  // The first paint of an item applies its style: that is what a page scrolled into view costs.
  std::printf("%.0f bytes per item once every item has shown (style applied)\n", [&] {
    for (int i = 0; i < kItems; ++i) shown.list->ItemByIndex(i)->ApplyResource();
    return double(CommittedBytes() - memoryBefore) / kItems;
  }());

  auto* bar = dynamic_cast<TvgScrollBar*>(shown.list->VScrollBar());
  std::vector<double> wheel;
  for (int i = 0; i < kRuns && bar; ++i) {
    TimedToRepaint(*shown.scene, [&] { bar->SetValue(float(i + 1) * 700); });
    // Three fifths of the viewport per notch: 200 is one page.
    wheel.push_back(TimedToRepaint(*shown.scene, [&] {
      bool handled = false;
      shown.list->MouseWheel({}, -200, handled);
    }));
  }
  ReportTimes("a wheel turn of one page in 10,000 items, to its repaint", wheel);
  ReportTimes("Down in 10,000 items, to its repaint", DownKeys(shown));

  TShownList few = ShowList(460);
  Fill(few.list, kFewItems);
  WaitForDraw(*few.scene, few.scene->draws);
  ReportTimes("Down in 100 items, to its repaint", DownKeys(few));
  std::fflush(stdout);
  ExitProcess(0);
}
