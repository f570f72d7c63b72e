#include "tips/browser/WebBrowserHost.h"

#include "classlib/desktop/Win32.h"
#include <exdisp.h>
#include <exdispid.h>
#include <mshtmhst.h>
#include <mshtml.h>
#include <oleauto.h>
#include <wrl/client.h>

#include "tips/browser/BrowserFrame_win32.h"
#include "tips/browser/EmbeddedWB.h"
#include "tips/browser/OleCheck.h"
#include "tips/browser/OleVariant_win32.h"

using Microsoft::WRL::ComPtr;

namespace {

class TBstr {
public:
  explicit TBstr(const std::wstring& text) : text_(SysAllocStringLen(text.data(), UINT(text.size()))) {}
  ~TBstr() { SysFreeString(text_); }
  TBstr(const TBstr&) = delete;
  TBstr& operator=(const TBstr&) = delete;
  BSTR Get() const { return text_; }

private:
  BSTR text_;
};

DWORD HostFlags(TUserInterfaceOptions options) {
  DWORD flags = 0;
  if (options.Contains(DisableTextSelect)) flags |= DOCHOSTUIFLAG_DIALOG;
  if (options.Contains(DontUse3DBorders)) flags |= DOCHOSTUIFLAG_NO3DBORDER;
  if (options.Contains(EnablesFormsAutoComplete)) flags |= DOCHOSTUIFLAG_ENABLE_FORMS_AUTOCOMPLETE;
  if (options.Contains(EnableThemes)) flags |= DOCHOSTUIFLAG_THEME;
  return flags;
}

// The control's container: client site, in-place site and frame, UI handler, and the sink of
// the control's DWebBrowserEvents2. One COM object; the host holds it while the control lives.
class TBrowserSite : public IOleClientSite,
                     public IOleInPlaceSite,
                     public IOleInPlaceFrame,
                     public IDocHostUIHandler,
                     public IDispatch {
public:
  explicit TBrowserSite(TEmbeddedWB& browser) : browser_(&browser) {}

  void SetWindow(HWND window) { window_ = window; }
  // The browser is going: events that still arrive find nobody.
  void Detach() { browser_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IOleClientSite) *object = static_cast<IOleClientSite*>(this);
    else if (id == IID_IOleWindow || id == IID_IOleInPlaceSite) *object = static_cast<IOleInPlaceSite*>(this);
    else if (id == IID_IOleInPlaceUIWindow || id == IID_IOleInPlaceFrame) *object = static_cast<IOleInPlaceFrame*>(this);
    else if (id == IID_IDocHostUIHandler) *object = static_cast<IDocHostUIHandler*>(this);
    else if (id == IID_IDispatch || id == DIID_DWebBrowserEvents2) *object = static_cast<IDispatch*>(this);
    else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (of the in-place site and of the frame)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = window_;
    return window_ ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    *position = client;
    *clip = client;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow, IOleInPlaceFrame: no menus, toolbars or status line of the control.
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  // IDocHostUIHandler
  HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override {
    // S_OK: the host has dealt with it, so the control shows no menu.
    return browser_ && browser_->DisabledPopupMenus.Contains(rcmAll) ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override {
    info->dwFlags = browser_ ? HostFlags(browser_->UserInterfaceOptions) : 0;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                   IOleInPlaceUIWindow*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message, const GUID*, DWORD) override {
    return browser_ && message && browser_->HostTranslateAccelerator(*message) ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD) override {
    *key = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** target) override {
    *target = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override {
    *external = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) override {
    *translated = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** result) override {
    *result = nullptr;
    return S_FALSE;
  }

  // IDispatch: DWebBrowserEvents2
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    if (!browser_ || !parameters) return S_OK;
    // The arguments come last first.
    VARIANTARG* arguments = parameters->rgvarg;
    if (member == DISPID_BEFORENAVIGATE2 && parameters->cArgs == 7 && arguments[0].vt == (VT_BOOL | VT_BYREF))
      BeforeNavigate2(arguments);
    else if (member == DISPID_DOCUMENTCOMPLETE && parameters->cArgs == 2)
      DocumentComplete(arguments);
    return S_OK;
  }

private:
  virtual ~TBrowserSite() = default;

  static IDispatch* DispatchOf(const VARIANTARG& argument) {
    return argument.vt == VT_DISPATCH ? argument.pdispVal : nullptr;
  }

  void BeforeNavigate2(VARIANTARG* arguments) {
    const auto frame = TBrowserFrame::FromDispatch(DispatchOf(arguments[6]));
    bool cancel = *arguments[0].pboolVal != VARIANT_FALSE;
    browser_->DoBeforeNavigate2(frame.get(), FromOleVariant(arguments[5]), FromOleVariant(arguments[4]),
                                FromOleVariant(arguments[3]), FromOleVariant(arguments[2]),
                                FromOleVariant(arguments[1]), cancel);
    *arguments[0].pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
  }

  void DocumentComplete(VARIANTARG* arguments) {
    const auto frame = TBrowserFrame::FromDispatch(DispatchOf(arguments[1]));
    browser_->DoDocumentComplete(frame.get(), FromOleVariant(arguments[0]));
  }

  TEmbeddedWB* browser_;
  HWND window_ = nullptr;
  ULONG references_ = 1;
};

// OLE on this thread for as long as a host lives; balanced only when this call started it.
class TOleScope {
public:
  TOleScope() : started_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~TOleScope() {
    if (started_) OleUninitialize();
  }
  TOleScope(const TOleScope&) = delete;
  TOleScope& operator=(const TOleScope&) = delete;

private:
  bool started_;
};

class TWebBrowserHost : public IPageHost {
public:
  explicit TWebBrowserHost(TEmbeddedWB& browser) {
    site_.Attach(new TBrowserSite(browser));
    OleCheck(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object_)));
    OleCheck(object_->SetClientSite(site_.Get()));
    OleCheck(object_.As(&webBrowser_));
    webBrowser_->put_Silent(browser.Silent ? VARIANT_TRUE : VARIANT_FALSE);
    ComPtr<IConnectionPointContainer> container;
    OleCheck(object_.As(&container));
    OleCheck(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &events_));
    OleCheck(events_->Advise(static_cast<IDispatch*>(site_.Get()), &eventsCookie_));
  }

  ~TWebBrowserHost() override {
    site_->Detach();
    if (events_) events_->Unadvise(eventsCookie_);
    events_.Reset();
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
    }
  }

  void Embed(HWND window, const RECT& bounds) override {
    site_->SetWindow(window);
    RECT position = bounds;
    OleCheck(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, window, &position));
  }

  void Resize(const RECT& bounds) override {
    ComPtr<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(object_.As(&inPlace))) inPlace->SetObjectRects(&bounds, &bounds);
  }

  void Unembed() override {
    ComPtr<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(object_.As(&inPlace))) inPlace->InPlaceDeactivate();
    site_->SetWindow(nullptr);
  }

  void Navigate(const std::wstring& address) override {
    TBstr url(address);
    VARIANT empty;
    VariantInit(&empty);
    OleCheck(webBrowser_->Navigate(url.Get(), &empty, &empty, &empty, &empty));
  }

  // The control's active object translates the page's accelerators and asks the site's
  // IDocHostUIHandler::TranslateAccelerator first.
  bool TranslateAccelerator(MSG& message) override {
    ComPtr<IOleInPlaceActiveObject> active;
    return SUCCEEDED(object_.As(&active)) && active->TranslateAccelerator(&message) == S_OK;
  }

  std::optional<std::wstring> TopElementAttribute(const std::wstring& id, const std::wstring& name) override {
    ComPtr<IDispatch> dispatch;
    webBrowser_->get_Document(&dispatch);
    ComPtr<IHTMLDocument2> document;
    if (!dispatch || FAILED(dispatch.As(&document))) throw EOleError("Interface not supported");
    ComPtr<IHTMLElementCollection> all;
    OleCheck(document->get_all(&all));
    TBstr idText(id);
    VARIANT idArgument, index;
    VariantInit(&idArgument);
    idArgument.vt = VT_BSTR;
    idArgument.bstrVal = idText.Get();
    VariantInit(&index);
    index.vt = VT_I4;
    index.lVal = 0;
    ComPtr<IDispatch> item;
    OleCheck(all->item(idArgument, index, &item));
    ComPtr<IHTMLElement> element;
    if (!item || FAILED(item.As(&element))) return std::nullopt;
    return Attribute(*element.Get(), name);
  }

private:
  static std::optional<std::wstring> Attribute(IHTMLElement& element, const std::wstring& name) {
    TBstr nameText(name);
    VARIANT value;
    VariantInit(&value);
    OleCheck(element.getAttribute(nameText.Get(), 0, &value));
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return std::nullopt;
    const HRESULT converted = VariantChangeType(&value, &value, 0, VT_BSTR);
    std::wstring text;
    if (SUCCEEDED(converted) && value.bstrVal) text.assign(value.bstrVal, SysStringLen(value.bstrVal));
    VariantClear(&value);
    OleCheck(converted);
    return text;
  }

  TOleScope ole_;
  ComPtr<TBrowserSite> site_;
  ComPtr<IOleObject> object_;
  ComPtr<IWebBrowser2> webBrowser_;
  ComPtr<IConnectionPoint> events_;
  DWORD eventsCookie_ = 0;
};

}  // namespace

std::unique_ptr<IPageHost> CreateWebBrowserHost(TEmbeddedWB& browser) {
  return std::make_unique<TWebBrowserHost>(browser);
}
