// Host events: closures made of an object and a callable that can be read,
// saved, replaced, restored and tested for assignment, like the classic method
// pointers. By-reference event parameters are C++ references.
#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace host {

class TObject;

template <class... Args>
class TEvent {
 public:
  TEvent() = default;
  TEvent(std::nullptr_t) {}
  // A method of an object: TEvent<TObject*>(this, &TFoo::Changed).
  template <class C>
  TEvent(C* obj, void (C::*method)(Args...))
      : data_(obj), code_([obj, method](Args... a) { (obj->*method)(std::forward<Args>(a)...); }) {}
  // Any callable; `data` names the object it belongs to (may be null).
  template <class F, class = std::enable_if_t<!std::is_same_v<std::remove_cvref_t<F>, TEvent> &&
                                              std::is_invocable_v<F&, Args...>>>
  TEvent(F&& f, const void* data = nullptr) : data_(data), code_(std::forward<F>(f)) {}

  explicit operator bool() const { return static_cast<bool>(code_); }
  bool Assigned() const { return static_cast<bool>(code_); }
  const void* Data() const { return data_; }
  void operator()(Args... args) const { code_(std::forward<Args>(args)...); }

 private:
  const void* data_ = nullptr;
  std::function<void(Args...)> code_;
};

using TNotifyEvent = TEvent<TObject*>;

}  // namespace host
