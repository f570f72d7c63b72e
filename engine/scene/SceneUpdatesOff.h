#pragma once
// Holds a scene's updates off for a scope and then gives back the setting it found: for changes
// made while painting, or made unseen, that must not ask for another paint. A null scene is
// left alone.
#include "engine/scene/SceneInterface.h"

class TvgSceneUpdatesOff {
public:
  explicit TvgSceneUpdatesOff(IvgWindowScene* scene)
      : scene_(scene), wereDisabled_(scene && scene->GetDisableUpdate()) {
    if (scene_) scene_->SetDisableUpdate(true);
  }
  ~TvgSceneUpdatesOff() {
    if (scene_) scene_->SetDisableUpdate(wereDisabled_);
  }
  TvgSceneUpdatesOff(const TvgSceneUpdatesOff&) = delete;
  TvgSceneUpdatesOff& operator=(const TvgSceneUpdatesOff&) = delete;

private:
  IvgWindowScene* scene_;
  bool wereDisabled_;
};
