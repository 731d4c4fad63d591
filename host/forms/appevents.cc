// TApplicationEvents: the components hearing the application's events, in
// the order they hear them, and the dispatches running.
#include "host/forms/appevents.h"

#include <algorithm>

#include "host/classes/typinfo.h"

namespace host {

HOST_IMPL(TApplicationEvents, TComponent)

namespace {

// Whether each running dispatch was cancelled, innermost last.
std::vector<bool>& Dispatches() {
  static std::vector<bool> running;
  return running;
}

int appEvntsCount = 0;

}  // namespace

std::vector<TApplicationEvents*>& TApplicationEvents::Listeners() {
  static std::vector<TApplicationEvents*> listeners;
  return listeners;
}

bool TApplicationEvents::Hears(TApplicationEvents* Events) {
  const std::vector<TApplicationEvents*>& all = Listeners();
  return std::find(all.begin(), all.end(), Events) != all.end() && !Events->GetComponentState().Contains(csDesigning);
}

TApplicationEvents::TApplicationEvents(TComponent* AOwner) : TComponent(AOwner) { Listeners().push_back(this); }

void TApplicationEvents::Destroy() {
  std::erase(Listeners(), this);
  inherited::Destroy();
}

void TApplicationEvents::Activate() {
  std::vector<TApplicationEvents*>& all = Listeners();
  std::erase(all, this);
  all.push_back(this);
}

void TApplicationEvents::CancelDispatch() {
  if (!Dispatches().empty()) Dispatches().back() = true;
}

TApplicationEvents::TDispatch::TDispatch() : Targets(Listeners().rbegin(), Listeners().rend()) {
  Dispatches().push_back(false);
}

TApplicationEvents::TDispatch::~TDispatch() { Dispatches().pop_back(); }

bool TApplicationEvents::TDispatch::Cancelled() const { return Dispatches().back(); }

void RegisterAppEvntsClasses() {
  if (appEvntsCount++ == 0) RegisterClass(&TApplicationEvents::StaticMetaClass);
}

void UnregisterAppEvntsClasses() {
  if (appEvntsCount == 0 || --appEvntsCount > 0) return;
  UnRegisterClass(&TApplicationEvents::StaticMetaClass);
}

std::span<const TClass> AppEvntsClasses() {
  static constexpr TClass kClasses[] = {&TApplicationEvents::StaticMetaClass};
  return kClasses;
}

}  // namespace host
