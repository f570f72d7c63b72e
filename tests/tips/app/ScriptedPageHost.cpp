#include "ScriptedPageHost.h"

#include <stdexcept>

#include "classlib/core/SysUtils.h"

class TScriptedDocument::TLink : public IListenerLink {
public:
  explicit TLink(std::shared_ptr<TConnection> connection) : connection_(std::move(connection)) {}
  void Disconnect() override { connection_->Connected = false; }

private:
  std::shared_ptr<TConnection> connection_;
};

namespace {

class TScriptedEventObj : public IHtmlEventObj {
public:
  explicit TScriptedEventObj(std::wstring className) : className_(std::move(className)) {}
  std::wstring SrcElementClassName() override { return className_; }

private:
  std::wstring className_;
};

}  // namespace

std::shared_ptr<IListenerLink> TScriptedDocument::ConnectListener(THtmlListener& listener) {
  if (!hasConnectionPoints_) return nullptr;
  auto connection = std::make_shared<TConnection>();
  connection->Listener = listener.Liveness();
  connections_.push_back(connection);
  return std::make_shared<TLink>(connection);
}

void TScriptedDocument::Click(const std::wstring& className) {
  for (const auto& connection : std::vector<std::shared_ptr<TConnection>>(connections_)) {
    THtmlListener* listener = *connection->Listener;
    if (!connection->Connected || !listener) continue;
    TScriptedEventObj event(className);
    listener->HandleEvent(eiOnClick, event);
  }
}

int TScriptedDocument::Connections() const {
  int count = 0;
  for (const auto& connection : connections_) count += connection->Connected ? 1 : 0;
  return count;
}

class TScriptedPageHost::TFrame : public IWebFrame {
public:
  explicit TFrame(IHtmlDocument* document) : document_(document) {}
  IHtmlDocument* HtmlDocument() override { return document_; }

private:
  IHtmlDocument* document_;
};

bool TScriptedPageHost::BeforeNavigate(const std::wstring& url) {
  TFrame frame(top_.get());
  bool cancel = false;
  browser_.DoBeforeNavigate2(&frame, Variant(url), Variant(int32_t(0)), Variant(std::wstring()), Variant(),
                             Variant(std::wstring()), cancel);
  return cancel;
}

void TScriptedPageHost::CompleteTop(std::shared_ptr<TScriptedDocument> document, const std::wstring& url) {
  top_ = std::move(document);
  topIsHtml_ = true;
  Complete(top_.get(), url);
}

void TScriptedPageHost::CompleteFrame(std::shared_ptr<TScriptedDocument> document, const std::wstring& url) {
  Complete(document.get(), url);
}

void TScriptedPageHost::CompleteTopWithoutHtml(const std::wstring& url) {
  top_.reset();
  topIsHtml_ = false;
  Complete(nullptr, url);
}

void TScriptedPageHost::CompleteWithoutFrame(const std::wstring& url) {
  browser_.DoDocumentComplete(nullptr, Variant(url));
}

void TScriptedPageHost::Complete(IHtmlDocument* document, const std::wstring& url) {
  TFrame frame(document);
  browser_.DoDocumentComplete(&frame, Variant(url));
}

void TScriptedPageHost::Embed(HWND window, const RECT& bounds) {
  window_ = window;
  bounds_ = bounds;
}

void TScriptedPageHost::Resize(const RECT& bounds) { bounds_ = bounds; }

std::optional<std::wstring> TScriptedPageHost::TopElementAttribute(const std::wstring& id, const std::wstring& name) {
  if (!topIsHtml_ || !top_) throw EOleError("Interface not supported");
  const auto element = top_->Elements().find(id);
  if (element == top_->Elements().end()) return std::nullopt;
  const auto attribute = element->second.find(name);
  if (attribute == element->second.end()) return std::nullopt;
  return attribute->second;
}

bool TScriptedPageHost::TranslateAccelerator(MSG& message) {
  ++offeredKeys_;
  if (browser_.HostTranslateAccelerator(message)) {
    ++swallowedKeys_;
    return true;
  }
  if (message.message != WM_KEYDOWN) return false;
  if (message.wParam == VK_TAB) {
    pageKeys_.push_back(L"Tab");
    return true;
  }
  if (GetKeyState(VK_CONTROL) < 0 && message.wParam >= 'A' && message.wParam <= 'Z') {
    pageKeys_.push_back(L"Ctrl+" + std::wstring(1, wchar_t(message.wParam)));
    return true;
  }
  return false;
}

TScriptedPages::TScriptedPages() {
  TEmbeddedWB::SetPageHostFactory([this](TEmbeddedWB& browser) {
    auto host = std::make_unique<TScriptedPageHost>(browser);
    hosts_[&browser] = host.get();
    return host;
  });
}

TScriptedPages::~TScriptedPages() { TEmbeddedWB::SetPageHostFactory(nullptr); }

TScriptedPageHost& TScriptedPages::Of(TEmbeddedWB* browser) const {
  const auto found = hosts_.find(browser);
  if (found == hosts_.end()) throw std::logic_error("the browser has no scripted page host");
  return *found->second;
}
