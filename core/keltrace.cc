#include "core/keltrace.h"

#include <utility>

namespace kel {

namespace {
TkelTraceProc& TraceProc() {
  static TkelTraceProc proc;
  return proc;
}
}  // namespace

namespace detail {
bool g_kelTracing = false;
}  // namespace detail

TkelTraceProc kelSetTraceProc(TkelTraceProc Proc) {
  detail::g_kelTracing = static_cast<bool>(Proc);
  return std::exchange(TraceProc(), std::move(Proc));
}

void kelTrace(const TkelTraceEntry& Entry) {
  if (TraceProc()) TraceProc()(Entry);
}

}  // namespace kel
