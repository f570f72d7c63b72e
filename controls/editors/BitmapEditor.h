#pragma once
// TvgBitmapEditor: the modal dialog that loads, pastes, scales the view of, crops, resizes,
// clears and saves a bitmap. Its scene is streamed from the form resource TVGBITMAPEDITOR; a caller
// loads a bitmap with LoadBitmap, shows the form modally and, on mrOk, takes the result with
// StoreBitmap (the crop frame's part when one is shown, else the whole picture).
#include <memory>
#include <string>

#include "classlib/desktop/Form.h"

class TvgBackground;
class TvgBitmap;
class TvgButton;
class TvgCanvas;
class TvgControl;
class TvgCustomTrack;
class TvgLabel;
class TvgNumberBox;
class TvgPaintBox;
class TvgScrollBox;
class TvgSelection;
struct TvgRect;

class TvgBitmapEditor : public TForm {
  CL_CLASS(TvgBitmapEditor, TForm)
public:
  using TForm::TForm;
  ~TvgBitmapEditor() override;

  // A copy of source (nullptr keeps the working bitmap); the editing controls and OK are enabled
  // for a picture wider than one pixel. Forgets the file name and any crop frame.
  void LoadBitmap(TvgBitmap* source);
  void StoreBitmap(TvgBitmap* target);

  TvgBitmap* WorkingBitmap() const { return bitmap_.get(); }
  TvgSelection* CropFrame() const { return crop_; }
  const std::string& FileName() const { return fileName_; }

  void FormCreate(TObject* sender);
  void FormDestroy(TObject* sender);
  void Button1Click(TObject* sender);
  void btnSaveClick(TObject* sender);
  void btnOkClick(TObject* sender);
  void Button2Click(TObject* sender);
  void cropButtonClick(TObject* sender);
  void trackScaleChange(TObject* sender);
  void trackScaleMouseDown(TObject* sender, TMouseButton button, TShiftState shift, float x, float y);
  void btnFitClick(TObject* sender);
  void btnOriginalClick(TObject* sender);
  void btnResizeClick(TObject* sender);
  void Button3Click(TObject* sender);
  void btnPasteClick(TObject* sender);
  void Button4Click(TObject* sender);
  void Button5Click(TObject* sender);
  void newWidthChange(TObject* sender);
  void newHeightChange(TObject* sender);
  void PreviewPaint(TObject* sender, TvgCanvas* canvas);

  void Loaded() override;

private:
  template <class T>
  T* Part(const char* name);
  // Takes the new picture as the working one: the frame goes (it framed the old one), the
  // view refits and the controls follow.
  void Replace(TvgBitmap& picture);
  void Refit();
  void SetScale(float scale);
  void RemoveCrop();
  void EnableEditing(bool enable);
  void SlideResizePanelAway();
  // The frame's rectangle in the bitmap's pixels, kept inside the bitmap.
  TvgRect CropRect() const;

  std::unique_ptr<TvgBitmap> bitmap_;
  TvgSelection* crop_ = nullptr;
  float previousScale_ = 1;
  std::string fileName_;

  TvgControl* editControl_ = nullptr;
  TvgButton* okButton_ = nullptr;
  TvgButton* cropButton_ = nullptr;
  TvgLabel* scaleLabel_ = nullptr;
  TvgCustomTrack* scaleTrack_ = nullptr;
  TvgScrollBox* scrollBox_ = nullptr;
  TvgPaintBox* preview_ = nullptr;
  TvgBackground* resizePanel_ = nullptr;
  TvgNumberBox* newWidth_ = nullptr;
  TvgNumberBox* newHeight_ = nullptr;
};
