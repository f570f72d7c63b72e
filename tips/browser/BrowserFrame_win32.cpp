#include "tips/browser/BrowserFrame_win32.h"

#include <mshtmdid.h>
#include <oleauto.h>

#include "tips/browser/HtmlListener.h"
#include "tips/browser/OleCheck.h"

using Microsoft::WRL::ComPtr;

namespace {

// The document events' dispatch interface (HTMLDocumentEvents2).
constexpr IID kHtmlDocumentEvents2 = {0x3050f613, 0x98b5, 0x11cf, {0xbb, 0x82, 0x00, 0xaa, 0x00, 0xbd, 0xce, 0x0b}};

class TBrowserEventObj : public IHtmlEventObj {
public:
  explicit TBrowserEventObj(ComPtr<IHTMLEventObj> event) : event_(std::move(event)) {}

  std::wstring SrcElementClassName() override {
    ComPtr<IHTMLElement> source;
    OleCheck(event_->get_srcElement(&source));
    if (!source) return {};
    BSTR name = nullptr;
    OleCheck(source->get_className(&name));
    std::wstring text = name ? std::wstring(name, SysStringLen(name)) : std::wstring();
    SysFreeString(name);
    return text;
  }

private:
  ComPtr<IHTMLEventObj> event_;
};

// Receives one document's events for a listener; knows when the listener is gone.
class TDocumentEventSink : public IDispatch {
public:
  explicit TDocumentEventSink(std::shared_ptr<THtmlListener* const> listener) : listener_(std::move(listener)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IDispatch || id == kHtmlDocumentEvents2) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (member != DISPID_HTMLDOCUMENTEVENTS2_ONCLICK) return S_OK;
    // The page's own handling of the click goes on.
    if (result) {
      VariantInit(result);
      result->vt = VT_BOOL;
      result->boolVal = VARIANT_TRUE;
    }
    THtmlListener* listener = *listener_;
    if (!listener || !parameters || parameters->cArgs < 1 || parameters->rgvarg[0].vt != VT_DISPATCH) return S_OK;
    ComPtr<IHTMLEventObj> event;
    if (!parameters->rgvarg[0].pdispVal ||
        FAILED(parameters->rgvarg[0].pdispVal->QueryInterface(IID_PPV_ARGS(&event))))
      return S_OK;
    TBrowserEventObj eventObj(event);
    listener->HandleEvent(eiOnClick, eventObj);
    return S_OK;
  }

private:
  virtual ~TDocumentEventSink() = default;
  std::shared_ptr<THtmlListener* const> listener_;
  ULONG references_ = 1;
};

class TConnectionLink : public IListenerLink {
public:
  TConnectionLink(ComPtr<IConnectionPoint> point, DWORD cookie) : point_(std::move(point)), cookie_(cookie) {}
  ~TConnectionLink() override { Disconnect(); }

  void Disconnect() override {
    if (!point_) return;
    point_->Unadvise(cookie_);
    point_.Reset();
  }

private:
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_;
};

}  // namespace

std::shared_ptr<IListenerLink> TBrowserDocument::ConnectListener(THtmlListener& listener) {
  ComPtr<IConnectionPointContainer> container;
  if (FAILED(document_.As(&container))) return nullptr;
  ComPtr<IConnectionPoint> point;
  OleCheck(container->FindConnectionPoint(kHtmlDocumentEvents2, &point));
  ComPtr<TDocumentEventSink> sink;
  sink.Attach(new TDocumentEventSink(listener.Liveness()));
  DWORD cookie = 0;
  OleCheck(point->Advise(sink.Get(), &cookie));
  return std::make_shared<TConnectionLink>(point, cookie);
}

std::unique_ptr<TBrowserFrame> TBrowserFrame::FromDispatch(IDispatch* object) {
  ComPtr<IWebBrowser2> browser;
  if (!object || FAILED(object->QueryInterface(IID_PPV_ARGS(&browser)))) return nullptr;
  return std::unique_ptr<TBrowserFrame>(new TBrowserFrame(browser));
}

IHtmlDocument* TBrowserFrame::HtmlDocument() {
  if (!documentRead_) {
    documentRead_ = true;
    ComPtr<IDispatch> dispatch;
    ComPtr<IHTMLDocument2> document;
    if (SUCCEEDED(browser_->get_Document(&dispatch)) && dispatch && SUCCEEDED(dispatch.As(&document)))
      document_ = std::make_unique<TBrowserDocument>(document);
  }
  return document_.get();
}
