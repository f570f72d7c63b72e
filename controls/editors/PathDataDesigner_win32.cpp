#include "controls/editors/PathDataDesigner.h"

#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "controls/memo/Memo.h"
#include "engine/paint/PathData.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Path.h"

namespace {

template <class T>
T* Part(TComponent& form, const char* name) {
  auto* part = dynamic_cast<T*>(form.FindComponent(name));
  if (!part) throw Exception(std::string("The path designer's form has no ") + name);
  return part;
}

}  // namespace

void TvgPathDataDesigner::Loaded() {
  TForm::Loaded();
  memo_ = Part<TvgMemo>(*this, "PathData");
  preview_ = Part<TvgPath>(*this, "previewPath");
  previewLayout_ = Part<TvgVisualObject>(*this, "previewLayout");
  // The memo's frame is the only focus mark the dialog needs.
  memo_->SetDisableFocusEffect(true);
}

bool TvgPathDataDesigner::Execute(TvgPathData& path) {
  memo_->SetText(GbkToUtf16(path.Data()));
  if (ShowModal() != mrOk) return false;
  path.SetData(Utf16ToGbk(memo_->Text()));
  return true;
}

void TvgPathDataDesigner::PathDataChange(TObject*) {
  if (previewLayout_->Visible()) preview_->Data()->SetData(Utf16ToGbk(memo_->Text()));
}

// The clipboard's text takes the place of the whole path.
void TvgPathDataDesigner::Button1Click(TObject*) {
  memo_->SelectAll();
  memo_->DeleteSelection();
  memo_->PasteFromClipboard();
}

void TvgPathDataDesigner::Button2Click(TObject*) { SetModalResult(mrOk); }

void TvgPathDataDesigner::Button3Click(TObject*) { SetModalResult(mrCancel); }

CL_PUBLISHED(TvgPathDataDesigner) {
  CL_METHOD(TvgPathDataDesigner, PathDataChange);
  CL_METHOD(TvgPathDataDesigner, Button1Click);
  CL_METHOD(TvgPathDataDesigner, Button2Click);
  CL_METHOD(TvgPathDataDesigner, Button3Click);
}
