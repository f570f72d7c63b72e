#pragma once
// What the scene benchmarks share: a millisecond clock and a scene that counts its paint passes,
// so that a benchmark can wait for the repaint it caused.
#include "classlib/desktop/Win32.h"

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

// Runs the message loop until the scene has painted once more than `before`.
inline void WaitForDraw(TCountingScene& scene, int before) {
  while (scene.draws == before) {
    Application->ProcessMessages();
    if (scene.draws == before) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
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
