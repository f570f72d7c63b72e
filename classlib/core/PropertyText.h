#pragma once
// A published property's value as text and back, as the runtime's variant conversion does it:
// integers in decimal, enumerations and booleans by value name, sets as "[a,b]", floats in the
// default float format, 8-bit strings through GBK, component references by the component's name.
// Other class values and events have no text (empty) and take none.
#include <string>
#include <string_view>

class TComponent;
class TObject;
class TPropInfo;

std::wstring GetPropText(const TObject& instance, const TPropInfo& prop);
// A component reference is looked up the way streams resolve references among root's
// components; an empty text or "nil" clears it. EConvertError when the text is no value of the
// property's type or names no component; EPropertyError when the property takes no text.
void SetPropText(TObject& instance, const TPropInfo& prop, const std::wstring& text, TComponent* root = nullptr);
