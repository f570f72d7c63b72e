#include "controls/editors/BrushDesign.h"

#include <cctype>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "classlib/core/SysUtils.h"
#include "classlib/core/TemporaryChange.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Application.h"
#include "controls/buttons/Button.h"
#include "controls/colors/ColorBox.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/colors/ColorPicker.h"
#include "controls/colors/ColorQuad.h"
#include "controls/colors/GradientEdit.h"
#include "controls/boxes/PopupBox.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/tabs/TabControl.h"
#include "controls/text/Label.h"
#include "controls/textboxes/NumberBox.h"
#include "controls/textboxes/TextBox.h"
#include "controls/tracks/AngleButton.h"
#include "controls/windows/Window.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Brush.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Image.h"
#include "engine/shapes/Shapes.h"
#include "engine/styles/ResourceObjects.h"

CL_PUBLISHED(TvgBrushDesign) {
  CL_METHOD(TvgBrushDesign, FormCreate);
  CL_METHOD(TvgBrushDesign, FormClose);
  CL_METHOD(TvgBrushDesign, brushListChange);
  CL_METHOD(TvgBrushDesign, brushTabControlChange);
  CL_METHOD(TvgBrushDesign, solidQuadChange);
  CL_METHOD(TvgBrushDesign, textSolidHexChange);
  CL_METHOD(TvgBrushDesign, textSolidRChange);
  CL_METHOD(TvgBrushDesign, gradEditorChange);
  CL_METHOD(TvgBrushDesign, gradQuadChange);
  CL_METHOD(TvgBrushDesign, textGradRChange);
  CL_METHOD(TvgBrushDesign, textGradHexChange);
  CL_METHOD(TvgBrushDesign, gradKindChange);
  CL_METHOD(TvgBrushDesign, gradAngleChange);
  CL_METHOD(TvgBrushDesign, btnSelectBitmapClick);
  CL_METHOD(TvgBrushDesign, resListChange);
  CL_METHOD(TvgBrushDesign, btnMakeResClick);
  CL_METHOD(TvgBrushDesign, tileModeListChange);
  CL_METHOD(TvgBrushDesign, btnOKClick);
  CL_METHOD(TvgBrushDesign, btnCancelClick);
}

