// The trace of the road an event takes: a descriptor's hook handing an event
// to its listeners, and each connection acting on it. An observer (the
// `corvane run` trace, a test) sees every step in order; nothing is built
// while none is installed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "host/classes/component.h"
#include "host/rtl/variants.h"

namespace kel {

enum TkelTraceKind : uint8_t {
  tkConnection,  // a connection about to act (so the events its action causes come after)
  tkHook,        // a hooked event about to reach the listeners registered for it
};

struct TkelTraceEntry {
  TkelTraceEntry() = default;
  // A connection's entry.
  TkelTraceEntry(host::TComponent* connection, host::TObject* source, std::string event, host::TObject* target,
                 std::string feature, std::vector<host::Variant> values)
      : Connection(connection), Source(source), Event(std::move(event)), Target(target), Feature(std::move(feature)),
        Values(std::move(values)) {}

  host::TComponent* Connection = nullptr;  // the connection acting; null for a hook
  host::TObject* Source = nullptr;         // whose event fired
  std::string Event;
  host::TObject* Target = nullptr;    // what the connection acts on; null for a hook
  std::string Feature;                // the method called or property assigned
  std::vector<host::Variant> Values;  // arguments, the value assigned, or the event's arguments
  TkelTraceKind Kind = tkConnection;
  std::vector<std::string> Names;  // a hook's parameter names, one per value
};
using TkelTraceProc = std::function<void(const TkelTraceEntry&)>;

// Installs Proc as the observer (an empty one removes it) and returns the
// one it replaces.
TkelTraceProc kelSetTraceProc(TkelTraceProc Proc);
namespace detail {
extern bool g_kelTracing;
}  // namespace detail
// True while an observer is installed: entries are built only then.
inline bool kelTracing() { return detail::g_kelTracing; }
void kelTrace(const TkelTraceEntry& Entry);

}  // namespace kel
