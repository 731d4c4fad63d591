// An event-argument policy for hooks whose by-reference records and sets
// are handed to the listeners where the host keeps them: the parameter
// record holds the address of the host's own value (a value area while the
// event is fired, so a listener may pass it on), and step 5 copies the
// value at the address the record then holds back into it — onto itself
// when a listener left the address alone.
//
//   .EventWith<TkelHostRefArgs<host::TRect>>("OnGetSiteInfo", &TWinControl::OnGetSiteInfo)
#pragma once

#include <type_traits>

#include "descriptors/kelconvert.h"
#include "descriptors/kelpattern.h"

namespace kel {

// The host's own value, a value area while the event is fired (unless it
// lies in one already), so that listeners may read it and pass it on.
template <class T>
class THostValue {
 public:
  THostValue() = default;
  THostValue(const THostValue&) = delete;
  THostValue& operator=(const THostValue&) = delete;
  ~THostValue() {
    if (FStart) kelRemoveValueArea(FStart);
  }
  void Hold(T& value) {
    if (kelIsValueAddress(&value, sizeof(T))) return;
    kelAddValueArea(&value, sizeof(T), nullptr, nullptr);
    FStart = &value;
  }

 private:
  const void* FStart = nullptr;
};

// The arguments of types T& travel as the address of the host's value; the
// others as TkelHookArgs passes them.
template <class... T>
struct TkelHostRefArgs : TkelHookArgs {
  template <class A>
  static constexpr bool kHeld = (std::is_same_v<A, T&> || ...);

  template <class A>
  using Local = std::conditional_t<kHeld<A>, THostValue<std::remove_reference_t<A>>, TkelHookArgs::Local<A>>;

  template <class A, class L>
  static void Store(TkelEventInfo& event, int i, L& local, std::remove_reference_t<A>& value) {
    if constexpr (kHeld<A>) {
      local.Hold(value);
      event.GetArgs(i)->Value = host::Variant::FromPointer(&value);
    } else {
      TkelHookArgs::Store<A>(event, i, local, value);
    }
  }
};

}  // namespace kel
