#pragma once
// Forms: top-level windows owned by the application window. A form class streams its
// components and properties from the form resource named after the class in upper case
// (RCDATA "TFRMMSG" for TfrmMsg), binding its published handlers by name.
#include "classlib/desktop/Win32.h"

#include <string>

#include "classlib/desktop/Graphics.h"
#include "classlib/desktop/WinControl.h"

CL_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
CL_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
CL_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
        poMainFormCenter, poOwnerFormCenter)
CL_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
CL_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
using TCloseEvent = TEvent<TObject*, TCloseAction&>;

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrAbort = IDABORT;
inline constexpr TModalResult mrRetry = IDRETRY;
inline constexpr TModalResult mrIgnore = IDIGNORE;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;

// The form designer that edits a form, as the form's components ask it.
class IDesignerHook {
public:
  virtual bool IsSelected(TComponent* component) = 0;
  // A component name, base followed by a number, that no component of the form has yet.
  virtual std::string UniqueName(const std::string& base) = 0;

protected:
  ~IDesignerHook() = default;
};

class TCustomForm : public TWinControl {
  CL_CLASS(TCustomForm, TWinControl)
public:
  // A form without its form resource; OnCreate does not run.
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  void BeforeDestruction() override;

  // Makes a form of class F: streams its form resource (EResNotFound when there is none), then
  // runs OnCreate. An exception in OnCreate goes to the application's handler.
  template <class F>
  static F* Create(TComponent* owner) {
    return static_cast<F*>(Streamed(new F(owner)));
  }
  // The same for a form class known by its class information.
  static TCustomForm* CreateOfClass(TClass formClass, TComponent* owner);

  const std::string& Caption() const { return caption_; }  // 8-bit GBK text
  void SetCaption(const std::string& caption);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position);
  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  RECT ClientRect() const override;
  TFont* Font() const { return font_; }
  void SetFont(TFont* font) { font_->Assign(font); }

  // Shows the form and brings it to the front.
  void Show();
  void BringToFront();
  // Runs OnClose; hides the form, or frees it later (caFree); closing the main form ends the
  // application's message loop. On a modal form it sets ModalResult to mrCancel.
  void Close();
  // Shows the form with the program's other windows disabled until ModalResult is set.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  // The designer editing the form, nullptr at run time; not owned.
  IDesignerHook* Designer() const { return designer_; }
  void SetDesigner(IDesignerHook* designer) { designer_ = designer; }
  // Frees the form once the messages already waiting for it are handled.
  void Release();
  // Each shown control of the form that shows actions brings its action up to date.
  void UpdateActions();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;

  void WndProc(TMessage& message) override;
  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  bool ShouldShow() const override { return Visible(); }
  virtual void DoCreate();
  // Streams the new form's resource and runs OnCreate; a form whose resource fails is freed.
  static TCustomForm* Streamed(TCustomForm* form);
  virtual void DoDestroy();
  virtual void DoClose(TCloseAction& action);
  void ReadFormResource();

private:
  IDesignerHook* designer_ = nullptr;
  void ShowingChanged();
  void ApplyPosition();
  void CloseModal();
  void WindowStyles(DWORD& style, DWORD& exStyle) const;
  int FrameWidth() const;
  int FrameHeight() const;

  std::string caption_;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  TFont* font_ = new TFont;
  bool positioned_ = false;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
  int pendingClientWidth_ = -1;
  int pendingClientHeight_ = -1;
};

class TForm : public TCustomForm {
  CL_CLASS(TForm, TCustomForm)
public:
  using TCustomForm::TCustomForm;
};
