// scroll_box_bench: a vertical scroll box of the default style holding 2,000 rows (a text each) in
// an ordinary 320 x 400 window, scrolled by its bar's down button one small change at a time.
// Prints the time from each click to the end of the repaint it causes (mean, median, 95th
// percentile, worst) against the 33 ms animation tick, and the time to fill and show the box.
#include "classlib/desktop/Win32.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/SceneTiming.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "controls/buttons/Button.h"
#include "controls/tracks/ScrollBar.h"
#include "engine/layouts/ScrollBox.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Text.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kWidth = 320, kHeight = 400, kRows = 2000, kSteps = 200;
constexpr float kRowHeight = 20;
constexpr double kTickMs = 33;

TvgVertScrollBox* ShowBox(TCountingScene*& scene) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 100, kWidth, kHeight);
  scene = new TCountingScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  auto* box = new TvgVertScrollBox(nullptr);
  box->SetAnimated(false);
  scene->AddObject(box);
  box->BeginUpdate();
  for (int i = 0; i < kRows; ++i) {
    auto* row = new TvgText(nullptr);
    row->SetText(L"Row " + std::to_wstring(i + 1) + L" of the list");
    row->SetHorzTextAlign(vgTextAlignNear);
    box->AddObject(row);
    row->SetBounds(8, float(i) * kRowHeight, 280, kRowHeight);
  }
  box->EndUpdate();
  form->Show();
  WaitForDraw(*scene, 0);
  return box;
}

}  // namespace

int main() {
  TvgToolkit toolkit;
  Application->Initialize();
  TCountingScene* scene = nullptr;
  const double startShow = NowMs();
  TvgVertScrollBox* box = ShowBox(scene);
  const double shown = NowMs() - startShow;
  auto* bar = dynamic_cast<TvgScrollBar*>(box->VScrollBar());
  auto* down = bar ? dynamic_cast<TvgCustomButton*>(bar->FindResource("bottombutton")) : nullptr;
  if (!down) {
    std::fprintf(stderr, "the scroll box shows no vertical bar with a down button\n");
    return 1;
  }
  std::vector<double> times;
  for (int i = 0; i < kSteps; ++i) {
    const int before = scene->draws;
    const double start = NowMs();
    down->Click();
    WaitForDraw(*scene, before);
    times.push_back(NowMs() - start);
  }
  std::sort(times.begin(), times.end());
  double mean = 0;
  for (double t : times) mean += t / kSteps;
  std::printf("%d rows shown in %.0f ms; bar at %.0f of %.0f after %d steps of %.1f\n", kRows, shown, bar->Value(),
              bar->Max(), kSteps, bar->SmallChange());
  std::printf("step by the bar: mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, worst %.2f ms\n", mean,
              times[kSteps / 2], times[kSteps * 95 / 100], times.back());
  std::printf("against the %.0f ms animation tick: median %.0f%%, 95th percentile %.0f%%\n", kTickMs,
              100 * times[kSteps / 2] / kTickMs, 100 * times[kSteps * 95 / 100] / kTickMs);
  std::fflush(stdout);
  ExitProcess(0);
}
