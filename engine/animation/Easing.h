#pragma once
// Penner's easing curves in 64-bit floats. Each gives the value at time t of a change c from the
// start value b over the duration d; animations call them with b = 0 and c = 1 to get their eased
// progress. Back and Elastic pass beyond b + c on the way.
#include "classlib/core/Property.h"

CL_ENUM(TvgAnimationType, vgAnimationIn, vgAnimationOut, vgAnimationInOut)
CL_ENUM(TvgInterpolationType, vgInterpolationLinear, vgInterpolationQuadratic, vgInterpolationCubic,
        vgInterpolationQuartic, vgInterpolationQuintic, vgInterpolationSinusoidal, vgInterpolationExponential,
        vgInterpolationCircular, vgInterpolationElastic, vgInterpolationBack, vgInterpolationBounce)

// A type outside In, Out and InOut gives 0. Linear ignores the type.
double vgInterpolateLinear(TvgAnimationType type, double t, double b, double c, double d);
double vgInterpolateQuad(TvgAnimationType type, double t, double b, double c, double d);
double vgInterpolateCubic(TvgAnimationType type, double t, double b, double c, double d);
double vgInterpolateQuart(TvgAnimationType type, double t, double b, double c, double d);
double vgInterpolateQuint(TvgAnimationType type, double t, double b, double c, double d);
double vgInterpolateSine(TvgAnimationType type, double t, double b, double c, double d);
double vgInterpolateExpo(TvgAnimationType type, double t, double b, double c, double d);
double vgInterpolateCirc(TvgAnimationType type, double t, double b, double c, double d);
// Amplitude a and period p; 0 selects amplitude c and a period of 0.3 d (0.45 d for InOut).
double vgInterpolateElastic(TvgAnimationType type, double t, double b, double c, double d, double a, double p);
// Overshoot s; 0 selects 1.70158.
double vgInterpolateBack(TvgAnimationType type, double t, double b, double c, double d, double s);
double vgInterpolateBounce(TvgAnimationType type, double t, double b, double c, double d);
