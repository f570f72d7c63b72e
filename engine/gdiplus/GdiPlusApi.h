#pragma once
// The GDI+ flat functions, bound at run time from gdiplus.dll. Only the functions the canvas
// and the image filter call are declared. A function the library lacks (or every function,
// while the library is not loaded) is bound to a stand-in that does nothing and answers
// gpNotLoaded, so callers never jump through a null pointer.
#include "classlib/desktop/Win32.h"
#include <objidl.h>

#include <cstdint>
#include <string>

using GpStatus = int;
using GpArgb = uint32_t;
using GpPixelFormat = int;
using GpGraphicsState = unsigned;

struct GpGraphics;
struct GpPen;
struct GpBrush;  // solid, texture, line and path gradient brushes alike
struct GpImage;  // bitmaps too
struct GpImageAttributes;
struct GpMatrix;
struct GpRegion;
struct GpStringFormat;
struct GpFontFamily;
struct GpFont;
struct GpFontCollection;
struct GpPath;

struct GpPointF {
  float X, Y;
};
struct GpRectF {
  float X, Y, Width, Height;
};
struct GpRect {
  int X, Y, Width, Height;
};
struct GpCharacterRange {
  int First, Length;
};
struct GpColorMatrix {
  float M[5][5];
};
struct GpBitmapData {
  unsigned Width, Height;
  int Stride;
  GpPixelFormat PixelFormat;
  void* Scan0;
  uintptr_t Reserved;
};
struct GpPathDataRecord {
  int Count;
  GpPointF* Points;
  uint8_t* Types;
};
struct GpImageCodecInfo {
  CLSID Clsid;
  GUID FormatID;
  const wchar_t* CodecName;
  const wchar_t* DllName;
  const wchar_t* FormatDescription;
  const wchar_t* FilenameExtension;
  const wchar_t* MimeType;
  DWORD Flags, Version, SigCount, SigSize;
  const BYTE* SigPattern;
  const BYTE* SigMask;
};
struct GpEncoderParameter {
  GUID Guid;
  ULONG NumberOfValues;
  ULONG Type;
  void* Value;
};
struct GpEncoderParameters {
  UINT Count;
  GpEncoderParameter Parameter[1];  // Count entries follow in one block
};
struct GdiplusStartupInput {
  UINT32 GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};

// Status values.
inline constexpr GpStatus gpOk = 0;
inline constexpr GpStatus gpGenericError = 1;
inline constexpr GpStatus gpInvalidParameter = 2;
inline constexpr GpStatus gpFontFamilyNotFound = 14;
inline constexpr GpStatus gpNotLoaded = 18;  // the library's own "not initialised"

// Pixel formats, units and flags used here.
inline constexpr GpPixelFormat gpPixelFormat32bppARGB = 0x0026200A;
inline constexpr GpPixelFormat gpPixelFormat32bppPARGB = 0x000E200B;
inline constexpr int gpUnitWorld = 0;
inline constexpr int gpUnitPixel = 2;
inline constexpr int gpUnitPoint = 3;
inline constexpr int gpFillModeAlternate = 0;
inline constexpr int gpMatrixOrderPrepend = 0;
inline constexpr int gpCombineModeReplace = 0;
inline constexpr int gpCombineModeIntersect = 1;
inline constexpr int gpCombineModeUnion = 2;
inline constexpr int gpCombineModeExclude = 4;
inline constexpr int gpWrapModeTile = 0;
inline constexpr int gpWrapModeTileFlipX = 1;
inline constexpr int gpWrapModeClamp = 4;
inline constexpr int gpImageLockModeRead = 1;
inline constexpr int gpColorAdjustTypeBitmap = 1;
inline constexpr int gpDashStyleSolid = 0;
inline constexpr GUID gpEncoderQuality = {0x1D5BE4B5, 0xFA4A, 0x452D, {0x9C, 0xDD, 0x5D, 0xB3, 0x51, 0x05, 0xE7, 0xEB}};
inline constexpr ULONG gpEncoderValueTypeLong = 4;

