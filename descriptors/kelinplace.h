// Records that the host changes where they are: a window message handed to
// a function such as IsShortCut or ProcessMenuChar by reference. The
// argument's Value is the record's address; the host works on the record at
// that address (no copy), and afterwards the same address goes back into
// the Value, so the caller reads the host's changes there.
#pragma once

#include <cstddef>
#include <type_traits>

#include "descriptors/kelpattern.h"

namespace kel {

// A raw method entry for the host member `f`, taking one record by reference.
// The address must be a value the library handed out that may be changed in
// place (kelCheckWritableAddress); it is checked before the host runs. A
// record the host reads as a larger one by what it holds (a message by its
// number) names `size`, the bytes the record at hand must have.
template <class H, class R, class M>
auto InPlace(R (H::*f)(M&), std::size_t (*size)(const M&) = nullptr) {
  static_assert(kelByAddress<M>, "only plain records are changed in place");
  return [f, size](auto& d, TkelMethodInfo& m) {
    CheckFeatureCount("Method", m.Name, "arguments", m.GetArgCount(), 1);
    H& h = d.HostOwner();
    const host::Variant address = m.GetArgs(0)->Value;
    void* record = address.AsPointer();
    kelCheckWritableAddress(record, sizeof(M), alignof(M));
    M& message = *static_cast<M*>(record);
    if (size) kelCheckWritableAddress(record, size(message), alignof(M));
    TkelLiveFrame frame(d.LiveFrames());
    if constexpr (std::is_void_v<R>) {
      (h.*f)(message);
      if (frame.Destroyed) return;  // the call freed the descriptor
    } else {
      const R result = (h.*f)(message);
      if (frame.Destroyed) return;
      if (m.Style == msFunction) m.Result = ToVariant(result);
    }
    m.GetArgs(0)->Value = address;
  };
}

}  // namespace kel
