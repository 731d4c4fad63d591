// What the forms unit's descriptors share about values that are neither
// plain values nor records of the library's value areas:
//
// * the key message of OnShortCut and the message of OnMessage: the record
//   parameter holds the address of the host's own record, and after the
//   listeners the record at the address then held is copied back whole —
//   sizeof(TWMKey) bytes for a key message (more than the classic 16 here:
//   the message header and the key code, shift state and key data the host
//   reads), the 28 bytes of a TMsg;
// * OnClose's Action: an ordinal outside the close actions is refused
//   (ERangeError) before the host sees it;
// * objects that are no values of an area — the hint record of OnShowHint
//   (it holds a string) and the exception of OnException (no TObject):
//   their address is handed to the listeners while the event is fired, and
//   only such an address is taken back (TkelLiveAddresses);
// * message records a method takes after another argument (WantChildKey,
//   HintMouseMessage): changed in place, as kelinplace.h does for a record
//   alone.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "descriptors/kelhostargs.h"
#include "descriptors/kelinplace.h"
#include "host/forms/formtypes.h"

namespace kel {

// The objects of type T whose addresses hooks now hand to listeners.
template <class T>
class TkelLiveAddresses {
 public:
  TkelLiveAddresses() = default;
  TkelLiveAddresses(const TkelLiveAddresses&) = delete;
  TkelLiveAddresses& operator=(const TkelLiveAddresses&) = delete;
  ~TkelLiveAddresses() {
    if (FHeld) Live().erase(std::find(Live().begin(), Live().end(), FHeld));
  }
  void Hold(T* value) {
    if (!value || FHeld) return;
    FHeld = value;
    Live().push_back(value);
  }
  // The object at `address`; EInvalidCast unless a hook hands it out now.
  static T& At(const void* address, const char* what) {
    const auto it = std::find(Live().begin(), Live().end(), address);
    if (!address || it == Live().end())
      throw host::EInvalidCast(
          "Invalid typecast: %s is not the address of " + std::string(what) + " an event is reporting",
          {host::IntToStr(static_cast<int64_t>(reinterpret_cast<uintptr_t>(address)))});
    return **it;
  }

 private:
  static std::vector<T*>& Live() {
    static std::vector<T*> live;
    return live;
  }
  T* FHeld = nullptr;
};

// OnShortCut (form, application) and OnMessage: the message record by the
// host's address, copied back whole from the address a listener leaves.
using TShortCutArgs = TkelHostRefArgs<host::TWMKey>;
using TMessageArgs = TkelHostRefArgs<host::TMsg>;

// OnClose: Action written back as a checked ordinal.
struct TCloseArgs : TkelHookArgs {
  template <class A>
  static void WriteBack(TkelEventInfo& event, int i, std::remove_reference_t<A>& arg) {
    if constexpr (std::is_same_v<A, host::TCloseAction&>)
      arg = CheckedOrdinal(event.GetArgs(i)->Value.AsInteger(), host::caMinimize, "Action");
    else
      TkelHookArgs::WriteBack<A>(event, i, arg);
  }
};

// OnShowHint: HintStr and CanShow as values; HintInfo as the address of the
// host's record, copied back from the address a listener leaves (the
// host's own, or another record an OnShowHint is reporting now), its
// string being HintStr as the listeners left it.
struct TShowHintArgs : TkelHookArgs {
  template <class A>
  using Local = std::conditional_t<std::is_same_v<A, host::THintInfo&>, TkelLiveAddresses<host::THintInfo>,
                                   TkelHookArgs::Local<A>>;

  template <class A, class L>
  static void Store(TkelEventInfo& event, int i, L& local, std::remove_reference_t<A>& value) {
    if constexpr (std::is_same_v<A, host::THintInfo&>) {
      local.Hold(&value);
      event.GetArgs(i)->Value = host::Variant::FromPointer(&value);
    } else {
      TkelHookArgs::Store<A>(event, i, local, value);
    }
  }
  template <class A>
  static void WriteBack(TkelEventInfo& event, int i, std::remove_reference_t<A>& arg) {
    if constexpr (std::is_same_v<A, host::THintInfo&>) {
      // `arg` is the hook's copy of the host's record: the record at the
      // address left (the host's own while a listener kept it) is copied,
      // and its text is the HintStr parameter's, which the host hands over
      // as the record's own string (both are the same variable there).
      host::THintInfo record =
          TkelLiveAddresses<host::THintInfo>::At(event.GetArgs(i)->Value.AsPointer(), "a hint record");
      record.HintStr = FromVariant<std::string>(event.GetArgs(0)->Value);
      arg = std::move(record);
    } else {
      TkelHookArgs::WriteBack<A>(event, i, arg);
    }
  }
};

// OnException: E as the address of the exception, which ShowException
// takes back while the event is fired.
struct TExceptionArgs : TkelHookArgs {
  template <class A>
  using Local = std::conditional_t<std::is_same_v<A, host::Exception*>, TkelLiveAddresses<host::Exception>,
                                   TkelHookArgs::Local<A>>;

  template <class A, class L>
  static void Store(TkelEventInfo& event, int i, L& local, std::remove_reference_t<A>& value) {
    if constexpr (std::is_same_v<A, host::Exception*>) {
      local.Hold(value);
      event.GetArgs(i)->Value = host::Variant::FromPointer(value);
    } else {
      TkelHookArgs::Store<A>(event, i, local, value);
    }
  }
};

// A raw method entry for `f(Arg, Message&)`: the first argument converted,
// the record changed in place at the address the second holds (a value the
// library handed out), the same address written back afterwards.
template <class H, class R, class Arg, class M>
auto InPlaceAfter(R (H::*f)(Arg, M&)) {
  static_assert(kelByAddress<M>, "only plain records are changed in place");
  return [f](auto& d, TkelMethodInfo& m) {
    CheckFeatureCount("Method", m.Name, "arguments", m.GetArgCount(), 2);
    H& h = d.HostOwner();
    const TkelHolder<Arg> first = FromVariant<Arg>(m.GetArgs(0)->Value);
    const host::Variant address = m.GetArgs(1)->Value;
    void* record = address.AsPointer();
    kelCheckWritableAddress(record, sizeof(M), alignof(M));
    TkelLiveFrame frame(d.LiveFrames());
    if constexpr (std::is_void_v<R>) {
      (h.*f)(first, *static_cast<M*>(record));
      if (frame.Destroyed) return;  // the call freed the descriptor
    } else {
      const R result = (h.*f)(first, *static_cast<M*>(record));
      if (frame.Destroyed) return;
      if (m.Style == msFunction) m.Result = ToVariant(result);
    }
    m.GetArgs(1)->Value = address;
  };
}

}  // namespace kel
