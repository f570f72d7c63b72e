#include "tests/support/PropertySubject.h"

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/paint/PathData.h"

CL_PUBLISHED(TSubjectNode) {
  published.Property("Next", &TSubjectNode::Next, &TSubjectNode::SetNext);
  published.Property("Weight", &TSubjectNode::Weight, &TSubjectNode::SetWeight);
  published.Property("OnVisit", &TSubjectNode::OnVisit, &TSubjectNode::OnVisit);
}

CL_PUBLISHED(TPropertySubject) {
  using T = TPropertySubject;
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

TPropertySubject::TPropertySubject(TComponent* owner)
    : TComponent(owner),
      fill_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF336699)),
      font_(std::make_unique<TvgFont>()),
      picture_(std::make_unique<TvgBitmap>(4, 3)),
      outline_(std::make_unique<TvgPathData>()),
      loop_(std::make_unique<TSubjectNode>()),
      loopBack_(std::make_unique<TSubjectNode>()) {
  loop_->SetNext(loopBack_.get());
  loopBack_->SetNext(loop_.get());
  outline_->SetData("M 0 0 L 10 0 L 10 10 Z");
}

TPropertySubject::~TPropertySubject() = default;

void TPropertySubject::SetFill(TvgBrush* fill) { fill_->Assign(fill); }
void TPropertySubject::SetFont(TvgFont* font) { font_->Assign(font); }
void TPropertySubject::SetPicture(TvgBitmap* picture) { picture_->Assign(picture); }
void TPropertySubject::SetOutline(TvgPathData* outline) { outline_->Assign(outline); }

void TPropertySubject::SetBuddy(TComponent* buddy) {
  NoteSet();
  if (buddy_) buddy_->RemoveFreeNotification(this);
  buddy_ = buddy;
  if (buddy) buddy->FreeNotification(this);
}

void TPropertySubject::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == buddy_) buddy_ = nullptr;
}
