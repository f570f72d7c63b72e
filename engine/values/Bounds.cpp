#include "engine/values/Bounds.h"

#include "classlib/core/Reader.h"
#include "classlib/core/Writer.h"
#include "engine/values/TextForms.h"

// --- TvgBounds -------------------------------------------------------------------------------

CL_PUBLISHED(TvgBounds) {
  published.Property("Left", &TvgBounds::Left, &TvgBounds::SetLeft).Stored(false);
  published.Property("Top", &TvgBounds::Top, &TvgBounds::SetTop).Stored(false);
  published.Property("Right", &TvgBounds::Right, &TvgBounds::SetRight).Stored(false);
  published.Property("Bottom", &TvgBounds::Bottom, &TvgBounds::SetBottom).Stored(false);
}

TvgBounds::TvgBounds(const TvgRect& Default) : default_(Default), rect_(Default) {}

void TvgBounds::SetEdge(float& edge, float value) {
  if (edge == value) return;
  edge = value;
  OnChange(this);
}

void TvgBounds::SetLeft(float Value) { SetEdge(rect_.Left, Value); }
void TvgBounds::SetTop(float Value) { SetEdge(rect_.Top, Value); }
void TvgBounds::SetRight(float Value) { SetEdge(rect_.Right, Value); }
void TvgBounds::SetBottom(float Value) { SetEdge(rect_.Bottom, Value); }

void TvgBounds::SetRect(const TvgRect& R) {
  if (rect_ == R) return;
  rect_ = R;
  OnChange(this);
}

TvgRect TvgBounds::MarginRect(const TvgRect& R) const {
  return {R.Left + rect_.Left, R.Top + rect_.Top, R.Right - rect_.Right, R.Bottom - rect_.Bottom};
}

bool TvgBounds::Empty() const { return rect_ == TvgRect{}; }
bool TvgBounds::IsRectEmpty() const { return vgIsRectEmpty(rect_); }

void TvgBounds::Assign(TPersistent* Source) {
  if (auto* bounds = dynamic_cast<TvgBounds*>(Source)) return SetRect(bounds->GetRect());
  TPersistent::Assign(Source);
}

void TvgBounds::DefineProperties(TFiler& Filer) {
  Filer.DefineProperty(
      "Rect", [this](TReader& reader) { SetRect(vgStrToRect(reader.ReadString())); },
      [this](TWriter& writer) { writer.WriteString(vgRectToStr(rect_)); }, rect_ != default_);
}

// --- TvgPosition -----------------------------------------------------------------------------

CL_PUBLISHED(TvgPosition) {
  published.Property("X", &TvgPosition::X, &TvgPosition::SetX).Stored(false);
  published.Property("Y", &TvgPosition::Y, &TvgPosition::SetY).Stored(false);
}

TvgPosition::TvgPosition(const TvgPoint& Default) : default_(Default), point_(Default) {}

void TvgPosition::SetX(float Value) {
  if (point_.X == Value) return;
  point_.X = Value;
  OnChange(this);
}

void TvgPosition::SetY(float Value) {
  if (point_.Y == Value) return;
  point_.Y = Value;
  OnChange(this);
}

void TvgPosition::SetPoint(const TvgPoint& P) {
  point_ = P;
  OnChange(this);
}

void TvgPosition::Assign(TPersistent* Source) {
  if (auto* position = dynamic_cast<TvgPosition*>(Source)) return SetPoint(position->GetPoint());
  TPersistent::Assign(Source);
}

void TvgPosition::DefineProperties(TFiler& Filer) {
  Filer.DefineProperty(
      "Point", [this](TReader& reader) { SetPoint(vgStrToPoint(reader.ReadString())); },
      [this](TWriter& writer) { writer.WriteString(vgPointToStr(point_)); }, point_ != default_);
}

// --- TvgTransform ----------------------------------------------------------------------------

CL_PUBLISHED(TvgTransform) {
  published.Property("Position", &TvgTransform::Position, &TvgTransform::SetPosition);
  published.Property("Scale", &TvgTransform::Scale, &TvgTransform::SetScale);
  published.Property("RotateAngle", &TvgTransform::RotateAngle, &TvgTransform::SetRotateAngle);
  published.Property("RotateCenter", &TvgTransform::RotateCenter, &TvgTransform::SetRotateCenter);
}

TvgTransform::TvgTransform()
    : position_(std::make_unique<TvgPosition>(TvgPoint{0, 0})),
      scale_(std::make_unique<TvgPosition>(TvgPoint{1, 1})),
      rotateCenter_(std::make_unique<TvgPosition>(TvgPoint{0.5f, 0.5f})) {
  for (TvgPosition* part : {Position(), Scale(), RotateCenter()})
    part->OnChange = [this](TObject*) { MatrixChanged(); };
}

void TvgTransform::MatrixChanged() {
  matrix_ = vgIdentityMatrix;
  matrix_.m11 = scale_->X();
  matrix_.m22 = scale_->Y();
  matrix_.m31 = position_->X();
  matrix_.m32 = position_->Y();
  if (rotateAngle_ != 0) matrix_ = vgMatrixMultiply(vgCreateRotationMatrix(vgDegToRad(rotateAngle_)), matrix_);
  OnChange(this);
}

void TvgTransform::SetRotateAngle(float Value) {
  if (rotateAngle_ == Value) return;
  rotateAngle_ = Value;
  MatrixChanged();
}

namespace {
// Copies a position without its change event.
void CopyQuietly(TvgPosition& dest, const TvgPosition& source) {
  TNotifyEvent handler = dest.OnChange;
  dest.OnChange = nullptr;
  dest.SetPoint(source.GetPoint());
  dest.OnChange = handler;
}
}  // namespace

void TvgTransform::Assign(TPersistent* Source) {
  auto* transform = dynamic_cast<TvgTransform*>(Source);
  if (!transform) return TPersistent::Assign(Source);
  CopyQuietly(*position_, *transform->position_);
  CopyQuietly(*scale_, *transform->scale_);
  CopyQuietly(*rotateCenter_, *transform->rotateCenter_);
  rotateAngle_ = transform->rotateAngle_;
  MatrixChanged();
}
