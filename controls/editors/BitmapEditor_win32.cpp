#include "controls/editors/BitmapEditor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Bitmap.h"
#include "classlib/desktop/Clipboard.h"
#include "classlib/desktop/Errors.h"
#include "controls/buttons/Button.h"
#include "controls/text/Label.h"
#include "controls/textboxes/NumberBox.h"
#include "controls/tracks/Track.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/design/Selection.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/layouts/ScrollBox.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Canvas.h"
#include "engine/paint/Filter.h"
#include "engine/shapes/Background.h"
#include "engine/shapes/PaintBox.h"
#include "engine/tree/Control.h"

namespace {

constexpr float kSlideSeconds = 0.3f;
const char* const kSaveFilter = "PNG Image|*.png|JPEG Image|*.jpeg|BMP Image|*.bmp";

std::string OpenFilter() {
  auto filter = vgCreateDefaultFilter();
  return "Images|" + (filter ? filter->GetFileTypes() : std::string());
}

// A frame edge divided back by the scale lands a hair off a whole pixel (9.9999 for 10); such an
// edge counts as the whole pixel, so the same frame gives the same pixels at every scale.
float PixelEdge(float value) {
  const float whole = std::round(value);
  return std::fabs(value - whole) < 1e-3f ? whole : value;
}

void Report(const std::string& text) { Application->ShowException(Exception(text)); }

}  // namespace

TvgBitmapEditor::~TvgBitmapEditor() = default;

template <class T>
T* TvgBitmapEditor::Part(const char* name) {
  auto* part = dynamic_cast<T*>(FindComponent(name));
  if (!part) throw Exception(std::string("The bitmap editor's form has no ") + name);
  return part;
}

void TvgBitmapEditor::Loaded() {
  TForm::Loaded();
  editControl_ = Part<TvgControl>("editControl");
  okButton_ = Part<TvgButton>("btnOk");
  cropButton_ = Part<TvgButton>("cropButton");
  scaleLabel_ = Part<TvgLabel>("labelScale");
  scaleTrack_ = Part<TvgCustomTrack>("trackScale");
  scrollBox_ = Part<TvgScrollBox>("ScrollBox1");
  preview_ = Part<TvgPaintBox>("Preview");
  resizePanel_ = Part<TvgBackground>("resizeLayout");
  newWidth_ = Part<TvgNumberBox>("newWidth");
  newHeight_ = Part<TvgNumberBox>("newHeight");
}

void TvgBitmapEditor::FormCreate(TObject*) {
  bitmap_ = std::make_unique<TvgBitmap>(1, 1);
  Refit();
}

void TvgBitmapEditor::FormDestroy(TObject*) { RemoveCrop(); }

void TvgBitmapEditor::LoadBitmap(TvgBitmap* source) {
  fileName_.clear();
  if (source) Replace(*source);
  else Replace(*bitmap_);
}

void TvgBitmapEditor::Replace(TvgBitmap& picture) {
  RemoveCrop();
  if (&picture != bitmap_.get()) bitmap_->Assign(&picture);
  Refit();
  preview_->Repaint();
  const bool editable = bitmap_->Width() > 1;
  EnableEditing(editable);
  if (editable) okButton_->SetEnabled(true);
}

void TvgBitmapEditor::EnableEditing(bool enable) { editControl_->SetEnabled(enable); }

void TvgBitmapEditor::StoreBitmap(TvgBitmap* target) {
  if (!target) return;
  const TvgRect rect = CropRect();
  const int width = int(Trunc(rect.Right - rect.Left)), height = int(Trunc(rect.Bottom - rect.Top));
  if (width < 1 || height < 1) {
    target->Assign(bitmap_.get());
    return;
  }
  const int left = int(Trunc(rect.Left)), top = int(Trunc(rect.Top));
  target->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    std::memcpy(target->GetScanline(y), bitmap_->GetScanline(y + top) + left, size_t(width) * sizeof(TvgColor));
  target->PlatformImageStale = true;
  target->OnChange(target);
}

