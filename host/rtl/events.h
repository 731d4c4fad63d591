// Host events: closures made of an object and a callable that can be read,
// saved, replaced, restored and tested for assignment, like the classic method
// pointers. By-reference event parameters are C++ references.
//
// A closure is cheap to copy and to call: a bound method (object + member
// function) and any other small, trivially copyable callable live inside the
// event itself (no allocation), so saving a handler, installing a hook or
// taking a copy before a call costs a few words of copying. Larger callables
// (a lambda capturing a string, say) are kept on the heap and copied with it.
#pragma once

#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace host {

class TObject;

template <class... Args>
class TEvent {
 public:
  TEvent() noexcept = default;
  TEvent(std::nullptr_t) noexcept {}
  // A method of an object: TEvent<TObject*>(this, &TFoo::Changed).
  template <class C>
  TEvent(C* obj, void (C::*method)(Args...)) : FData(obj) {
    Emplace(TBound<C>{obj, method});
  }
  // Any callable; `data` names the object it belongs to (may be null).
  template <class F, class = std::enable_if_t<!std::is_same_v<std::remove_cvref_t<F>, TEvent> &&
                                              std::is_invocable_v<std::remove_cvref_t<F>&, Args...>>>
  TEvent(F&& f, const void* data = nullptr) : FData(data) {
    Emplace(std::forward<F>(f));
  }

  TEvent(const TEvent& other) : FData(other.FData), FCall(other.FCall), FOps(other.FOps) {
    if (FOps)
      FOps->Copy(storage_, other.storage_);
    else
      std::memcpy(storage_, other.storage_, sizeof storage_);
  }
  TEvent(TEvent&& other) noexcept : FData(other.FData), FCall(other.FCall), FOps(other.FOps) {
    std::memcpy(storage_, other.storage_, sizeof storage_);  // inline bits, or the heap pointer
    other.FCall = nullptr;
    other.FOps = nullptr;
  }
  TEvent& operator=(const TEvent& other) {
    if (this != &other) *this = TEvent(other);
    return *this;
  }
  TEvent& operator=(TEvent&& other) noexcept {
    if (this == &other) return *this;
    Reset();
    FData = other.FData;
    FCall = std::exchange(other.FCall, nullptr);
    FOps = std::exchange(other.FOps, nullptr);
    std::memcpy(storage_, other.storage_, sizeof storage_);
    return *this;
  }
  ~TEvent() { Reset(); }

  explicit operator bool() const noexcept { return FCall != nullptr; }
  bool Assigned() const noexcept { return FCall != nullptr; }
  const void* Data() const noexcept { return FData; }
  // Whether both hold the same method of the same object (the classic
  // comparison of two method pointers); closures kept on the heap are only
  // the same as themselves.
  bool SameAs(const TEvent& other) const noexcept {
    if (FCall != other.FCall || FData != other.FData) return false;
    if (FOps || other.FOps) return this == &other;
    return std::memcmp(storage_, other.storage_, sizeof storage_) == 0;
  }
  // Calls the closure. It may free the object that holds this event: nothing
  // of the event is touched once the callable runs.
  void operator()(Args... args) const { FCall(storage_, std::forward<Args>(args)...); }

 private:
  static constexpr std::size_t kInline = 3 * sizeof(void*);
  using TCall = void (*)(const void* storage, Args...);
  // How a heap-held callable is copied and released; null for inline ones.
  struct TOps {
    void (*Copy)(void* to, const void* from);
    void (*Destroy)(void* storage);
  };

  template <class C>
  struct TBound {
    C* Obj;
    void (C::*Method)(Args...);
    void operator()(Args... a) const { (Obj->*Method)(std::forward<Args>(a)...); }
  };

  template <class F>
  static constexpr bool kFitsInline =
      sizeof(F) <= kInline &&
      alignof(F) <= alignof(void*) && std::is_trivially_copyable_v<F>&& std::is_trivially_destructible_v<F>;

  template <class F>
  static F& Stored(const void* storage) {
    if constexpr (kFitsInline<F>)
      return *static_cast<F*>(const_cast<void*>(storage));
    else
      return **static_cast<F* const*>(storage);
  }

  template <class G>
  void Emplace(G&& g) {
    using F = std::remove_cvref_t<G>;
    if constexpr (std::is_pointer_v<F> || std::is_member_function_pointer_v<F>) {
      if (!g) return;  // a null function pointer is an unassigned event
    }
    if constexpr (kFitsInline<F>) {
      new (storage_) F(std::forward<G>(g));
    } else {
      F* held = new F(std::forward<G>(g));
      std::memcpy(storage_, &held, sizeof held);
      static constexpr TOps ops{[](void* to, const void* from) {
                                  F* copy = new F(Stored<F>(from));
                                  std::memcpy(to, &copy, sizeof copy);
                                },
                                [](void* storage) { delete &Stored<F>(storage); }};
      FOps = &ops;
    }
    FCall = [](const void* storage, Args... a) { Stored<F>(storage)(std::forward<Args>(a)...); };
  }

  void Reset() noexcept {
    if (FOps) FOps->Destroy(storage_);
    FOps = nullptr;
    FCall = nullptr;
  }

  const void* FData = nullptr;
  TCall FCall = nullptr;
  const TOps* FOps = nullptr;
  alignas(void*) unsigned char storage_[kInline] = {};
};

using TNotifyEvent = TEvent<TObject*>;

}  // namespace host
