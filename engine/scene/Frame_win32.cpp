#include "engine/scene/Frame.h"

#include "engine/paint/Bitmap.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/Scene.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"

CL_PUBLISHED(TvgFrame) {
  published.Property("SceneObject", &TvgFrame::SceneObject, &TvgFrame::SetSceneObject);
}

TvgFrame::TvgFrame(TComponent* owner) : TvgVisualObject(owner) {}

TvgFrame::~TvgFrame() = default;

// The root goes back while the frame is whole, before its children would go with it.
void TvgFrame::BeforeDestruction() {
  if (!Designing()) GiveRootBack();
  if (sceneObject_) sceneObject_->RemoveFreeNotification(this);
  sceneObject_ = nullptr;
  snapshot_.reset();
  TvgVisualObject::BeforeDestruction();
}

void TvgFrame::SetSceneObject(TvgCustomScene* scene) {
  if (scene == sceneObject_) return;
  if (scene && Scene() && scene == Scene()->GetComponent()) return;
  const bool designing = Designing();
  if (!designing) GiveRootBack();
  if (sceneObject_) sceneObject_->RemoveFreeNotification(this);
  sceneObject_ = scene;
  pending_ = false;
  if (sceneObject_) sceneObject_->FreeNotification(this);
  if (designing) return Repaint();
  if (!sceneObject_) return;
  if (sceneObject_->Frame() && sceneObject_->Frame() != this) pending_ = true;
  else ShowRoot();
}

void TvgFrame::ShowRoot() {
  TvgObject* root = sceneObject_->GetRoot();
  sceneObject_->SetFrame(this);
  if (!root) return;
  shownRoot_ = root;
  shownRoot_->FreeNotification(this);
  root->SetParent(this);
  if (TvgVisualObject* visual = root->Visual()) visual->SetAlign(vaClient);
  Realign();
}

// The other scene takes its root back as its first root and paints it again.
void TvgFrame::GiveRootBack() {
  if (!sceneObject_ || sceneObject_->Frame() != this) return;
  sceneObject_->SetFrame(nullptr);
  TvgObject* root = std::exchange(shownRoot_, nullptr);
  if (!root) return;
  root->RemoveFreeNotification(this);
  sceneObject_->RestoreRoot(root);
}

void TvgFrame::Notification(TComponent* component, TOperation operation) {
  TvgVisualObject::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == shownRoot_) shownRoot_ = nullptr;
  if (component == sceneObject_) {
    sceneObject_ = nullptr;
    pending_ = false;
  }
}

void TvgFrame::Paint() {
  if (pending_ && !Designing()) ShowNewInstance();
  if (Designing()) PaintSnapshot();
}

// Another instance of the scene's form, owned by the application, gives a scene of the same
// name that no frame shows yet.
void TvgFrame::ShowNewInstance() {
  pending_ = false;
  TComponent* form = sceneObject_ ? sceneObject_->Owner() : nullptr;
  if (!form) return;
  TCustomForm* instance = TCustomForm::CreateOfClass(form->ClassType(), Application);
  SetSceneObject(dynamic_cast<TvgCustomScene*>(instance->FindComponent(sceneObject_->Name())));
}

// The other scene's root laid out to the frame's size for the picture, then put back.
void TvgFrame::PaintSnapshot() {
  TvgVisualObject* root = sceneObject_ && sceneObject_->GetRoot() ? sceneObject_->GetRoot()->Visual() : nullptr;
  TvgCanvas* canvas = GetCanvas();
  const int width = int(Width()), height = int(Height());
  if (!root || !canvas || width <= 0 || height <= 0) return;
  if (!snapshot_ || snapshot_->Width() != width || snapshot_->Height() != height)
    snapshot_ = std::make_unique<TvgBitmap>(width, height);
  TvgCanvas* target = snapshot_->GetCanvas();
  if (!target) return;
  target->SetMatrix(vgIdentityMatrix);
  target->Clear(0);
  const TvgPoint position = root->Position()->GetPoint();
  const float rootWidth = root->Width(), rootHeight = root->Height();
  root->SetBounds(position.X, position.Y, Width(), Height());
  root->PaintTo(target, {0, 0, Width(), Height()});
  root->SetBounds(position.X, position.Y, rootWidth, rootHeight);
  snapshot_->PlatformImageStale = true;
  canvas->DrawBitmap(snapshot_.get(), {0, 0, float(width), float(height)}, GetLocalRect(), GetAbsoluteOpacity(), true);
}
