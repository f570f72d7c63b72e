// Loading the default style from the program's resource, as the first style lookup does, and
// applying a style from it to a control: milliseconds per load (mean of 20 runs), the object
// count, and microseconds per style application (clone beneath the control, mean of 200).
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/shapes/Background.h"
#include "engine/styles/Style.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr int kLoads = 20;
constexpr int kApplications = 200;

template <class F>
double MeanMicroseconds(int runs, F&& action) {
  auto start = std::chrono::steady_clock::now();
  for (int run = 0; run < runs; ++run) action();
  std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count() / runs;
}

}  // namespace

int main() {
  TvgToolkit toolkit;
  RegisterClass(TvgBackground::StaticClass());
  int objects = 0;
  bool failed = false;
  const double load = MeanMicroseconds(kLoads, [&] {
    TvgObject* style = vgLoadStyleResource("DEFAULTVGSTYLE");
    failed |= !style;
    if (!style) return;
    std::vector<TvgObject*> all;
    style->AddObjectsToList(all);
    objects = int(all.size());
    style->Free();
  });
  if (failed) {
    std::fprintf(stderr, "the default style does not load (a class it names is not registered)\n");
    return 1;
  }
  auto* control = new TvgBackground(nullptr);
  const double apply = MeanMicroseconds(kApplications, [&] { control->UpdateResource(); });
  failed = !control->StyleObject();
  control->Free();
  if (failed) {
    std::fprintf(stderr, "no style was applied\n");
    return 1;
  }
  std::printf("objects %d\nload ms %.3f\napply style us %.1f\n", objects, load / 1000, apply);
  return 0;
}
