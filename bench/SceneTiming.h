#pragma once
// What the scene benchmarks share: a millisecond clock and a scene that counts its paint passes,
// so that a benchmark can wait for the repaint it caused.
#include "classlib/desktop/Win32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "engine/scene/Scene.h"

inline double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

class TCountingScene : public TvgWindowScene {
public:
  using TvgWindowScene::TvgWindowScene;
  int draws = 0;
  void Draw() override {
    TvgWindowScene::Draw();
    ++draws;
  }
};

// Runs the message loop until the scene has painted once more than `before`. An action that
// caused no repaint would leave the benchmark waiting for ever: after ten seconds it stops with
// a message instead.
inline void WaitForDraw(TCountingScene& scene, int before) {
  const double giveUpAt = NowMs() + 10000;
  while (scene.draws == before) {
    Application->ProcessMessages();
    if (scene.draws != before) return;
    if (NowMs() > giveUpAt) {
      std::fprintf(stderr, "no repaint within 10 s of the measured action\n");
      std::fflush(stdout);
      ExitProcess(1);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
}

// The time from an action to the end of the repaint it causes.
template <class Action>
double TimedToRepaint(TCountingScene& scene, Action action) {
  const int before = scene.draws;
  const double start = NowMs();
  action();
  WaitForDraw(scene, before);
  return NowMs() - start;
}

constexpr double kAnimationTickMs = 33;

// One line of mean, median, 95th percentile and worst, the median also against the animation tick.
inline void ReportTimes(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  double mean = 0;
  for (double t : times) mean += t / double(times.size());
  const double median = times[times.size() / 2], p95 = times[times.size() * 95 / 100];
  std::printf("%s: mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, worst %.2f ms (median %.0f%% of the %.0f ms tick)\n",
              what, mean, median, p95, times.back(), 100 * median / kAnimationTickMs, kAnimationTickMs);
  std::fflush(stdout);
}

// Shows the object in a counting scene filling a borderless form of width x height at (100, 100)
// and waits for the first paint.
inline TCountingScene& ShowInCountingScene(TvgObject* object, int width, int height) {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 100, width, height);
  auto* scene = new TCountingScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  scene->AddObject(object);
  form->Show();
  WaitForDraw(*scene, 0);
  return *scene;
}
