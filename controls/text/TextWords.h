#pragma once
// Word steps within one line of text, where only the space separates words: where Ctrl+Right and
// Ctrl+Left go in the text boxes and the memo, and the word a double click selects.
#include <string>

// The start of the next word after pos (the spaces before a first word are passed with it), else
// the end of the text; one short of the end when the next-to-last character is a space: the last
// character is never examined.
int vgWordRight(const std::wstring& text, int pos);
// The start of the word before pos, or 0.
int vgWordLeft(const std::wstring& text, int pos);
// The bounds of the word around pos (clamped into the text): its start left of pos, its end right
// of it.
int vgWordStartAt(const std::wstring& text, int pos);
int vgWordEndAt(const std::wstring& text, int pos);
