// TApplicationEvents: a component that hears the application's events
// (the classic AppEvnts unit), so a form or a data module handles them
// without taking the application's own handlers.
//
// Every TApplicationEvents alive hears every event of the application,
// after the application's own handler (OnIdle, OnHint, OnMessage,
// OnShortCut, OnException, OnActivate, OnDeactivate, OnMinimize,
// OnRestore, OnShowHint, OnHelp, OnActionExecute, OnActionUpdate): the one
// made or activated (Activate) last hears it first, the others in turn.
// The var parameters (Done, Handled, CanShow...) go from one to the next,
// so each sees what the ones before it decided. A handler calling
// CancelDispatch keeps the event from the components after its own.
// OnException: the exception is shown in a message box only when neither
// the application nor any TApplicationEvents has an OnException handler.
// A component being designed hears nothing.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "host/classes/component.h"
#include "host/forms/formtypes.h"

namespace host {

class TApplicationEvents : public TComponent {
  HOST_CLASS(TApplicationEvents, TComponent)
  using TCreateArg = TComponent;
  explicit TApplicationEvents(TComponent* AOwner);

  // Makes this component the first to hear the events.
  void Activate();
  // Called from a handler: the event goes no further down the components.
  void CancelDispatch();

  TActionEvent OnActionExecute;
  TActionEvent OnActionUpdate;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TExceptionEvent OnException;
  TIdleEvent OnIdle;
  THelpEvent OnHelp;
  TNotifyEvent OnHint;
  TMessageEvent OnMessage;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TShowHintEvent OnShowHint;
  TShortCutEvent OnShortCut;

  // ----------------------------------------------- for the application
  // Fires Event of every component hearing it, first heard first, until
  // one cancels the dispatch.
  template <class E, class... A>
  static void Broadcast(E TApplicationEvents::*Event, A&&... Args) {
    TDispatch dispatch;
    for (TApplicationEvents* events : dispatch.Targets) {
      if (!Hears(events)) continue;  // freed by a handler before its turn
      if (events->*Event) (events->*Event)(Args...);
      if (dispatch.Cancelled()) break;
    }
  }
  // Whether some component has a handler for Event.
  template <class E>
  static bool Handled(E TApplicationEvents::*Event) {
    for (TApplicationEvents* events : Listeners())
      if (events->*Event && Hears(events)) return true;
    return false;
  }

 protected:
  ~TApplicationEvents() override = default;
  void Destroy() override;

 private:
  // One dispatch running: who hears it (first heard first) and whether it
  // was cancelled. Dispatches nest (a handler may cause another event).
  struct TDispatch {
    TDispatch();
    ~TDispatch();
    TDispatch(const TDispatch&) = delete;
    TDispatch& operator=(const TDispatch&) = delete;
    bool Cancelled() const;
    std::vector<TApplicationEvents*> Targets;
  };
  // The components alive, last activated last.
  static std::vector<TApplicationEvents*>& Listeners();
  static bool Hears(TApplicationEvents* Events);
};

// Registers TApplicationEvents as a streamable class (counted; undone by
// the last UnregisterAppEvntsClasses).
void RegisterAppEvntsClasses();
void UnregisterAppEvntsClasses();
std::span<const TClass> AppEvntsClasses();

}  // namespace host
