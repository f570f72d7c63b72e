// textbox_keystroke_bench: a text box of the default style, focused in an ordinary 320 x 60
// window, typed into one character at a time (a character, then Backspace, so that the text keeps
// its length). Prints the time from each keystroke's window message to the end of the repaint it
// causes (mean, median, 95th percentile, worst) against the 33 ms animation tick, for a short text
// and for a long one scrolled to its end, where each keystroke measures the visible run again.
#include "classlib/desktop/Win32.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/SceneTiming.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "controls/textboxes/TextBox.h"
#include "engine/scene/Scene.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kWidth = 320, kHeight = 60, kKeystrokes = 300;
constexpr double kTickMs = 33;

std::vector<double> TimeKeystrokes(TCountingScene& scene, TvgCustomTextBox& box, const std::wstring& text) {
  box.SetText(text);
  box.SetFocus();
  SendMessageW(scene.Handle(), WM_KEYDOWN, VK_END, 0);
  Application->ProcessMessages();
  std::vector<double> times;
  for (int i = 0; i < kKeystrokes; ++i) {
    const int before = scene.draws;
    const double start = NowMs();
    if (i % 2 == 0) SendMessageW(scene.Handle(), WM_CHAR, L'x', 1);
    else SendMessageW(scene.Handle(), WM_KEYDOWN, VK_BACK, 0);
    WaitForDraw(scene, before);
    times.push_back(NowMs() - start);
  }
  std::sort(times.begin(), times.end());
  return times;
}

void Report(const char* what, const std::vector<double>& times) {
  double mean = 0;
  for (double t : times) mean += t / double(times.size());
  const double median = times[times.size() / 2], p95 = times[times.size() * 95 / 100];
  std::printf("%s: mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, worst %.2f ms "
              "(median %.0f%%, 95th percentile %.0f%% of the %.0f ms tick)\n",
              what, mean, median, p95, times.back(), 100 * median / kTickMs, 100 * p95 / kTickMs, kTickMs);
}

}  // namespace

int main() {
  TvgToolkit toolkit;
  Application->Initialize();
  auto* box = new TvgTextBox(nullptr);
  box->SetBounds(10, 19, 300, 22);
  TCountingScene& scene = ShowInCountingScene(box, kWidth, kHeight);
  std::wstring longText;
  for (int i = 0; i < 2000; ++i) longText += wchar_t(L'a' + i % 26);
  Report("keystroke to repaint, 20 characters", TimeKeystrokes(scene, *box, L"twenty characters ab"));
  Report("keystroke to repaint, 2,000 characters at the end", TimeKeystrokes(scene, *box, longText));
  std::fflush(stdout);
  ExitProcess(0);
}