// Nothing (an empty rectangle) without a frame. A frame can reach past the picture (its least
// size is wider than a narrow preview), so it is cut to the picture's pixels.
TvgRect TvgBitmapEditor::CropRect() const {
  if (!crop_ || crop_->Width() <= 0 || crop_->Height() <= 0) return {};
  const float scale = scaleTrack_->Value();
  const float x = crop_->Position()->X(), y = crop_->Position()->Y();
  TvgRect rect{PixelEdge(x / scale), PixelEdge(y / scale), PixelEdge((x + crop_->Width()) / scale),
               PixelEdge((y + crop_->Height()) / scale)};
  rect.Left = std::max(rect.Left, 0.0f);
  rect.Top = std::max(rect.Top, 0.0f);
  rect.Right = std::min(rect.Right, float(bitmap_->Width()));
  rect.Bottom = std::min(rect.Bottom, float(bitmap_->Height()));
  return rect;
}

void TvgBitmapEditor::Refit() {
  const float scale = scaleTrack_->Value();
  preview_->SetWidth(float(bitmap_->Width()) * scale);
  preview_->SetHeight(float(bitmap_->Height()) * scale);
  scrollBox_->Realign();
}

void TvgBitmapEditor::PreviewPaint(TObject*, TvgCanvas* canvas) {
  const float scale = scaleTrack_->Value();
  const float width = float(bitmap_->Width()), height = float(bitmap_->Height());
  canvas->DrawBitmap(bitmap_.get(), {0, 0, width, height}, {0, 0, width * scale, height * scale}, 1, false);
}

void TvgBitmapEditor::Button1Click(TObject*) {
  std::string fileName;
  if (!vgSystemDialogs().OpenFile(OpenFilter(), fileName)) return;
  // Loaded aside first: a file that does not decode leaves the working picture as it was.
  TvgBitmap loaded;
  loaded.LoadFromFile(fileName);
  if (loaded.IsEmpty()) {
    Report("The file \"" + fileName + "\" cannot be loaded: it is damaged or not a picture.");
    return;
  }
  Replace(loaded);
  fileName_ = fileName;
  okButton_->SetEnabled(true);
  EnableEditing(true);
}

void TvgBitmapEditor::btnSaveClick(TObject*) {
  std::string fileName = fileName_;
  if (vgSystemDialogs().SaveFile(kSaveFilter, "png", fileName)) bitmap_->SaveToFile(fileName);
}

void TvgBitmapEditor::btnOkClick(TObject*) { SetModalResult(mrOk); }

void TvgBitmapEditor::Button2Click(TObject*) { SetModalResult(mrCancel); }

void TvgBitmapEditor::cropButtonClick(TObject*) {
  if (crop_) {
    RemoveCrop();
    preview_->Repaint();
    return;
  }
  btnFitClick(nullptr);
  const float scale = scaleTrack_->Value();
  const float width = float(bitmap_->Width()), height = float(bitmap_->Height());
  crop_ = new TvgSelection(nullptr);
  crop_->SetBounds(float(Trunc(0.1f * width * scale)), float(Trunc(0.1f * height * scale)), 0.8f * width * scale,
                   float(Trunc(0.8f * height * scale)));
  preview_->AddObject(crop_);
  cropButton_->SetText(L"Full");
}

void TvgBitmapEditor::RemoveCrop() {
  if (!crop_) return;
  crop_->Free();
  crop_ = nullptr;
  if (cropButton_) cropButton_->SetText(L"Crop");
}

void TvgBitmapEditor::trackScaleChange(TObject*) {
  const float scale = scaleTrack_->Value();
  Refit();
  if (crop_) {
    const float factor = scale / previousScale_;
    crop_->SetBounds(crop_->Position()->X() * factor, crop_->Position()->Y() * factor, crop_->Width() * factor,
                     crop_->Height() * factor);
  }
  previousScale_ = scale;
  scaleLabel_->SetText(L"Scale: " + std::to_wstring(int(Round(scale * 100))) + L"%");
}

void TvgBitmapEditor::SetScale(float scale) { scaleTrack_->SetValue(scale); }

void TvgBitmapEditor::trackScaleMouseDown(TObject*, TMouseButton, TShiftState shift, float, float) {
  if (shift.Contains(ssDouble)) SetScale(1);
}

void TvgBitmapEditor::btnFitClick(TObject*) {
  TvgRect picture{0, 0, float(bitmap_->Width()), float(bitmap_->Height())};
  const float ratio = vgRectFit(picture, scrollBox_->GetLocalRect());
  if (ratio > 0) SetScale(1 / ratio);
}

