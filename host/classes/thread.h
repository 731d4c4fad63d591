// TThread: a host object that runs its Execute method on a thread of its own,
// and the synchronize queue through which worker threads run code on the
// main thread.
//
// Starting. A thread created with CreateSuspended = false starts in
// AfterConstruction, once the whole object (the derived class included) is
// built; starting it from the TThread constructor would let Execute run on a
// half-built object. Whoever creates such a thread calls AfterConstruction()
// (or Start()) after the constructor; WaitFor also starts a thread that was
// not created suspended but has not been started yet.
//
// Suspending. A thread cannot be stopped portably at an arbitrary point from
// outside, so Suspend does what can be done safely:
//  - on a thread that has not started yet it keeps the thread from starting
//    until Resume/Start;
//  - called by the thread itself (inside Execute) it blocks that thread until
//    another thread calls Resume;
//  - called from another thread on a running or finished thread it raises
//    EThread and changes nothing.
//
// Main thread. OnTerminate and every Synchronize call run on the main thread
// (the thread that started the program) when it drains the queue with
// CheckSynchronize; WaitFor on the main thread keeps draining while it waits,
// so a thread waiting for the main thread cannot deadlock with it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "host/rtl/events.h"
#include "host/rtl/object.h"

namespace host {

enum TThreadPriority : uint8_t { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// A method run through Synchronize.
using TThreadMethod = std::function<void()>;

class TThread : public TObject {
  HOST_CLASS(TThread, TObject)

  explicit TThread(bool CreateSuspended);

  // Starts the thread unless it was created suspended (see above).
  void AfterConstruction() override;

  // Starts a thread that has not started, or wakes one that suspended itself;
  // does nothing to a running or finished thread. Raises EThread
  // "Thread creation error: <reason>" when the system cannot create it.
  void Resume();
  void Start() { Resume(); }
  // See "Suspending" above.
  void Suspend();
  // Asks Execute to stop: sets Terminated, which Execute checks.
  void Terminate() { FTerminated = true; }
  // Waits until the thread has finished and returns its exit value (the
  // ReturnValue at the moment Execute returned). Raises EThread when the
  // thread waits for itself, frees itself on termination (the object would
  // be gone when the wait ends), or was created suspended and never started.
  uint32_t WaitFor();

  // Terminated and ReturnValue are protected properties in the classic
  // library; the accessors are public here so that descriptors reach them.
  bool GetTerminated() const { return FTerminated; }
  int32_t GetReturnValue() const { return FReturnValue; }
  void SetReturnValue(int32_t value) { FReturnValue = value; }

  // Whether the thread object frees itself after OnTerminate ran.
  bool GetFreeOnTerminate() const { return FFreeOnTerminate; }
  void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
  bool GetSuspended() const;
  void SetSuspended(bool value);
  // The priority is kept and applied to the running thread where the system
  // allows it (lowering usually works; raising needs privileges and is then
  // silently left out). An ordinal outside the enumeration raises EThread.
  TThreadPriority GetPriority() const { return FPriority; }
  void SetPriority(TThreadPriority value);
  // Stable numbers identifying this thread, given when the object is built.
  uint32_t GetHandle() const { return FHandle; }
  uint32_t GetThreadID() const { return FThreadId; }
  // The exception that escaped Execute (or OnTerminate), if any.
  std::exception_ptr GetFatalException() const { return FFatalException; }

  // Runs on the main thread after Execute returned, with the thread as Sender.
  TNotifyEvent OnTerminate;

  // Runs `method` on the main thread and waits until it has run; called on
  // the main thread it runs at once. An exception raised by `method` is
  // raised again in the calling thread.
  static void Synchronize(TThread* thread, const TThreadMethod& method);

 protected:
  // The thread's work. Long-running loops check GetTerminated().
  virtual void Execute() = 0;
  // Runs OnTerminate through Synchronize when it is assigned.
  virtual void DoTerminate();
  void Synchronize(const TThreadMethod& method) { Synchronize(this, method); }

  // Freeing a running thread terminates it and waits for it first (before
  // any teardown of derived classes); a thread that never started finishes
  // without running Execute, as Terminated is set.
  void BeforeDestruction() override;
  void Destroy() override;

 private:
  void StartLocked();  // with FMutex held
  void ThreadProc();
  void Finish();  // the common end of a thread run and of a never-started one
  void WaitUntilFinished();
  void ApplyPriority();
  bool IsCurrentThread() const;

  mutable std::mutex FMutex;  // guards the start, suspension and FThread
  std::condition_variable FResumed;
  std::thread FThread;
  bool FCreateSuspended;
  bool FStarted = false;
  bool FSuspended;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FFinished{false};
  std::atomic<bool> FFreeOnTerminate{false};
  std::atomic<int32_t> FReturnValue{0};
  std::atomic<TThreadPriority> FPriority{tpNormal};
  std::atomic<int> FSystemId{0};  // the kernel's id of the running thread, 0 before
  uint32_t FExitCode = 0;
  uint32_t FHandle;
  uint32_t FThreadId;
  std::exception_ptr FFatalException;
};

// Runs the methods that worker threads queued with Synchronize (and their
// OnTerminate calls). Call it on the main thread, for example from an event
// loop; with a positive `timeoutMs` it first waits up to that long for work
// to arrive. Returns whether it ran anything. Raises EThread when called from
// another thread.
bool CheckSynchronize(int32_t timeoutMs = 0);

// A number identifying the calling thread: a TThread's ThreadID inside its
// Execute, a number of its own for any other thread.
uint32_t GetCurrentThreadId();
// The number of the main thread.
uint32_t MainThreadID();

}  // namespace host
