#include "tests/support/InspectedObject.h"

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/paint/PathData.h"

CL_PUBLISHED(TInspectedNode) {
  published.Property("Next", &TInspectedNode::Next, &TInspectedNode::SetNext);
  published.Property("Weight", &TInspectedNode::Weight, &TInspectedNode::SetWeight);
  published.Property("OnVisit", &TInspectedNode::OnVisit, &TInspectedNode::OnVisit);
}

CL_PUBLISHED(TInspected) {
  using T = TInspected;
  published.Property("Count", &T::Count, &T::SetCount);
  published.Property("Ratio", &T::Ratio, &T::SetRatio);
  published.Property("Size", &T::Size, &T::SetSize);
  published.Property("Active", &T::Active, &T::SetActive);
  published.Property("Flags", &T::Flags, &T::SetFlags);
  published.Property("Caption", &T::Caption, &T::SetCaption);
  published.Property("Title", &T::Title, &T::SetTitle);
  published.Property("Color", &T::Color, &T::SetColor);
  published.Property("Fill", &T::Fill, &T::SetFill);
  published.Property("Font", &T::Font, &T::SetFont);
  published.Property("Picture", &T::Picture, &T::SetPicture);
  published.Property("Outline", &T::Outline, &T::SetOutline);
  published.Property("Loop", &T::Loop, &T::SetLoop);
  published.Property("Buddy", &T::Buddy, &T::SetBuddy);
  published.Property("Serial", &T::Serial);
  published.Property("OnPing", &T::OnPing, &T::OnPing);
}

TInspected::TInspected(TComponent* owner)
    : TComponent(owner),
      fill_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF336699)),
      font_(std::make_unique<TvgFont>()),
      picture_(std::make_unique<TvgBitmap>(4, 3)),
      outline_(std::make_unique<TvgPathData>()),
      loop_(std::make_unique<TInspectedNode>()),
      loopBack_(std::make_unique<TInspectedNode>()) {
  loop_->SetNext(loopBack_.get());
  loopBack_->SetNext(loop_.get());
  outline_->SetData("M 0 0 L 10 0 L 10 10 Z");
}

TInspected::~TInspected() = default;

void TInspected::SetFill(TvgBrush* fill) { fill_->Assign(fill); }
void TInspected::SetFont(TvgFont* font) { font_->Assign(font); }
void TInspected::SetPicture(TvgBitmap* picture) { picture_->Assign(picture); }
void TInspected::SetOutline(TvgPathData* outline) { outline_->Assign(outline); }

void TInspected::SetBuddy(TComponent* buddy) {
  NoteSet();
  if (buddy_) buddy_->RemoveFreeNotification(this);
  buddy_ = buddy;
  if (buddy) buddy->FreeNotification(this);
}

void TInspected::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == buddy_) buddy_ = nullptr;
}
