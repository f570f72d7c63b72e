#pragma once
// TvgPathDataDesigner: the modal dialog that edits the text form of a path with a live preview.
// Its scene is streamed from the form resource TVGPATHDATADESIGNER; every change of the memo's
// text, typed or pasted, redraws the preview.
#include "classlib/desktop/Form.h"

class TvgMemo;
class TvgPath;
class TvgPathData;
class TvgVisualObject;

class TvgPathDataDesigner : public TForm {
  CL_CLASS(TvgPathDataDesigner, TForm)
public:
  using TForm::TForm;

  // Shows the path's text and, when the dialog ends with OK, sets the path from the edited text;
  // true then. Cancel leaves the path as it was.
  bool Execute(TvgPathData& path);

  TvgMemo* Memo() const { return memo_; }
  TvgPath* Preview() const { return preview_; }

  void PathDataChange(TObject* sender);
  void Button1Click(TObject* sender);
  void Button2Click(TObject* sender);
  void Button3Click(TObject* sender);

  void Loaded() override;

private:
  TvgMemo* memo_ = nullptr;
  TvgPath* preview_ = nullptr;
  TvgVisualObject* previewLayout_ = nullptr;
};
