#pragma once
// The platform's handle types that headers only pass around, declared as windows.h declares
// them (each its own pointer type), so that such a header needs none of the platform's headers.
struct HICON__;
struct HINSTANCE__;
using HICON = HICON__*;
using HCURSOR = HICON__*;
using HINSTANCE = HINSTANCE__*;
