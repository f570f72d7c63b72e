#pragma once
// Plain 2-D value types of the toolkit and the routines that compute with them. All values are
// single-precision; points are row vectors multiplied from the left, translation in m31/m32.
#include <vector>

struct TvgPoint {
  float X = 0;
  float Y = 0;
  bool operator==(const TvgPoint&) const = default;
};

struct TvgRect {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
  bool operator==(const TvgRect&) const = default;
};

struct TvgVector {
  float X = 0;
  float Y = 0;
  float W = 0;
  bool operator==(const TvgVector&) const = default;
};

struct TvgMatrix {
  float m11 = 0, m12 = 0, m13 = 0;
  float m21 = 0, m22 = 0, m23 = 0;
  float m31 = 0, m32 = 0, m33 = 0;
  bool operator==(const TvgMatrix&) const = default;
};

// The point (65535, 65535) in a polygon closes the current figure.
using TvgPolygon = std::vector<TvgPoint>;

inline constexpr float vgPI = 3.1415927f;
inline constexpr float vgDegreesPerRadian = 57.29578f;
inline constexpr float vgRadiansPerDegree = 0.017453292f;
inline constexpr float vgOneOver360 = 0.0027777778f;
inline constexpr float vgSingularThreshold = 1E-40f;
inline constexpr float vgPointsBoundsSentinel = 61440;
inline constexpr TvgPoint vgClosePolygon{65535, 65535};
inline constexpr TvgMatrix vgIdentityMatrix{1, 0, 0, 0, 1, 0, 0, 0, 1};

TvgPoint vgMakePoint(float X, float Y);
TvgRect vgMakeRect(float Left, float Top, float Right, float Bottom);
TvgVector vgMakeVector(float X, float Y, float W);
TvgVector vgVectorFromPoint(const TvgPoint& P, float W);
TvgPoint vgPointFromVector(const TvgVector& V);
float vgRectWidth(const TvgRect& R);
float vgRectHeight(const TvgRect& R);

TvgRect vgOffsetRect(TvgRect& R, float DX, float DY);
TvgRect vgInflateRect(TvgRect& R, float DX, float DY);
TvgRect vgMultiplyRect(TvgRect& R, float DX, float DY);
TvgRect vgUnionRect(const TvgRect& R1, const TvgRect& R2);
bool vgRectsIntersect(const TvgRect& R1, const TvgRect& R2);  // touching counts
bool vgIntersectRect(TvgRect& Dest, const TvgRect& R1, const TvgRect& R2);  // positive area only
bool vgPtInRect(const TvgPoint& P, const TvgRect& R);
bool vgIsRectEmpty(const TvgRect& R);
void vgPointsBounds(const TvgPoint* Points, int High, TvgRect& R);
void vgNormalizeRect(const TvgRect& R, TvgRect& Dest);
TvgRect vgRectCenter(TvgRect& R, const TvgRect& Bounds);
float vgRectFit(TvgRect& R, const TvgRect& Bounds);

float vgVectorNorm(const TvgVector& V);
float vgVectorLength(const TvgVector& V);
float vgVectorDot(const TvgVector& V1, const TvgVector& V2);
float vgVectorCross(const TvgVector& V1, const TvgVector& V2);
float vgVectorCos(const TvgVector& V1, const TvgVector& V2);
float vgVectorAngle(const TvgVector& V1, const TvgVector& V2);  // signed degrees
TvgVector vgVectorSubtract(const TvgPoint& P1, const TvgPoint& P2);
TvgVector vgVectorTransform(const TvgVector& V, const TvgMatrix& M);

TvgMatrix vgMatrixMultiply(const TvgMatrix& M1, const TvgMatrix& M2);
float vgMatrixDeterminant(const TvgMatrix& M);
void vgAdjointMatrix(TvgMatrix& M);
void vgScaleMatrix(TvgMatrix& M, float Factor);
void vgInvertMatrix(TvgMatrix& M);  // a singular matrix becomes the identity
TvgMatrix vgCreateRotationMatrix(float Angle);  // radians

void vgSinCos(float Angle, float& Sin, float& Cos);
float vgRadToDeg(float A);
float vgDegToRad(float A);
float vgNormalizeAngle(float A);
float vgMax(float A, float B);
float vgMin(float A, float B);
float vgInterpolateSingle(float Start, float Stop, float T);
