#pragma once
// TvgBrushDesign: the window that edits a brush live: its style by tabs, a solid colour by quad,
// hue strip, channel boxes and hex text, a gradient by the gradient editor with kind and angle, a
// bitmap through the bitmap editor with a tile mode, and a resource brush chosen among (or made
// into) the scene's brush objects. Its layout is the form resource TVGBRUSHDESIGN.
//
// The brush and the object it edits belong to others: the window takes free notifications of
// the object and of the brush's owner, and forgets what goes.
#include <string>

#include "classlib/desktop/Form.h"
#include "engine/paint/Brush.h"

class IvgWindowScene;
class TvgAngleButton;
class TvgBitmapEditor;
class TvgColorBox;
class TvgColorPicker;
class TvgColorQuad;
class TvgCustomButton;
class TvgCustomTextBox;
class TvgGradientEdit;
class TvgHudWindow;
class TvgImage;
class TvgLabel;
class TvgListBox;
class TvgNumberBox;
class TvgPopupBox;
class TvgTabControl;
class TvgTabItem;
class TvgVisualObject;

class TvgBrushDesign : public TForm {
  CL_CLASS(TvgBrushDesign, TForm)
public:
  using TForm::TForm;
  ~TvgBrushDesign() override;

  // Lists the object's published brushes (properties of class TvgBrush) and edits the first.
  void SetObject(TComponent* object);
  // Shows the brush on the tab of its style; nullptr edits nothing. The brush goes with
  // brushOwner (the edited object when none is given): when that is freed, the window forgets it.
  void SetBrush(TvgBrush* brush, TComponent* brushOwner = nullptr);
  // Lists the brush objects below the scene's root, the brush's resource selected.
  void FillResourceList();
  // A component name for a new resource: the form designer's, else base and the next count.
  std::string UniqueName(const std::string& base);

  TvgBrush* EditedBrush() const { return brush_; }
  TComponent* EditedObject() const { return object_; }

  void FormCreate(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void brushListChange(TObject* sender);
  void brushTabControlChange(TObject* sender);
  void solidQuadChange(TObject* sender);
  void textSolidHexChange(TObject* sender);
  void textSolidRChange(TObject* sender);
  void gradEditorChange(TObject* sender);
  void gradQuadChange(TObject* sender);
  void textGradRChange(TObject* sender);
  void textGradHexChange(TObject* sender);
  void gradKindChange(TObject* sender);
  void gradAngleChange(TObject* sender);
  void btnSelectBitmapClick(TObject* sender);
  void resListChange(TObject* sender);
  void btnMakeResClick(TObject* sender);
  void tileModeListChange(TObject* sender);
  void btnOKClick(TObject* sender);
  void btnCancelClick(TObject* sender);

  void Loaded() override;
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;

  // The form's parts, found once it has loaded.
  TvgHudWindow* HudWindow1 = nullptr;
  TvgListBox* brushList = nullptr;
  TvgTabControl* brushTabControl = nullptr;
  TvgTabItem* tabNone = nullptr;
  TvgTabItem* tabSolid = nullptr;
  TvgTabItem* tabGradient = nullptr;
  TvgTabItem* tabBitmap = nullptr;
  TvgTabItem* tabRes = nullptr;
  TvgColorQuad* solidQuad = nullptr;
  TvgColorPicker* solidPicker = nullptr;
  TvgColorBox* solidColorRect = nullptr;
  TvgNumberBox* textSolidR = nullptr;
  TvgNumberBox* textSolidG = nullptr;
  TvgNumberBox* textSolidB = nullptr;
  TvgNumberBox* textSolidA = nullptr;
  TvgCustomTextBox* textSolidHex = nullptr;
  TvgGradientEdit* gradEditor = nullptr;
  TvgColorQuad* gradQuad = nullptr;
  TvgColorPicker* gradPicker = nullptr;
  TvgColorBox* gradColorRect = nullptr;
  TvgNumberBox* textGradR = nullptr;
  TvgNumberBox* textGradG = nullptr;
  TvgNumberBox* textGradB = nullptr;
  TvgNumberBox* textGradA = nullptr;
  TvgCustomTextBox* textGradHex = nullptr;
  TvgPopupBox* gradKind = nullptr;
  TvgAngleButton* gradAngle = nullptr;
  TvgLabel* gradAngleLabel = nullptr;
  TvgImage* bitmapImage = nullptr;
  TvgCustomButton* btnSelectBitmap = nullptr;
  TvgPopupBox* tileModeList = nullptr;
  TvgListBox* resList = nullptr;
  TvgCustomButton* btnMakeRes = nullptr;
  TvgVisualObject* makeResLayout = nullptr;
  TvgCustomButton* btnOK = nullptr;
  TvgCustomButton* btnCancel = nullptr;
  TvgVisualObject* Layout6 = nullptr;

  // Fits the client height to the window's last shown row.
  void FitHeight();

private:
  template <class T>
  T* Part(const char* name);
  IvgWindowScene* Scene() const;  // the edited object's
  void Watch(TComponent*& field, TComponent* component);
  void ForgetBrush();
  TvgBrushStyle TabStyle() const;
  void SelectTab(TvgTabItem* tab);
  void ShowSolidChannels(uint32_t color);
  void ShowGradientChannels(uint32_t color);
  void SetSelectedStopColor(uint32_t color);
  void ShowAngleFromGradient();
  void ShowAngleLabel();
  void UpdateAngleVisibility();
  void RepaintObject();
  void TakeBitmap(TvgBitmapEditor& editor);
  std::string ValidResourceName(const std::string& typed);
  void MakeResource(const std::string& name);

  TvgBrush* brush_ = nullptr;
  TComponent* brushOwner_ = nullptr;
  TComponent* object_ = nullptr;
  // While the controls take the brush's values, their change events write nothing back.
  bool showingBrush_ = false;
};

// Shows the one shared, modeless designer: for a brush (target a TvgBrush, owner the component
// it belongs to), for every brush of an object (target a TvgObject), or for nothing (nullptr).
TvgBrushDesign* ShowBrushDesigner(TObject* target, TComponent* owner = nullptr);
// The shared designer while it is open, else nullptr.
TvgBrushDesign* vgBrushDesigner();
