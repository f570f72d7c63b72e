#pragma once
// Events: a handler is either code assigned directly (a lambda) or a published method bound by
// name from a stream; the latter keeps its identity (method entry + object) so it can be written back.
// Copies of an event share its handler, so a copy can tell that it holds the same handler.
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>

#include "classlib/core/SysUtils.h"

class TObject;

struct TMethodInfo {
  std::string Name;
  const std::type_info* Signature;  // typeid(void(Args...))
  void (*Thunk)();                  // really void (*)(TObject*, Args...)
};

struct TMethod {
  const TMethodInfo* Code = nullptr;
  TObject* Data = nullptr;
  bool operator==(const TMethod&) const = default;
  explicit operator bool() const { return Code != nullptr; }
};

template <class... A>
class TEvent {
public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}
  template <class F, class = std::enable_if_t<std::is_invocable_v<F&, A...> &&
                                              !std::is_same_v<std::decay_t<F>, TEvent>>>
  TEvent(F&& handler) {
    std::function<void(A...)> function(std::forward<F>(handler));
    if (function) handler_ = std::make_shared<const std::function<void(A...)>>(std::move(function));
  }

  // A published method as a handler; an empty method clears the event.
  static TEvent FromMethod(const TMethod& method) {
    TEvent event;
    if (!method) return event;
    if (*method.Code->Signature != typeid(void(A...)))
      throw EPropertyError("Incompatible types: method '" + method.Code->Name + "'");
    auto thunk = reinterpret_cast<void (*)(TObject*, A...)>(method.Code->Thunk);
    TObject* data = method.Data;
    event.handler_ = std::make_shared<const std::function<void(A...)>>(
        [thunk, data](A... args) { thunk(data, args...); });
    event.method_ = method;
    return event;
  }

  const TMethod& Method() const { return method_; }
  explicit operator bool() const { return bool(handler_); }
  void operator()(A... args) const {
    if (handler_) (*handler_)(args...);
  }
  // The same published method, or a copy of the same handler; two empty events are the same.
  bool SameHandler(const TEvent& other) const {
    if (method_ || other.method_) return method_ == other.method_;
    return handler_ == other.handler_;
  }

private:
  std::shared_ptr<const std::function<void(A...)>> handler_;
  TMethod method_;
};

using TNotifyEvent = TEvent<TObject*>;