namespace {

constexpr float kBrushRowHeight = 23;
constexpr float kEmptyListHeight = 4;

TvgBrushDesign* sharedDesigner = nullptr;

IvgWindowScene* SceneOf(TComponent* object) {
  if (auto* scene = dynamic_cast<TvgCustomScene*>(object)) return scene;
  if (auto* tree = dynamic_cast<TvgObject*>(object)) return tree->Scene();
  return nullptr;
}

// The object's published brushes with their property names, in declaration order.
std::vector<std::pair<std::string, TvgBrush*>> PublishedBrushes(TComponent* object) {
  std::vector<std::pair<std::string, TvgBrush*>> brushes;
  for (const TPropInfo* prop : object->ClassType()->Properties()) {
    if (prop->Kind != TPropKind::Class || !prop->ObjClass() || prop->ObjClass()->Name != "TvgBrush") continue;
    const TPropValue value = prop->Get(*object);
    if (auto* brush = dynamic_cast<TvgBrush*>(std::get<TObject*>(value))) brushes.emplace_back(prop->Name, brush);
  }
  return brushes;
}

TvgListBoxItem* NewRow(TvgListBox& list, TObject* tag, const std::string& text) {
  auto* row = new TvgListBoxItem(nullptr);
  row->SetStored(false);
  row->SetHeight(kBrushRowHeight);
  row->TagObject = tag;
  auto* label = new TvgHudLabel(nullptr);
  label->SetStored(false);
  label->SetAlign(vaClient);
  label->SetHitTest(false);
  label->SetTextAlign(vgTextAlignNear);
  label->SetText(GbkToUtf16(text));
  row->AddObject(label);
  list.AddObject(row);
  return row;
}

TObject* SelectedTag(TvgListBox* list) {
  TvgListBoxItem* row = list->Selected();
  return row ? row->TagObject : nullptr;
}

void SelectRowTagged(TvgListBox* list, const TObject* tag) {
  for (int i = 0; i < list->GetCount(); ++i)
    if (list->ItemByIndex(i)->TagObject == tag) return list->SetItemIndex(i);
}

uint8_t Channel(const TvgNumberBox* box) { return uint8_t(std::trunc(box->Value())); }

TvgColor ColorOfBoxes(const TvgNumberBox* a, const TvgNumberBox* r, const TvgNumberBox* g, const TvgNumberBox* b) {
  return TvgColor(Channel(a)) << 24 | TvgColor(Channel(r)) << 16 | TvgColor(Channel(g)) << 8 | Channel(b);
}

void ShowChannels(TvgColor color, TvgNumberBox* a, TvgNumberBox* r, TvgNumberBox* g, TvgNumberBox* b,
                  TvgCustomTextBox* hex) {
  a->SetValue(float(color >> 24));
  r->SetValue(float((color >> 16) & 0xFF));
  g->SetValue(float((color >> 8) & 0xFF));
  b->SetValue(float(color & 0xFF));
  hex->SetText(GbkToUtf16(vgColorToStr(color)));
}

TvgColor TypedColor(const TvgCustomTextBox* hex) { return vgStrToColor(Utf16ToGbk(hex->Text())); }

// The cosine of 90 degrees is not quite 0 in floating point; a line that should run straight up
// or across must, or it tilts by a hair and its ends swap sides.
float Snapped(double trig) { return std::fabs(trig) < 1e-9 ? 0.0f : float(trig); }

float Degrees(float radians) { return radians * 180 / std::numbers::pi_v<float>; }

// How far a line through the centre at this cosine (or sine) must reach to touch the square's
// sides: 1 / |c|, unless that passes the corner.
float Reach(float c) {
  if (c == 0) return 1;
  const float k = std::fabs(1 / c);
  return k <= 1.42f ? k : 1;
}

// Clears the events of the component that the form handles.
void UnbindHandlers(TComponent& component, const TObject* form) {
  for (const TPropInfo* prop : component.ClassType()->Properties()) {
    if (prop->Kind != TPropKind::Method || prop->IsReadOnly()) continue;
    if (std::get<TMethod>(prop->Get(component)).Data == form) prop->Set(component, TMethod{});
  }
}

std::string WithoutTrailingDigits(const std::string& name) {
  size_t end = name.size();
  while (end > 0 && std::isdigit(static_cast<unsigned char>(name[end - 1]))) --end;
  return name.substr(0, end);
}

}  // namespace

TvgBrushDesign::~TvgBrushDesign() {
  if (sharedDesigner == this) sharedDesigner = nullptr;
}

// The parts are destroyed after the form's own class: what they still report then (a box losing
// the focus, a list losing its rows) must not reach the form's handlers.
void TvgBrushDesign::BeforeDestruction() {
  for (int i = 0; i < ComponentCount(); ++i) UnbindHandlers(*Components(i), this);
  TForm::BeforeDestruction();
}

template <class T>
T* TvgBrushDesign::Part(const char* name) {
  auto* part = dynamic_cast<T*>(FindComponent(name));
  if (!part) throw EComponentError(Format("TvgBrushDesign has no component %s of class %s", name, T::StaticClass()->Name.c_str()));
  return part;
}

void TvgBrushDesign::Loaded() {
  TForm::Loaded();
  HudWindow1 = Part<TvgHudWindow>("HudWindow1");
  brushList = Part<TvgListBox>("brushList");
  brushTabControl = Part<TvgTabControl>("brushTabControl");
  tabNone = Part<TvgTabItem>("tabNone");
  tabSolid = Part<TvgTabItem>("tabSolid");
  tabGradient = Part<TvgTabItem>("tabGradient");
  tabBitmap = Part<TvgTabItem>("tabBitmap");
  tabRes = Part<TvgTabItem>("tabRes");
  solidQuad = Part<TvgColorQuad>("solidQuad");
  solidPicker = Part<TvgColorPicker>("solidPicker");
  solidColorRect = Part<TvgColorBox>("solidColorRect");
  textSolidR = Part<TvgNumberBox>("textSolidR");
  textSolidG = Part<TvgNumberBox>("textSolidG");
  textSolidB = Part<TvgNumberBox>("textSolidB");
  textSolidA = Part<TvgNumberBox>("textSolidA");
  textSolidHex = Part<TvgCustomTextBox>("textSolidHex");
  gradEditor = Part<TvgGradientEdit>("gradEditor");
  gradQuad = Part<TvgColorQuad>("gradQuad");
  gradPicker = Part<TvgColorPicker>("gradPicker");
  gradColorRect = Part<TvgColorBox>("gradColorRect");
  textGradR = Part<TvgNumberBox>("textGradR");
  textGradG = Part<TvgNumberBox>("textGradG");
  textGradB = Part<TvgNumberBox>("textGradB");
  textGradA = Part<TvgNumberBox>("textGradA");
  textGradHex = Part<TvgCustomTextBox>("textGradHex");
  gradKind = Part<TvgPopupBox>("gradKind");
  gradAngle = Part<TvgAngleButton>("gradAngle");
  gradAngleLabel = Part<TvgLabel>("gradAngleLabel");
  bitmapImage = Part<TvgImage>("bitmapImage");
  btnSelectBitmap = Part<TvgCustomButton>("btnSelectBitmap");
  tileModeList = Part<TvgPopupBox>("tileModeList");
  resList = Part<TvgListBox>("resList");
  btnMakeRes = Part<TvgCustomButton>("btnMakeRes");
  makeResLayout = Part<TvgVisualObject>("makeResLayout");
  btnOK = Part<TvgCustomButton>("btnOK");
  btnCancel = Part<TvgCustomButton>("btnCancel");
  Layout6 = Part<TvgVisualObject>("Layout6");
}

