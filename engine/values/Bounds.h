#pragma once
// Small streamable geometry values owned by scene objects: insets (TvgBounds), points
// (TvgPosition) and a scale/move/rotate transform (TvgTransform). Each reports real changes
// through OnChange; bounds and positions stream as one text ("Rect", "Point") and only when they
// differ from the default given to their constructor.
#include <memory>

#include "classlib/core/Persistent.h"
#include "engine/values/Geometry.h"

class TvgBounds : public TPersistent {
  CL_CLASS(TvgBounds, TPersistent)
public:
  explicit TvgBounds(const TvgRect& Default = {});

  float Left() const { return rect_.Left; }
  float Top() const { return rect_.Top; }
  float Right() const { return rect_.Right; }
  float Bottom() const { return rect_.Bottom; }
  void SetLeft(float Value);
  void SetTop(float Value);
  void SetRight(float Value);
  void SetBottom(float Value);
  TvgRect GetRect() const { return rect_; }
  void SetRect(const TvgRect& R);  // one OnChange, only when a value differs

  TvgRect MarginRect(const TvgRect& R) const;  // R shrunk by the four values
  bool Empty() const;                          // all four are 0
  bool IsRectEmpty() const;

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;

  TNotifyEvent OnChange;

private:
  void SetEdge(float& edge, float value);

  TvgRect default_;
  TvgRect rect_;
};

class TvgPosition : public TPersistent {
  CL_CLASS(TvgPosition, TPersistent)
public:
  explicit TvgPosition(const TvgPoint& Default = {});

  float X() const { return point_.X; }
  float Y() const { return point_.Y; }
  void SetX(float Value);
  void SetY(float Value);
  TvgPoint GetPoint() const { return point_; }
  void SetPoint(const TvgPoint& P);  // always raises OnChange

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;

  TNotifyEvent OnChange;

private:
  TvgPoint default_;
  TvgPoint point_;
};

// Matrix: the point is rotated by RotateAngle (about the origin), then scaled, then moved.
// RotateCenter is streamed but not used by the matrix.
class TvgTransform : public TPersistent {
  CL_CLASS(TvgTransform, TPersistent)
public:
  TvgTransform();

  TvgPosition* Position() const { return position_.get(); }
  void SetPosition(TvgPosition* Value) { position_->Assign(Value); }
  TvgPosition* Scale() const { return scale_.get(); }
  void SetScale(TvgPosition* Value) { scale_->Assign(Value); }
  float RotateAngle() const { return rotateAngle_; }
  void SetRotateAngle(float Value);
  TvgPosition* RotateCenter() const { return rotateCenter_.get(); }
  void SetRotateCenter(TvgPosition* Value) { rotateCenter_->Assign(Value); }
  const TvgMatrix& Matrix() const { return matrix_; }

  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;

private:
  void MatrixChanged();

  TvgMatrix matrix_ = vgIdentityMatrix;
  std::unique_ptr<TvgPosition> position_;
  std::unique_ptr<TvgPosition> scale_;
  float rotateAngle_ = 0;
  std::unique_ptr<TvgPosition> rotateCenter_;
};
