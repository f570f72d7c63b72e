#pragma once
// TvgFrame: shows the tree of another scene inside this one. Outside the designer the other
// scene's root object moves into the frame (client-aligned) and that scene paints nothing until
// the frame gives the root back: when it shows another scene, when it goes, or when that scene
// goes. A scene already shown by another frame is shown from a new instance of its form, made
// when the frame first paints. In the designer the frame paints a picture of the other scene.
#include <memory>

#include "engine/tree/VisualObject.h"

class TvgBitmap;
class TvgCustomScene;

class TvgFrame : public TvgVisualObject {
  CL_CLASS(TvgFrame, TvgVisualObject)
public:
  explicit TvgFrame(TComponent* owner);
  ~TvgFrame() override;
  void BeforeDestruction() override;

  TvgCustomScene* SceneObject() const { return sceneObject_; }
  void SetSceneObject(TvgCustomScene* scene);
  // The scene is shown by another frame: this one shows a new instance of it at its next paint.
  bool Pending() const { return pending_; }
  // The root object the frame holds, nullptr when none.
  TvgObject* ShownRoot() const { return shownRoot_; }

  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The root it holds belongs to the other scene's form: the frame streams no children.
  void GetChildren(const std::function<void(TComponent*)>&, TComponent*) override {}

private:
  void ShowRoot();
  void GiveRootBack();
  void ShowNewInstance();
  void PaintSnapshot();

  TvgCustomScene* sceneObject_ = nullptr;
  TvgObject* shownRoot_ = nullptr;
  bool pending_ = false;
  std::unique_ptr<TvgBitmap> snapshot_;
};
