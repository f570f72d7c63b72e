#include "tips/browser/EmbeddedWB.h"

#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Application.h"
#include "tips/browser/WebBrowserHost.h"

namespace {

TEmbeddedWB::TPageHostFactory& PageHostFactory() {
  static TEmbeddedWB::TPageHostFactory factory;
  return factory;
}

bool DirectoryExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CL_PUBLISHED(TEmbeddedWB) {
  published.Property("Silent", &TEmbeddedWB::Silent, &TEmbeddedWB::Silent).Default(false);
  published.Property("UserInterfaceOptions", &TEmbeddedWB::UserInterfaceOptions, &TEmbeddedWB::UserInterfaceOptions);
  published.Property("DisabledPopupMenus", &TEmbeddedWB::DisabledPopupMenus, &TEmbeddedWB::DisabledPopupMenus);
  published.Property("DisableCtrlShortcuts", &TEmbeddedWB::DisableCtrlShortcuts, &TEmbeddedWB::DisableCtrlShortcuts);
  published.Property("OnBeforeNavigate2", &TEmbeddedWB::OnBeforeNavigate2, &TEmbeddedWB::OnBeforeNavigate2);
  published.Property("OnDocumentComplete", &TEmbeddedWB::OnDocumentComplete, &TEmbeddedWB::OnDocumentComplete);
}

TEmbeddedWB::TEmbeddedWB(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 100, 100); }

TEmbeddedWB::~TEmbeddedWB() {
  // The page leaves the window before the window goes.
  if (embedded_) host_->Unembed();
}

void TEmbeddedWB::SetPageHostFactory(TPageHostFactory factory) { PageHostFactory() = std::move(factory); }

IPageHost& TEmbeddedWB::PageHost() {
  if (!host_) host_ = PageHostFactory() ? PageHostFactory()(*this) : CreateWebBrowserHost(*this);
  return *host_;
}

void TEmbeddedWB::Navigate(const std::string& address) {
  if (Trim(address).empty()) return;
  std::wstring target = GbkToUtf16(address);
  if (DirectoryExists(target)) target = L"file:///" + target;
  // The page shows once the browser sits in its window.
  if (Parent()) HandleNeeded();
  PageHost().Navigate(target);
}

std::optional<std::wstring> TEmbeddedWB::TopElementAttribute(const std::wstring& id, const std::wstring& name) {
  return PageHost().TopElementAttribute(id, name);
}

bool TEmbeddedWB::IsCtrlShortcutDisabled(WORD virtualKey) const {
  if (virtualKey < 'A' || virtualKey > 'Z') return false;
  return UpperCase(DisableCtrlShortcuts).find(char(virtualKey)) != std::string::npos;
}

bool TEmbeddedWB::HostTranslateAccelerator(const MSG& message) const {
  return message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && IsCtrlShortcutDisabled(WORD(message.wParam));
}

bool TEmbeddedWB::PreProcessMessage(MSG& message) { return embedded_ && host_->TranslateAccelerator(message); }

void TEmbeddedWB::DoBeforeNavigate2(IWebFrame* frame, const Variant& url, const Variant& flags,
                                    const Variant& targetFrameName, const Variant& postData, const Variant& headers,
                                    bool& cancel) {
  try {
    OnBeforeNavigate2(this, frame, url, flags, targetFrameName, postData, headers, cancel);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TEmbeddedWB::DoDocumentComplete(IWebFrame* frame, const Variant& url) {
  try {
    OnDocumentComplete(this, frame, url);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TEmbeddedWB::CreateWnd() {
  TWinControl::CreateWnd();
  PageHost().Embed(Handle(), ClientRect());
  embedded_ = true;
}

void TEmbeddedWB::DestroyWnd() {
  if (embedded_) {
    embedded_ = false;
    host_->Unembed();
  }
  TWinControl::DestroyWnd();
}

void TEmbeddedWB::BoundsChanged(bool sizeChanged) {
  TWinControl::BoundsChanged(sizeChanged);
  if (embedded_ && sizeChanged) host_->Resize(ClientRect());
}
