#pragma once
// The class library's object text form ("object Name: TClass ... end") and its conversion to and
// from the binary component stream. Both read from the input's position and append to output.
// The text uses CRLF line breaks, two spaces of indentation per level and the classic layout, so
// texts written by the classic tools convert, and binary -> text -> binary gives the same bytes.
#include "classlib/core/Stream.h"

// EReadError for a malformed binary stream; nothing is written to output then.
void ObjectBinaryToText(TStream& input, TStream& output);
// EParserError "Line N: ..." for text that does not parse; nothing is written to output then.
void ObjectTextToBinary(TStream& input, TStream& output);
