// memo_bench: a memo of the default style holding 10,000 lines (about 600 KB) in an ordinary
// 480 x 400 window. Prints, against the 33 ms animation tick, the time to set the whole text; one
// keystroke in the middle of the text to the end of its repaint; and a Page Down to the end of
// its repaint (mean, median, 95th percentile and worst of many).
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <string>
#include <vector>

#include "bench/SceneTiming.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "controls/memo/Memo.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kWidth = 480, kHeight = 400, kLines = 10000, kRuns = 100;

std::wstring LongText() {
  std::wstring text;
  for (int i = 0; i < kLines; ++i)
    text += L"Line " + std::to_wstring(i + 1) + L": the quick brown fox jumps over the lazy dog.\r\n";
  return text;
}

}  // namespace

int main() {
  TvgToolkit toolkit;
  Application->Initialize();
  auto* memo = new TvgMemo(nullptr);
  memo->SetAlign(vaClient);
  TCountingScene& scene = ShowInCountingScene(memo, kWidth, kHeight);
  memo->SetFocus();

  const std::wstring text = LongText();
  std::vector<double> setOnly;
  for (int i = 0; i < 5; ++i) {
    const double start = NowMs();
    memo->SetText(i % 2 ? text : text + L"y");
    setOnly.push_back(NowMs() - start);
  }
  std::printf("%d lines, %zu characters (%zu KB as UTF-16)\n", memo->LineCount(), memo->Text().size(),
              memo->Text().size() * 2 / 1024);
  ReportTimes("setting the text", setOnly);

  memo->SetCaretPos({kLines / 2, 10});
  std::vector<double> typing;
  for (int i = 0; i < kRuns; ++i)
    typing.push_back(TimedToRepaint(scene, [&] {
      uint16_t key = 0;
      wchar_t c = L'a' + wchar_t(i % 26);
      memo->KeyDown(key, c, {});
    }));
  ReportTimes("a keystroke in the middle, to its repaint", typing);

  memo->SetCaretPos({0, 0});
  std::vector<double> paging;
  for (int i = 0; i < kRuns; ++i)
    paging.push_back(TimedToRepaint(scene, [&] {
      uint16_t key = VK_NEXT;
      wchar_t c = 0;
      memo->KeyDown(key, c, {});
    }));
  ReportTimes("Page Down, to its repaint", paging);
  std::fflush(stdout);
  ExitProcess(0);
}
