#include "engine/values/Geometry.h"

#include <cmath>

#include "classlib/core/SysUtils.h"

TvgPoint vgMakePoint(float X, float Y) { return {X, Y}; }
TvgRect vgMakeRect(float Left, float Top, float Right, float Bottom) { return {Left, Top, Right, Bottom}; }
TvgVector vgMakeVector(float X, float Y, float W) { return {X, Y, W}; }
TvgVector vgVectorFromPoint(const TvgPoint& P, float W) { return {P.X, P.Y, W}; }
TvgPoint vgPointFromVector(const TvgVector& V) { return {V.X, V.Y}; }
float vgRectWidth(const TvgRect& R) { return R.Right - R.Left; }
float vgRectHeight(const TvgRect& R) { return R.Bottom - R.Top; }

TvgRect vgOffsetRect(TvgRect& R, float DX, float DY) {
  R.Left += DX;
  R.Right += DX;
  R.Top += DY;
  R.Bottom += DY;
  return R;
}

TvgRect vgInflateRect(TvgRect& R, float DX, float DY) {
  R.Left -= DX;
  R.Top -= DY;
  R.Right += DX;
  R.Bottom += DY;
  return R;
}

TvgRect vgMultiplyRect(TvgRect& R, float DX, float DY) {
  R.Left *= DX;
  R.Right *= DX;
  R.Top *= DY;
  R.Bottom *= DY;
  return R;
}

TvgRect vgUnionRect(const TvgRect& R1, const TvgRect& R2) {
  return {R2.Left < R1.Left ? R2.Left : R1.Left, R2.Top < R1.Top ? R2.Top : R1.Top,
          R2.Right > R1.Right ? R2.Right : R1.Right, R2.Bottom > R1.Bottom ? R2.Bottom : R1.Bottom};
}

bool vgRectsIntersect(const TvgRect& R1, const TvgRect& R2) {
  return !(R1.Left > R2.Right || R1.Right < R2.Left || R1.Top > R2.Bottom || R1.Bottom < R2.Top);
}

bool vgIntersectRect(TvgRect& Dest, const TvgRect& R1, const TvgRect& R2) {
  if (R2.Left >= R1.Right || R2.Right <= R1.Left || R2.Top >= R1.Bottom || R2.Bottom <= R1.Top) {
    Dest = {};
    return false;
  }
  Dest = {vgMax(R1.Left, R2.Left), vgMax(R1.Top, R2.Top), vgMin(R1.Right, R2.Right), vgMin(R1.Bottom, R2.Bottom)};
  return true;
}

bool vgPtInRect(const TvgPoint& P, const TvgRect& R) {
  return R.Left <= P.X && P.X <= R.Right && R.Top <= P.Y && P.Y <= R.Bottom;
}

bool vgIsRectEmpty(const TvgRect& R) { return !(vgRectWidth(R) > 0 && vgRectHeight(R) > 0); }

void vgPointsBounds(const TvgPoint* Points, int High, TvgRect& R) {
  R = {vgPointsBoundsSentinel, vgPointsBoundsSentinel, -vgPointsBoundsSentinel, -vgPointsBoundsSentinel};
  for (int i = 0; i <= High; ++i) {
    const TvgPoint& p = Points[i];
    if (p.X < R.Left) R.Left = p.X;
    if (p.Y < R.Top) R.Top = p.Y;
    if (p.X > R.Right) R.Right = p.X;
    if (p.Y > R.Bottom) R.Bottom = p.Y;
  }
}

void vgNormalizeRect(const TvgRect& R, TvgRect& Dest) {
  const TvgPoint corners[4] = {{R.Left, R.Top}, {R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left, R.Bottom}};
  vgPointsBounds(corners, 3, Dest);
}

TvgRect vgRectCenter(TvgRect& R, const TvgRect& Bounds) {
  vgOffsetRect(R, -R.Left, -R.Top);
  vgOffsetRect(R, float(Round((vgRectWidth(Bounds) - vgRectWidth(R)) / 2)),
               float(Round((vgRectHeight(Bounds) - vgRectHeight(R)) / 2)));
  vgOffsetRect(R, Bounds.Left, Bounds.Top);
  return R;
}

float vgRectFit(TvgRect& R, const TvgRect& Bounds) {
  if (vgRectWidth(Bounds) * vgRectHeight(Bounds) == 0) return 1;
  float widthRatio = vgRectWidth(R) / vgRectWidth(Bounds);
  float heightRatio = vgRectHeight(R) / vgRectHeight(Bounds);
  float ratio = widthRatio > heightRatio ? widthRatio : heightRatio;
  if (ratio >= 1)
    R = {0, 0, float(Round(vgRectWidth(R) / ratio)), float(Round(vgRectHeight(R) / ratio))};
  else
    R = {0, 0, vgRectWidth(R), vgRectHeight(R)};
  vgRectCenter(R, Bounds);
  return ratio;
}

float vgVectorNorm(const TvgVector& V) { return V.X * V.X + V.Y * V.Y; }
float vgVectorLength(const TvgVector& V) { return std::sqrt(vgVectorNorm(V)); }
float vgVectorDot(const TvgVector& V1, const TvgVector& V2) { return V1.X * V2.X + V1.Y * V2.Y; }
float vgVectorCross(const TvgVector& V1, const TvgVector& V2) { return V1.X * V2.Y - V1.Y * V2.X; }