// --- What is edited ------------------------------------------------------------------------------

// A free notification runs both ways: it is dropped only when neither field still holds the
// component.
void TvgBrushDesign::Watch(TComponent*& field, TComponent* component) {
  TComponent* old = std::exchange(field, component);
  if (old == component) return;
  if (old && old != object_ && old != brushOwner_) old->RemoveFreeNotification(this);
  if (component) component->FreeNotification(this);
}

void TvgBrushDesign::ForgetBrush() {
  brush_ = nullptr;
  Watch(brushOwner_, nullptr);
}

void TvgBrushDesign::Notification(TComponent* component, TOperation operation) {
  TForm::Notification(component, operation);
  if (operation != opRemove || !component) return;
  if (component == brushOwner_) ForgetBrush();
  if (component == object_) {
    object_ = nullptr;
    // The rows point at the freed object's brushes.
    if (brushList) brushList->Clear();
  }
}

void TvgBrushDesign::SetObject(TComponent* object) {
  ForgetBrush();
  Watch(object_, object);
  brushList->Clear();
  brushList->SetHeight(kEmptyListHeight);
  if (object) {
    for (const auto& [name, brush] : PublishedBrushes(object)) {
      NewRow(*brushList, brush, name);
      brushList->SetHeight(brushList->Height() + kBrushRowHeight);
      if (!brush_) {
        brush_ = brush;
        Watch(brushOwner_, object);
      }
    }
  }
  brushList->SetItemIndex(0);
}

void TvgBrushDesign::brushListChange(TObject*) {
  if (auto* brush = dynamic_cast<TvgBrush*>(SelectedTag(brushList))) SetBrush(brush);
}

void TvgBrushDesign::SetBrush(TvgBrush* brush, TComponent* brushOwner) {
  if (!brush) return;
  brush_ = brush;
  Watch(brushOwner_, brushOwner ? brushOwner : object_);
  const TTemporaryChange<bool> showing(showingBrush_, true);
  switch (brush->Style()) {
    case vgBrushNone: SelectTab(tabNone); break;
    case vgBrushSolid:
      solidPicker->SetColor(brush->SolidColor());
      gradEditor->Gradient()->Assign(brush->Gradient());
      SelectTab(tabSolid);
      break;
    case vgBrushGradient:
      solidPicker->SetColor(brush->SolidColor());
      gradEditor->Gradient()->Assign(brush->Gradient());
      gradKind->SetItemIndex(brush->Gradient()->Style());
      ShowAngleFromGradient();
      UpdateAngleVisibility();
      gradQuadChange(this);
      SelectTab(tabGradient);
      break;
    case vgBrushBitmap:
      SelectTab(tabBitmap);
      bitmapImage->SetBitmap(brush->Bitmap()->Bitmap());
      tileModeList->SetItemIndex(brush->Bitmap()->WrapMode());
      break;
    case vgBrushResource:
      SelectTab(tabRes);
      FillResourceList();
      break;
    case vgBrushVisual: break;
  }
  SelectRowTagged(brushList, brush);
}

IvgWindowScene* TvgBrushDesign::Scene() const { return SceneOf(object_); }

void TvgBrushDesign::RepaintObject() {
  if (auto* object = dynamic_cast<TvgObject*>(object_); object && object->IsVisual()) object->Visual()->Repaint();
}

