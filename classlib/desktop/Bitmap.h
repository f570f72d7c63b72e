#pragma once
// Pictures of the class library: TGraphic, what any picture can do (its size, transparency, and
// drawing itself stretched into a rectangle of a device context), and TBitmap, a picture held as
// a device-independent bitmap of a chosen pixel format (rows from the top) or as a
// device-dependent one, with a canvas to draw on.
#include "classlib/desktop/Win32.h"

#include "classlib/desktop/Graphics.h"

CL_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom)
CL_ENUM(TBitmapHandleType, bmDIB, bmDDB)

class TGraphic : public TPersistent {
  CL_CLASS(TGraphic, TPersistent)
public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() == 0 || Height() == 0; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  // Draws the picture stretched into rect.
  virtual void Draw(HDC dc, const RECT& rect) = 0;

private:
  bool transparent_ = false;
};

class TBitmap : public TGraphic {
  CL_CLASS(TBitmap, TGraphic)
public:
  TBitmap() = default;
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // A new size clears the picture.
  void SetSize(int width, int height);
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // Keeps the picture, converted to the new format.
  void SetPixelFormat(TPixelFormat format);
  TBitmapHandleType HandleType() const { return handleType_; }
  void SetHandleType(TBitmapHandleType type);
  HBITMAP Handle() const { return handle_; }

  // Row y from the top of a device-independent bitmap; nullptr outside it or for a
  // device-dependent one. Drawing through the canvas is flushed first.
  void* ScanLine(int y) const;
  // The colour that a transparent bitmap leaves out; clDefault stands for the colour of the
  // bottom-left pixel.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color) { transparentColor_ = color; }

  // A device context that draws into the bitmap, made on first use.
  TCanvas* Canvas();

  void Draw(HDC dc, const RECT& rect) override;
  // From another bitmap: its size, format, transparency and picture.
  void Assign(TPersistent* source) override;

private:
  // A new handle of the size and format, the old picture copied in when keep is set.
  void Recreate(bool keep);
  void ReleaseCanvas();

  int width_ = 0, height_ = 0;
  TPixelFormat pixelFormat_ = pfDevice;
  TBitmapHandleType handleType_ = bmDDB;
  HBITMAP handle_ = nullptr;
  void* bits_ = nullptr;
  int stride_ = 0;
  TColor transparentColor_ = clDefault;
  TCanvas canvas_;
  HGDIOBJ savedObject_ = nullptr;
};