float vgVectorCos(const TvgVector& V1, const TvgVector& V2) {
  float length1 = vgVectorLength(V1);
  float length2 = vgVectorLength(V2);
  if (length1 == 0 || length2 == 0) return 0;
  float cosine = vgVectorDot(V1, V2) / (length1 * length2);
  return cosine > 1 ? 1 : cosine;
}

float vgVectorAngle(const TvgVector& V1, const TvgVector& V2) {
  float cosine = vgVectorCos(V1, V2);
  float degrees = vgRadToDeg(std::acos(cosine < -1 ? -1 : cosine));
  return vgVectorCross(V1, V2) >= 0 ? -degrees : degrees;
}

TvgVector vgVectorSubtract(const TvgPoint& P1, const TvgPoint& P2) { return {P1.X - P2.X, P1.Y - P2.Y, 1}; }

TvgVector vgVectorTransform(const TvgVector& V, const TvgMatrix& M) {
  return {V.X * M.m11 + V.Y * M.m21 + V.W * M.m31, V.X * M.m12 + V.Y * M.m22 + V.W * M.m32, 1};
}

TvgMatrix vgMatrixMultiply(const TvgMatrix& M1, const TvgMatrix& M2) {
  return {M1.m11 * M2.m11 + M1.m12 * M2.m21 + M1.m13 * M2.m31,
          M1.m11 * M2.m12 + M1.m12 * M2.m22 + M1.m13 * M2.m32,
          M1.m11 * M2.m13 + M1.m12 * M2.m23 + M1.m13 * M2.m33,
          M1.m21 * M2.m11 + M1.m22 * M2.m21 + M1.m23 * M2.m31,
          M1.m21 * M2.m12 + M1.m22 * M2.m22 + M1.m23 * M2.m32,
          M1.m21 * M2.m13 + M1.m22 * M2.m23 + M1.m23 * M2.m33,
          M1.m31 * M2.m11 + M1.m32 * M2.m21 + M1.m33 * M2.m31,
          M1.m31 * M2.m12 + M1.m32 * M2.m22 + M1.m33 * M2.m32,
          M1.m31 * M2.m13 + M1.m32 * M2.m23 + M1.m33 * M2.m33};
}

static float Determinant2x2(float a, float b, float c, float d) { return a * d - b * c; }

float vgMatrixDeterminant(const TvgMatrix& M) {
  return M.m11 * Determinant2x2(M.m22, M.m23, M.m32, M.m33) - M.m12 * Determinant2x2(M.m21, M.m23, M.m31, M.m33) +
         M.m13 * Determinant2x2(M.m21, M.m22, M.m31, M.m32);
}

void vgAdjointMatrix(TvgMatrix& M) {
  const TvgMatrix a = M;
  M.m11 = Determinant2x2(a.m22, a.m23, a.m32, a.m33);
  M.m12 = -Determinant2x2(a.m12, a.m13, a.m32, a.m33);
  M.m13 = Determinant2x2(a.m12, a.m13, a.m22, a.m23);
  M.m21 = -Determinant2x2(a.m21, a.m23, a.m31, a.m33);
  M.m22 = Determinant2x2(a.m11, a.m13, a.m31, a.m33);
  M.m23 = -Determinant2x2(a.m11, a.m13, a.m21, a.m23);
  M.m31 = Determinant2x2(a.m21, a.m22, a.m31, a.m32);
  M.m32 = -Determinant2x2(a.m11, a.m12, a.m31, a.m32);
  M.m33 = Determinant2x2(a.m11, a.m12, a.m21, a.m22);
}

void vgScaleMatrix(TvgMatrix& M, float Factor) {
  for (float* entry : {&M.m11, &M.m12, &M.m13, &M.m21, &M.m22, &M.m23, &M.m31, &M.m32, &M.m33}) *entry *= Factor;
}

void vgInvertMatrix(TvgMatrix& M) {
  float determinant = vgMatrixDeterminant(M);
  if (std::fabs(determinant) < vgSingularThreshold) {
    M = vgIdentityMatrix;
    return;
  }
  vgAdjointMatrix(M);
  vgScaleMatrix(M, 1 / determinant);
}

TvgMatrix vgCreateRotationMatrix(float Angle) {
  float sine, cosine;
  vgSinCos(Angle, sine, cosine);
  TvgMatrix m = vgIdentityMatrix;
  m.m11 = cosine;
  m.m12 = sine;
  m.m21 = -sine;
  m.m22 = cosine;
  return m;
}

void vgSinCos(float Angle, float& Sin, float& Cos) {
  Sin = std::sin(Angle);
  Cos = std::cos(Angle);
}

float vgRadToDeg(float A) { return A * vgDegreesPerRadian; }
float vgDegToRad(float A) { return A * vgRadiansPerDegree; }

float vgNormalizeAngle(float A) {
  float r = A - float(Int(A * vgOneOver360)) * 360;
  if (r < -180) r += 360;
  return r;
}

float vgMax(float A, float B) { return A > B ? A : B; }
float vgMin(float A, float B) { return A < B ? A : B; }
float vgInterpolateSingle(float Start, float Stop, float T) { return Start + (Stop - Start) * T; }
