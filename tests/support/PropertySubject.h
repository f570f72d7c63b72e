#pragma once
// A component that publishes a property of every kind an inspector edits, for the inspector's
// tests and its demo: numbers, an enumeration, a boolean, a set, 8-bit and wide strings, a
// colour (published as colour text, as the toolkit's colours are), owned value objects (brush,
// font, bitmap, path, and a loop of nodes that leads back to itself), a component reference, a
// read-only number and an event. Each setter counts its calls.
#include <memory>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/Property.h"
#include "engine/values/Colors.h"

class TvgBitmap;
class TvgBrush;
class TvgFont;
class TvgPathData;

CL_ENUM(TSubjectSize, isSmall, isMedium, isLarge)
CL_ENUM(TSubjectFlag, ifRed, ifGreen, ifBlue)
using TSubjectFlags = TSet<TSubjectFlag>;

// Two nodes that refer to each other: listing them must stop where it came back.
class TSubjectNode : public TPersistent {
  CL_CLASS(TSubjectNode, TPersistent)
public:
  TSubjectNode() = default;
  TSubjectNode* Next() const { return next_; }
  void SetNext(TSubjectNode* next) { next_ = next; }
  int32_t Weight() const { return weight_; }
  void SetWeight(int32_t weight) { weight_ = weight; }

  TNotifyEvent OnVisit;

private:
  TSubjectNode* next_ = nullptr;
  int32_t weight_ = 1;
};

class TPropertySubject : public TComponent {
  CL_CLASS(TPropertySubject, TComponent)
public:
  explicit TPropertySubject(TComponent* owner);
  ~TPropertySubject() override;

  int32_t Count() const { return count_; }
  void SetCount(int32_t count) { NoteSet(); count_ = count; }
  float Ratio() const { return ratio_; }
  void SetRatio(float ratio) { NoteSet(); ratio_ = ratio; }
  TSubjectSize Size() const { return size_; }
  void SetSize(TSubjectSize size) { NoteSet(); size_ = size; }
  bool Active() const { return active_; }
  void SetActive(bool active) { NoteSet(); active_ = active; }
  TSubjectFlags Flags() const { return flags_; }
  void SetFlags(TSubjectFlags flags) { NoteSet(); flags_ = flags; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { NoteSet(); caption_ = caption; }
  const std::wstring& Title() const { return title_; }
  void SetTitle(const std::wstring& title) { NoteSet(); title_ = title; }
  std::string Color() const { return vgColorToStr(color_); }
  void SetColor(const std::string& text) { NoteSet(); color_ = vgStrToColor(text); }
  TvgBrush* Fill() const { return fill_.get(); }
  void SetFill(TvgBrush* fill);
  TvgFont* Font() const { return font_.get(); }
  void SetFont(TvgFont* font);
  TvgBitmap* Picture() const { return picture_.get(); }
  void SetPicture(TvgBitmap* picture);
  TvgPathData* Outline() const { return outline_.get(); }
  void SetOutline(TvgPathData* outline);
  TSubjectNode* Loop() const { return loop_.get(); }
  void SetLoop(TSubjectNode* loop) { loop_->SetWeight(loop->Weight()); }
  TComponent* Buddy() const { return buddy_; }
  void SetBuddy(TComponent* buddy);
  int32_t Serial() const { return 7; }

  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnPing;
  int sets = 0;
  // Setters run on any TPropertySubject while it was being destroyed.
  static inline int setsWhileDestroying = 0;

private:
  void NoteSet() {
    ++sets;
    if (HasState(csDestroying)) ++setsWhileDestroying;
  }

  int32_t count_ = 0;
  float ratio_ = 0.5f;
  TSubjectSize size_ = isMedium;
  bool active_ = false;
  TSubjectFlags flags_;
  std::string caption_;
  std::wstring title_;
  TvgColor color_ = 0xFF000000;
  std::unique_ptr<TvgBrush> fill_;
  std::unique_ptr<TvgFont> font_;
  std::unique_ptr<TvgBitmap> picture_;
  std::unique_ptr<TvgPathData> outline_;
  std::unique_ptr<TSubjectNode> loop_, loopBack_;
  TComponent* buddy_ = nullptr;
};