// --- Tabs ----------------------------------------------------------------------------------------

TvgBrushStyle TvgBrushDesign::TabStyle() const {
  const TvgTabItem* tab = brushTabControl->SelectedTab();
  if (tab == tabNone) return vgBrushNone;
  if (tab == tabSolid) return vgBrushSolid;
  if (tab == tabGradient) return vgBrushGradient;
  if (tab == tabBitmap) return vgBrushBitmap;
  if (tab == tabRes) return vgBrushResource;
  return brush_ ? brush_->Style() : vgBrushNone;
}

// Selecting the tab already selected changes nothing, so its change runs here instead.
void TvgBrushDesign::SelectTab(TvgTabItem* tab) {
  if (!tab->Visible()) return;
  if (brushTabControl->SelectedTab() == tab) return brushTabControlChange(brushTabControl);
  brushTabControl->SetItemIndex(tab->VisibleIndex());
}

void TvgBrushDesign::brushTabControlChange(TObject*) {
  const TvgBrushStyle style = TabStyle();
  if (brush_ && !showingBrush_) brush_->SetStyle(style);
  if (style == vgBrushGradient) {
    gradQuadChange(this);
    ShowAngleLabel();
  }
  const bool makesResources = style != vgBrushResource && style != vgBrushNone;
  btnMakeRes->SetVisible(makesResources);
  if (!makesResources) FillResourceList();
}

// --- Solid colour --------------------------------------------------------------------------------

void TvgBrushDesign::ShowSolidChannels(TvgColor color) {
  const TTemporaryChange<bool> showing(showingBrush_, true);
  ShowChannels(color, textSolidA, textSolidR, textSolidG, textSolidB, textSolidHex);
}

void TvgBrushDesign::solidQuadChange(TObject*) {
  if (!brush_) return;
  TvgColor color = brush_->SolidColor();
  solidQuad->SetAlpha(float(color >> 24) / 255);
  if (!showingBrush_) {
    color = (color & 0xFF000000) | (solidQuad->Color() & 0x00FFFFFF);
    brush_->SetSolidColor(color);
  }
  ShowSolidChannels(color);
}

// A typed colour stands as typed: the picker only shows it.
void TvgBrushDesign::textSolidHexChange(TObject*) {
  if (!brush_ || showingBrush_) return;
  brush_->SetSolidColor(TypedColor(textSolidHex));
  const TTemporaryChange<bool> showing(showingBrush_, true);
  solidPicker->SetColor(brush_->SolidColor());
}

void TvgBrushDesign::textSolidRChange(TObject*) {
  if (!brush_ || showingBrush_) return;
  brush_->SetSolidColor(ColorOfBoxes(textSolidA, textSolidR, textSolidG, textSolidB));
  const TTemporaryChange<bool> showing(showingBrush_, true);
  solidPicker->SetColor(brush_->SolidColor());
}

// --- Gradient ------------------------------------------------------------------------------------

void TvgBrushDesign::ShowGradientChannels(TvgColor color) {
  const TTemporaryChange<bool> showing(showingBrush_, true);
  ShowChannels(color, textGradA, textGradR, textGradG, textGradB, textGradHex);
}

void TvgBrushDesign::gradQuadChange(TObject*) {
  TvgGradientPoints* points = gradEditor->Gradient()->Points();
  const int current = gradEditor->CurrentPoint();
  if (!showingBrush_ && current >= 0 && current < points->Count()) {
    TvgGradientPoint* point = points->Points(current);
    point->SetIntColor((point->IntColor() & 0xFF000000) | (gradQuad->Color() & 0x00FFFFFF));
    if (brush_) brush_->Gradient()->Assign(gradEditor->Gradient());
  }
  ShowGradientChannels(gradColorRect->Color());
  gradEditor->Repaint();
}

void TvgBrushDesign::SetSelectedStopColor(TvgColor color) {
  TvgGradientPoints* points = gradEditor->Gradient()->Points();
  const int current = gradEditor->CurrentPoint();
  if (current < 0 || current >= points->Count()) return;
  points->Points(current)->SetIntColor(color);
  if (brush_) brush_->Gradient()->Assign(gradEditor->Gradient());
  const TTemporaryChange<bool> showing(showingBrush_, true);
  gradPicker->SetColor(color);
  gradEditor->Repaint();
}

