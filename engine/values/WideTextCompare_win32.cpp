#include "engine/values/WideTextCompare.h"

#include "classlib/desktop/Win32.h"

int vgWideCompareText(std::wstring_view A, std::wstring_view B) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, A.data(), int(A.size()), B.data(), int(B.size())) -
         CSTR_EQUAL;
}
