#pragma once
// TvgCompoundControl: what the labelled editors of property panels share: a caption label on
// the left and one editor filling the rest, both published parts of the control that stream with
// it, and the editor's change passed on as the control's OnChange.
#include "engine/tree/Control.h"

class TvgLabel;

class TvgCompoundControl : public TvgControl {
  CL_CLASS(TvgCompoundControl, TvgControl)
public:
  explicit TvgCompoundControl(TComponent* owner);

  TvgLabel* TextLabel() const { return textLabel_; }

  TNotifyEvent OnChange;

protected:
  // A locked, unstreamed child of parent that streams as this control's published part.
  template <class T>
  T* AddPart(TvgVisualObject* parent, const char* name, TvgAlign align) {
    auto* part = new T(this);
    PreparePart(*part, parent, name, align);
    return part;
  }
  // An editor part whose change is told as this control's, with the editor as the sender.
  template <class T>
  T* AddEditor(TvgVisualObject* parent, const char* name, TvgAlign align) {
    T* editor = AddPart<T>(parent, name, align);
    editor->OnChange = [this](TObject* sender) { Changed(sender); };
    return editor;
  }
  // A plain control holding an editor, aligned in this control.
  TvgControl* AddHolder(TvgAlign align = vaClient);
  // The editor's change, told as the control's own.
  void Changed(TObject* editor) { OnChange(editor); }

private:
  void PreparePart(TvgVisualObject& part, TvgVisualObject* parent, const char* name, TvgAlign align);

  TvgLabel* textLabel_;
};