void TvgBrushDesign::textGradRChange(TObject*) {
  if (!showingBrush_) SetSelectedStopColor(ColorOfBoxes(textGradA, textGradR, textGradG, textGradB));
}

void TvgBrushDesign::textGradHexChange(TObject*) {
  if (!showingBrush_) SetSelectedStopColor(TypedColor(textGradHex));
}

void TvgBrushDesign::gradEditorChange(TObject*) {
  if (brush_ && !showingBrush_) brush_->Gradient()->Assign(gradEditor->Gradient());
}

void TvgBrushDesign::gradKindChange(TObject*) {
  if (!showingBrush_ && gradKind->ItemIndex() >= 0) {
    const auto style = TvgGradientStyle(gradKind->ItemIndex());
    gradEditor->Gradient()->SetStyle(style);
    if (brush_) brush_->Gradient()->SetStyle(style);
  }
  UpdateAngleVisibility();
}

void TvgBrushDesign::UpdateAngleVisibility() { gradAngle->SetVisible(gradKind->ItemIndex() == vgLinearGradient); }

void TvgBrushDesign::ShowAngleLabel() {
  gradAngleLabel->SetText(GbkToUtf16(IntToStr(int64_t(std::trunc(gradAngle->Value())))));
}

// The angle of the line from start to stop, measured as the knob measures it (up positive).
void TvgBrushDesign::ShowAngleFromGradient() {
  const TvgGradient* gradient = brush_->Gradient();
  const TvgPoint start = gradient->StartPosition()->GetPoint(), stop = gradient->StopPosition()->GetPoint();
  float angle = gradAngle->Value();
  if (stop.X != start.X) {
    angle = -Degrees(std::atan((stop.Y - start.Y) / (stop.X - start.X)));
    if (stop.X < start.X) angle -= 180;
  }
  gradAngle->SetValue(angle);
  ShowAngleLabel();
}

void TvgBrushDesign::gradAngleChange(TObject*) {
  ShowAngleLabel();
  if (showingBrush_) return;
  const double a = gradAngle->Value() * std::numbers::pi / 180;
  const float c = Snapped(std::cos(a)), s = Snapped(std::sin(a));
  const float r = 0.5f * std::max(Reach(c), Reach(s));
  const TvgPoint start{0.5f - r * c, 0.5f + r * s}, stop{0.5f + r * c, 0.5f - r * s};
  for (TvgGradient* gradient : {gradEditor->Gradient(), brush_ ? brush_->Gradient() : nullptr}) {
    if (!gradient) continue;
    gradient->StartPosition()->SetPoint(start);
    gradient->StopPosition()->SetPoint(stop);
  }
  gradEditor->Repaint();
}

// --- Bitmap --------------------------------------------------------------------------------------

void TvgBrushDesign::btnSelectBitmapClick(TObject*) {
  auto* editor = TCustomForm::Create<TvgBitmapEditor>(Application);
  try {
    editor->LoadBitmap(bitmapImage->Bitmap());
    if (editor->ShowModal() == mrOk) TakeBitmap(*editor);
  } catch (...) {
    editor->Free();
    throw;
  }
  editor->Free();
}

void TvgBrushDesign::TakeBitmap(TvgBitmapEditor& editor) {
  editor.StoreBitmap(bitmapImage->Bitmap());
  if (brush_) brush_->Bitmap()->SetBitmap(bitmapImage->Bitmap());
  RepaintObject();
  bitmapImage->Repaint();
}

void TvgBrushDesign::tileModeListChange(TObject*) {
  if (!brush_ || showingBrush_ || tileModeList->ItemIndex() < 0) return;
  brush_->Bitmap()->SetWrapMode(TvgWrapMode(tileModeList->ItemIndex()));
  RepaintObject();
}

// --- Resources -----------------------------------------------------------------------------------

void TvgBrushDesign::FillResourceList() {
  IvgWindowScene* scene = Scene();
  TvgObject* root = scene ? scene->GetRoot() : nullptr;
  if (!root || !brush_) return;
  const TTemporaryChange<bool> showing(showingBrush_, true);
  resList->Clear();
  std::vector<TvgObject*> objects;
  root->AddObjectsToList(objects);
  for (TvgObject* object : objects) {
    auto* resource = dynamic_cast<TvgBrushObject*>(object);
    if (!resource) continue;
    TvgListBoxItem* row = NewRow(*resList, resource, resource->ResourceName());
    auto* swatch = new TvgRectangle(nullptr);
    swatch->SetStored(false);
    swatch->SetAlign(vaLeft);
    swatch->SetWidth(kBrushRowHeight - 4);
    swatch->Padding()->SetRect({2, 2, 2, 2});
    swatch->SetHitTest(false);
    swatch->Fill()->SetStyle(vgBrushResource);
    swatch->Fill()->Resource()->SetResource(resource);
    swatch->Stroke()->SetColor("#80FFFFFF");
    row->AddObject(swatch);
  }
  SelectRowTagged(resList, brush_->Resource()->Resource());
}