// One line per flat function: name, result, parameters.
#define TVG_GDIPLUS_FUNCTIONS(F)                                                                                       \
  F(GdiplusStartup, GpStatus, (ULONG_PTR* token, const GdiplusStartupInput* input, void* output))                      \
  F(GdiplusShutdown, void, (ULONG_PTR token))                                                                          \
  F(GdipCreateFromHDC, GpStatus, (HDC dc, GpGraphics** graphics))                                                      \
  F(GdipGetImageGraphicsContext, GpStatus, (GpImage* image, GpGraphics** graphics))                                    \
  F(GdipDeleteGraphics, GpStatus, (GpGraphics* graphics))                                                              \
  F(GdipSetCompositingMode, GpStatus, (GpGraphics* graphics, int mode))                                                \
  F(GdipSetTextRenderingHint, GpStatus, (GpGraphics* graphics, int hint))                                              \
  F(GdipSetTextContrast, GpStatus, (GpGraphics* graphics, UINT contrast))                                              \
  F(GdipSetInterpolationMode, GpStatus, (GpGraphics* graphics, int mode))                                              \
  F(GdipSetSmoothingMode, GpStatus, (GpGraphics* graphics, int mode))                                                  \
  F(GdipSetPixelOffsetMode, GpStatus, (GpGraphics* graphics, int mode))                                                \
  F(GdipSetWorldTransform, GpStatus, (GpGraphics* graphics, GpMatrix* matrix))                                         \
  F(GdipMultiplyWorldTransform, GpStatus, (GpGraphics* graphics, const GpMatrix* matrix, int order))                   \
  F(GdipScaleWorldTransform, GpStatus, (GpGraphics* graphics, float sx, float sy, int order))                          \
  F(GdipGetDpiX, GpStatus, (GpGraphics* graphics, float* dpi))                                                         \
  F(GdipDrawLine, GpStatus, (GpGraphics* graphics, GpPen* pen, float x1, float y1, float x2, float y2))                \
  F(GdipDrawBezier, GpStatus,                                                                                          \
    (GpGraphics* graphics, GpPen* pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4,           \
     float y4))                                                                                                        \
  F(GdipDrawRectangle, GpStatus, (GpGraphics* graphics, GpPen* pen, float x, float y, float w, float h))               \
  F(GdipDrawEllipse, GpStatus, (GpGraphics* graphics, GpPen* pen, float x, float y, float w, float h))                 \
  F(GdipDrawPath, GpStatus, (GpGraphics* graphics, GpPen* pen, GpPath* path))                                          \
  F(GdipGraphicsClear, GpStatus, (GpGraphics* graphics, GpArgb color))                                                 \
  F(GdipFillRectangle, GpStatus, (GpGraphics* graphics, GpBrush* brush, float x, float y, float w, float h))           \
  F(GdipFillPath, GpStatus, (GpGraphics* graphics, GpBrush* brush, GpPath* path))                                      \
  F(GdipDrawString, GpStatus,                                                                                          \
    (GpGraphics* graphics, const wchar_t* text, int length, const GpFont* font, const GpRectF* layout,                 \
     const GpStringFormat* format, const GpBrush* brush))                                                              \
  F(GdipMeasureCharacterRanges, GpStatus,                                                                              \
    (GpGraphics* graphics, const wchar_t* text, int length, const GpFont* font, const GpRectF* layout,                 \
     const GpStringFormat* format, int regionCount, GpRegion** regions))                                               \
  F(GdipDrawDriverString, GpStatus,                                                                                    \
    (GpGraphics* graphics, const UINT16* glyphs, int length, const GpFont* font, const GpBrush* brush,                 \
     const GpPointF* positions, int flags, const GpMatrix* matrix))                                                    \
  F(GdipDrawImageRect, GpStatus, (GpGraphics* graphics, GpImage* image, float x, float y, float w, float h))           \
  F(GdipDrawImageI, GpStatus, (GpGraphics* graphics, GpImage* image, int x, int y))                                    \
  F(GdipDrawImageRectI, GpStatus, (GpGraphics* graphics, GpImage* image, int x, int y, int w, int h))                  \
  F(GdipDrawImageRectRect, GpStatus,                                                                                   \
    (GpGraphics* graphics, GpImage* image, float dx, float dy, float dw, float dh, float sx, float sy,                 \
     float sw, float sh, int srcUnit, const GpImageAttributes* attributes, void* abort, void* abortData))              \
  F(GdipSetClipRegion, GpStatus, (GpGraphics* graphics, GpRegion* region, int mode))                                   \
  F(GdipSetClipRect, GpStatus, (GpGraphics* graphics, float x, float y, float w, float h, int mode))                   \
  F(GdipResetClip, GpStatus, (GpGraphics* graphics))                                                                   \
  F(GdipSaveGraphics, GpStatus, (GpGraphics* graphics, GpGraphicsState* state))                                        \
  F(GdipRestoreGraphics, GpStatus, (GpGraphics* graphics, GpGraphicsState state))                                      \
  F(GdipCreatePen1, GpStatus, (GpArgb color, float width, int unit, GpPen** pen))                                      \
  F(GdipCreatePen2, GpStatus, (GpBrush* brush, float width, int unit, GpPen** pen))                                    \
  F(GdipDeletePen, GpStatus, (GpPen* pen))                                                                             \
  F(GdipSetPenWidth, GpStatus, (GpPen* pen, float width))                                                              \
  F(GdipSetPenLineCap197819, GpStatus, (GpPen* pen, int startCap, int endCap, int dashCap))                            \
  F(GdipSetPenLineJoin, GpStatus, (GpPen* pen, int join))                                                              \
  F(GdipSetPenDashStyle, GpStatus, (GpPen* pen, int style))                                                            \
  F(GdipSetPenDashOffset, GpStatus, (GpPen* pen, float offset))                                                        \
  F(GdipSetPenDashArray, GpStatus, (GpPen* pen, const float* dashes, int count))                                       \
  F(GdipDeleteBrush, GpStatus, (GpBrush* brush))                                                                       \
  F(GdipCreateSolidFill, GpStatus, (GpArgb color, GpBrush** brush))                                                    \
  F(GdipCreateTexture, GpStatus, (GpImage* image, int wrapMode, GpBrush** brush))                                      \
  F(GdipCreateTextureIA, GpStatus,                                                                                     \
    (GpImage* image, const GpImageAttributes* attributes, float x, float y, float w, float h, GpBrush** brush))        \
  F(GdipSetTextureWrapMode, GpStatus, (GpBrush* brush, int wrapMode))                                                  \
  F(GdipScaleTextureTransform, GpStatus, (GpBrush* brush, float sx, float sy, int order))                              \
  F(GdipCreateLineBrush, GpStatus,                                                                                     \
    (const GpPointF* p1, const GpPointF* p2, GpArgb c1, GpArgb c2, int wrapMode, GpBrush** brush))                     \
  F(GdipSetLinePresetBlend, GpStatus, (GpBrush* brush, const GpArgb* colors, const float* positions, int count))       \
  F(GdipSetLineWrapMode, GpStatus, (GpBrush* brush, int wrapMode))                                                     \
  F(GdipCreatePathGradientFromPath, GpStatus, (const GpPath* path, GpBrush** brush))                                   \
  F(GdipSetPathGradientPresetBlend, GpStatus,                                                                          \
    (GpBrush* brush, const GpArgb* colors, const float* positions, int count))                                         \
  F(GdipSetPathGradientCenterColor, GpStatus, (GpBrush* brush, GpArgb color))                                          \
  F(GdipSetPathGradientSurroundColorsWithCount, GpStatus, (GpBrush* brush, const GpArgb* colors, int* count))          \
  F(GdipSetPathGradientTransform, GpStatus, (GpBrush* brush, GpMatrix* matrix))                                        \
  F(GdipSetPathGradientWrapMode, GpStatus, (GpBrush* brush, int wrapMode))                                             \
  F(GdipLoadImageFromStreamICM, GpStatus, (IStream* stream, GpImage** image))                                          \
  F(GdipDisposeImage, GpStatus, (GpImage* image))                                                                      \
  F(GdipSaveImageToFile, GpStatus,                                                                                     \
    (GpImage* image, const wchar_t* fileName, const CLSID* encoder, const GpEncoderParameters* params))                \
  F(GdipSaveImageToStream, GpStatus,                                                                                   \
    (GpImage* image, IStream* stream, const CLSID* encoder, const GpEncoderParameters* params))                        \
  F(GdipGetImageWidth, GpStatus, (GpImage* image, UINT* width))                                                        \
  F(GdipGetImageHeight, GpStatus, (GpImage* image, UINT* height))                                                      \
  F(GdipGetImageHorizontalResolution, GpStatus, (GpImage* image, float* dpi))                                          \
  F(GdipGetImageVerticalResolution, GpStatus, (GpImage* image, float* dpi))                                            \
  F(GdipGetImageThumbnail, GpStatus,                                                                                   \
    (GpImage* image, UINT width, UINT height, GpImage** thumbnail, void* abort, void* abortData))                      \
  F(GdipImageRotateFlip, GpStatus, (GpImage* image, int rotateFlip))                                                   \
  F(GdipCreateBitmapFromStreamICM, GpStatus, (IStream* stream, GpImage** bitmap))                                      \
  F(GdipCreateBitmapFromScan0, GpStatus,                                                                               \
    (int width, int height, int stride, GpPixelFormat format, BYTE* scan0, GpImage** bitmap))                          \
  F(GdipBitmapLockBits, GpStatus,                                                                                      \
    (GpImage* bitmap, const GpRect* rect, UINT flags, GpPixelFormat format, GpBitmapData* data))                       \
  F(GdipBitmapUnlockBits, GpStatus, (GpImage* bitmap, GpBitmapData* data))                                             \
  F(GdipBitmapSetResolution, GpStatus, (GpImage* bitmap, float xdpi, float ydpi))                                      \
  F(GdipCreateImageAttributes, GpStatus, (GpImageAttributes** attributes))                                             \
  F(GdipDisposeImageAttributes, GpStatus, (GpImageAttributes* attributes))                                             \
  F(GdipSetImageAttributesColorMatrix, GpStatus,                                                                       \
    (GpImageAttributes* attributes, int adjustType, BOOL enable, const GpColorMatrix* matrix,                          \
     const GpColorMatrix* grayMatrix, int flags))                                                                      \
  F(GdipCreateMatrix2, GpStatus,                                                                                       \
    (float m11, float m12, float m21, float m22, float dx, float dy, GpMatrix** matrix))                               \
  F(GdipDeleteMatrix, GpStatus, (GpMatrix* matrix))                                                                    \
  F(GdipShearMatrix, GpStatus, (GpMatrix* matrix, float shearX, float shearY, int order))                              \
  F(GdipCreateRegion, GpStatus, (GpRegion** region))                                                                   \
  F(GdipCreateRegionPath, GpStatus, (GpPath* path, GpRegion** region))                                                 \
  F(GdipDeleteRegion, GpStatus, (GpRegion* region))                                                                    \
  F(GdipSetEmpty, GpStatus, (GpRegion* region))                                                                        \
  F(GdipCombineRegionRect, GpStatus, (GpRegion* region, const GpRectF* rect, int mode))                                \
  F(GdipGetRegionBounds, GpStatus, (GpRegion* region, GpGraphics* graphics, GpRectF* rect))                            \
  F(GdipCreateStringFormat, GpStatus, (int flags, LANGID language, GpStringFormat** format))                           \
  F(GdipDeleteStringFormat, GpStatus, (GpStringFormat* format))                                                        \
  F(GdipSetStringFormatAlign, GpStatus, (GpStringFormat* format, int align))                                           \
  F(GdipSetStringFormatLineAlign, GpStatus, (GpStringFormat* format, int align))                                       \
  F(GdipSetStringFormatMeasurableCharacterRanges, GpStatus,                                                            \
    (GpStringFormat* format, int count, const GpCharacterRange* ranges))                                               \
  F(GdipCreateFontFamilyFromName, GpStatus,                                                                            \
    (const wchar_t* name, GpFontCollection* collection, GpFontFamily** family))                                        \
  F(GdipDeleteFontFamily, GpStatus, (GpFontFamily* family))                                                            \
  F(GdipGetGenericFontFamilySansSerif, GpStatus, (GpFontFamily** family))                                              \
  F(GdipCloneFontFamily, GpStatus, (GpFontFamily* family, GpFontFamily** clone))                                       \
  F(GdipIsStyleAvailable, GpStatus, (const GpFontFamily* family, int style, BOOL* available))                          \
  F(GdipGetCellAscent, GpStatus, (const GpFontFamily* family, int style, UINT16* ascent))                              \
  F(GdipGetEmHeight, GpStatus, (const GpFontFamily* family, int style, UINT16* height))                                \
  F(GdipCreateFont, GpStatus, (const GpFontFamily* family, float emSize, int style, int unit, GpFont** font))          \
  F(GdipDeleteFont, GpStatus, (GpFont* font))                                                                          \
  F(GdipNewPrivateFontCollection, GpStatus, (GpFontCollection** collection))                                           \
  F(GdipDeletePrivateFontCollection, GpStatus, (GpFontCollection** collection))                                        \
  F(GdipPrivateAddMemoryFont, GpStatus, (GpFontCollection* collection, const void* memory, int length))                \
  F(GdipCreatePath, GpStatus, (int fillMode, GpPath** path))                                                           \
  F(GdipDeletePath, GpStatus, (GpPath* path))                                                                          \
  F(GdipGetPointCount, GpStatus, (GpPath* path, int* count))                                                           \
  F(GdipGetPathData, GpStatus, (GpPath* path, GpPathDataRecord* data))                                                 \
  F(GdipStartPathFigure, GpStatus, (GpPath* path))                                                                     \
  F(GdipClosePathFigure, GpStatus, (GpPath* path))                                                                     \
  F(GdipAddPathLine, GpStatus, (GpPath* path, float x1, float y1, float x2, float y2))                                 \
  F(GdipAddPathBezier, GpStatus,                                                                                       \
    (GpPath* path, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4))                    \
  F(GdipAddPathEllipse, GpStatus, (GpPath* path, float x, float y, float w, float h))                                  \
  F(GdipAddPathString, GpStatus,                                                                                       \
    (GpPath* path, const wchar_t* text, int length, const GpFontFamily* family, int style, float emSize,               \
     const GpRectF* layout, const GpStringFormat* format))                                                             \
  F(GdipIsVisiblePathPoint, GpStatus, (GpPath* path, float x, float y, GpGraphics* graphics, BOOL* result))            \
  F(GdipGetImageEncodersSize, GpStatus, (UINT* count, UINT* size))                                                     \
  F(GdipGetImageEncoders, GpStatus, (UINT count, UINT size, GpImageCodecInfo* encoders))

struct TGdiplusFunctions {
#define TVG_GDIPLUS_POINTER(name, result, params) result(WINAPI* name) params;
  TVG_GDIPLUS_FUNCTIONS(TVG_GDIPLUS_POINTER)
#undef TVG_GDIPLUS_POINTER
};

// The bound functions; every entry is callable at any time.
extern TGdiplusFunctions Gdip;

// The library loaded by LoadGdiplus; cleared by the GDI+ unit's shut-down.
extern std::string GdiplusLibraryName;

// Loads the library (the program's folder and three folders near it first, then the system's
// search) and binds every function; false when no library could be loaded.
bool LoadGdiplus();
// Loads and starts GDI+ unless it is loaded already. A library that cannot be loaded is
// reported once (debug output) and leaves every call a stand-in.
void StartupGdiplus();
// Frees the cached font family, shuts GDI+ down and unloads it; nothing when not loaded.
void ShutdownGdiplus();
bool GdiplusLoaded();
