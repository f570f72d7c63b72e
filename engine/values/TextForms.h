#pragma once
// Text forms of numbers, points and rectangles in form resources and style streams. None of them
// depends on the user's locale: "." is always the decimal separator.
#include <string>
#include <string_view>

#include "engine/values/Geometry.h"

// "%.3f" when Value has a fraction ("0.100", "-2.250"), else the whole number ("10").
std::string vgFloatToStr(float Value);
// Raises EConvertError for text that is not a number.
float vgStrToFloat(std::string_view Text);

// Takes the next token off the front of S: a Stop character ends it and stays in S, a Separator
// ends it and is consumed. Token and rest are trimmed.
std::string vgGetToken(std::string& S, std::string_view Separators, std::string_view Stop = {});
// Positions from 1; skips separators before and after the token; nothing is trimmed.
std::wstring vgGetWideToken(const std::wstring& Text, int& Pos, std::wstring_view Separators,
                             std::wstring_view Stop = {});

std::string vgPointToStr(const TvgPoint& P);      // "(10,10)"
TvgPoint vgStrToPoint(std::string_view Text);     // (0, 0) when it does not parse
std::string vgRectToStr(const TvgRect& R);        // "(0,0,10,10)"
TvgRect vgStrToRect(std::string_view Text);       // all zero when it does not parse