void TvgBrushDesign::resListChange(TObject*) {
  auto* resource = dynamic_cast<TvgBrushObject*>(SelectedTag(resList));
  if (!brush_ || !resource || showingBrush_) return;
  brush_->Assign(resource->Brush());
  brush_->Resource()->SetResource(resource);
  brush_->SetStyle(vgBrushResource);
}

std::string TvgBrushDesign::UniqueName(const std::string& base) {
  if (object_)
    if (auto* form = dynamic_cast<TCustomForm*>(object_->Owner()); form && form->Designer())
      return form->Designer()->UniqueName(base);
  if (Designer()) return Designer()->UniqueName(base);
  SetTag(Tag() + 1);
  return base + IntToStr(Tag());
}

// A typed name becomes a component name only when it is an identifier; one already taken by a
// component of the owner gets the first free number in place of its own.
std::string TvgBrushDesign::ValidResourceName(const std::string& typed) {
  const std::string name = Trim(typed);
  if (!IsValidIdent(name)) {
    Application->ShowException(EComponentError("'" + name + "' is not a valid component name"));
    return "";
  }
  TComponent* owner = Scene()->GetOwner();
  if (!owner || !owner->FindComponent(name)) return name;
  const std::string base = WithoutTrailingDigits(name);
  for (int n = 1;; ++n)
    if (const std::string numbered = base + IntToStr(n); !owner->FindComponent(numbered)) return numbered;
}

void TvgBrushDesign::MakeResource(const std::string& name) {
  IvgWindowScene* scene = Scene();
  auto* resource = new TvgBrushObject(scene->GetOwner());
  resource->SetResourceName(name);
  resource->SetName(name);
  resource->Brush()->Assign(brush_);
  scene->GetRoot()->AddObject(resource);
  FillResourceList();
}

void TvgBrushDesign::btnMakeResClick(TObject*) {
  IvgWindowScene* scene = Scene();
  if (!brush_ || !scene || !scene->GetRoot()) return;
  std::string name = UniqueName("Brush");
  if (!vgSystemDialogs().InputBox("New TvgBrushObject", "Enter resource name:", name)) return;
  name = ValidResourceName(name);
  if (!name.empty()) MakeResource(name);
}

// --- The window ----------------------------------------------------------------------------------

void TvgBrushDesign::FormCreate(TObject*) {}

void TvgBrushDesign::FormClose(TObject*, TCloseAction& action) {
  if (sharedDesigner != this) return;
  action = caFree;
  sharedDesigner = nullptr;
}

void TvgBrushDesign::btnOKClick(TObject*) { SetModalResult(mrOk); }
void TvgBrushDesign::btnCancelClick(TObject*) { SetModalResult(mrCancel); }

// The dialog's row of OK and Cancel ends the window; the shared designer has none.
void TvgBrushDesign::FitHeight() {
  const TvgVisualObject* last = Layout6->Visible() ? Layout6 : makeResLayout;
  const TvgRect margins = HudWindow1->Margins()->GetRect();
  SetClientHeight(int(std::trunc(last->Position()->Y() + last->Height() + margins.Top + margins.Bottom)));
}

TvgBrushDesign* vgBrushDesigner() { return sharedDesigner; }

TvgBrushDesign* ShowBrushDesigner(TObject* target, TComponent* owner) {
  if (!sharedDesigner) sharedDesigner = TCustomForm::Create<TvgBrushDesign>(Application);
  if (auto* brush = dynamic_cast<TvgBrush*>(target)) {
    sharedDesigner->SetObject(owner);
    sharedDesigner->SetBrush(brush, owner);
  } else {
    sharedDesigner->SetObject(dynamic_cast<TvgObject*>(target));
  }
  sharedDesigner->FitHeight();
  sharedDesigner->Show();
  return sharedDesigner;
}