void TvgBitmapEditor::btnOriginalClick(TObject*) { SetScale(1); }

void TvgBitmapEditor::btnResizeClick(TObject*) {
  newWidth_->SetValue(float(bitmap_->Width()));
  newHeight_->SetValue(float(bitmap_->Height()));
  resizePanel_->SetVisible(true);
  resizePanel_->Position()->SetY(-resizePanel_->Height());
  vgAnimateFloat(resizePanel_, "Position.Y", 0, kSlideSeconds, vgAnimationIn, vgInterpolationLinear);
}

void TvgBitmapEditor::Button3Click(TObject*) {
  EnableEditing(false);
  okButton_->SetEnabled(true);
  RemoveCrop();
  SetScale(1);
  bitmap_->SetSize(1, 1);
  Refit();
  preview_->Repaint();
}

void TvgBitmapEditor::btnPasteClick(TObject*) {
  TBitmap pasted;
  if (!Clipboard().AsBitmap(pasted)) {
    Report("The clipboard holds no picture that can be pasted.");
    return;
  }
  TvgBitmap picture;
  picture.Assign(&pasted);
  Replace(picture);
}

void TvgBitmapEditor::Button4Click(TObject*) {
  TvgBitmap resized(int(Trunc(newWidth_->Value())), int(Trunc(newHeight_->Value())));
  if (TvgCanvas* canvas = resized.GetCanvas(); canvas && canvas->BeginScene()) {
    canvas->DrawBitmap(bitmap_.get(), {0, 0, float(bitmap_->Width()), float(bitmap_->Height())},
                       {0, 0, float(resized.Width()), float(resized.Height())}, 1, false);
    canvas->EndScene();
  }
  const std::string fileName = fileName_;
  LoadBitmap(&resized);
  fileName_ = fileName;
  SlideResizePanelAway();
}

void TvgBitmapEditor::Button5Click(TObject*) { SlideResizePanelAway(); }

void TvgBitmapEditor::SlideResizePanelAway() {
  vgAnimateFloatWait(resizePanel_, "Position.Y", -resizePanel_->Height(), kSlideSeconds, vgAnimationIn,
                     vgInterpolationLinear);
  resizePanel_->SetVisible(false);
}

void TvgBitmapEditor::newWidthChange(TObject*) {
  if (bitmap_->Width() > 0)
    newHeight_->SetValue(float(Round(float(bitmap_->Height()) / float(bitmap_->Width()) * newWidth_->Value())));
}

void TvgBitmapEditor::newHeightChange(TObject*) {
  if (bitmap_->Height() > 0)
    newWidth_->SetValue(float(Round(float(bitmap_->Width()) / float(bitmap_->Height()) * newHeight_->Value())));
}

CL_PUBLISHED(TvgBitmapEditor) {
  CL_METHOD(TvgBitmapEditor, FormCreate);
  CL_METHOD(TvgBitmapEditor, FormDestroy);
  CL_METHOD(TvgBitmapEditor, Button1Click);
  CL_METHOD(TvgBitmapEditor, btnSaveClick);
  CL_METHOD(TvgBitmapEditor, btnOkClick);
  CL_METHOD(TvgBitmapEditor, Button2Click);
  CL_METHOD(TvgBitmapEditor, cropButtonClick);
  CL_METHOD(TvgBitmapEditor, trackScaleChange);
  CL_METHOD(TvgBitmapEditor, trackScaleMouseDown);
  CL_METHOD(TvgBitmapEditor, btnFitClick);
  CL_METHOD(TvgBitmapEditor, btnOriginalClick);
  CL_METHOD(TvgBitmapEditor, btnResizeClick);
  CL_METHOD(TvgBitmapEditor, Button3Click);
  CL_METHOD(TvgBitmapEditor, btnPasteClick);
  CL_METHOD(TvgBitmapEditor, Button4Click);
  CL_METHOD(TvgBitmapEditor, Button5Click);
  CL_METHOD(TvgBitmapEditor, newWidthChange);
  CL_METHOD(TvgBitmapEditor, newHeightChange);
  CL_METHOD(TvgBitmapEditor, PreviewPaint);
}
