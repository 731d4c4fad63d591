#include "host/classes/thread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <deque>
#include <system_error>

#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TThread, TObject)

namespace {

// ------------------------------------------------------------ thread numbers

std::atomic<uint32_t> gNextThreadNumber{0};
thread_local uint32_t tCurrentThreadId = 0;

uint32_t NewThreadNumber() { return ++gNextThreadNumber; }

// Taken while the program starts, which happens on the main thread.
const uint32_t gMainThreadId = GetCurrentThreadId();

bool OnMainThread() { return GetCurrentThreadId() == gMainThreadId; }

// --------------------------------------------------------- synchronize queue

struct SyncRequest {
  const TThreadMethod* method;
  bool done = false;
  std::exception_ptr error;
};

// One lock and one condition for the queue and for the end of every thread:
// a waiting main thread wakes for either and drains the queue in between.
std::mutex gSyncLock;
std::condition_variable gSyncChanged;
std::deque<SyncRequest*> gSyncQueue;

// Nice values for the priorities, lowest priority first.
constexpr int kNiceOf[] = {19, 10, 5, 0, -5, -10, -20};

}  // namespace

uint32_t GetCurrentThreadId() {
  if (tCurrentThreadId == 0) tCurrentThreadId = NewThreadNumber();
  return tCurrentThreadId;
}

uint32_t MainThreadID() { return gMainThreadId; }

bool CheckSynchronize(int32_t timeoutMs) {
  if (!OnMainThread())
    throw EThread("CheckSynchronize called from thread $%x, which is NOT the main thread", {GetCurrentThreadId()});
  std::deque<SyncRequest*> batch;
  {
    std::unique_lock lock(gSyncLock);
    if (timeoutMs > 0)
      gSyncChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs), [] { return !gSyncQueue.empty(); });
    batch.swap(gSyncQueue);
  }
  for (SyncRequest* request : batch) {
    try {
      (*request->method)();
    } catch (...) {
      request->error = std::current_exception();
    }
    // The request lives on the waiting thread's stack: once it is marked done
    // that thread may return, so it is not touched afterwards.
    {
      std::lock_guard lock(gSyncLock);
      request->done = true;
    }
    gSyncChanged.notify_all();
  }
  return !batch.empty();
}

// ------------------------------------------------------------------- TThread

TThread::TThread(bool CreateSuspended)
    : FCreateSuspended(CreateSuspended),
      FSuspended(CreateSuspended),
      FHandle(NewThreadNumber()),
      FThreadId(NewThreadNumber()) {}

void TThread::AfterConstruction() {
  std::lock_guard lock(FMutex);
  if (!FCreateSuspended && !FStarted && !FSuspended) StartLocked();
}

bool TThread::IsCurrentThread() const { return GetCurrentThreadId() == FThreadId; }

void TThread::StartLocked() {
  try {
    FThread = std::thread(&TThread::ThreadProc, this);
  } catch (const std::system_error& e) {
    throw EThread("Thread creation error: %s", {e.what()});
  }
  FStarted = true;
  FSuspended = false;
}

void TThread::Resume() {
  std::lock_guard lock(FMutex);
  if (!FStarted) {
    StartLocked();
  } else if (FSuspended) {
    FSuspended = false;
    FResumed.notify_all();
  }
}

void TThread::Suspend() {
  std::unique_lock lock(FMutex);
  if (!FStarted) {
    FSuspended = true;
    return;
  }
  if (!IsCurrentThread())
    throw EThread("Cannot suspend thread %u from another thread: a running thread can only suspend itself",
                  {FThreadId});
  FSuspended = true;
  FResumed.wait(lock, [this] { return !FSuspended; });
}

bool TThread::GetSuspended() const {
  std::lock_guard lock(FMutex);
  return FSuspended;
}

void TThread::SetSuspended(bool value) {
  if (value)
    Suspend();
  else
    Resume();
}

void TThread::SetPriority(TThreadPriority value) {
  if (static_cast<unsigned>(value) > tpTimeCritical)
    throw EThread("Invalid thread priority (%d)", {static_cast<int>(value)});
  FPriority = value;
  ApplyPriority();
}

void TThread::ApplyPriority() {
#ifdef __linux__
  // Linux keeps a nice value per kernel thread; refusals (raising without
  // privileges) leave the thread as it was.
  if (const int id = FSystemId; id != 0)
    (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(id), kNiceOf[FPriority.load()]);
#endif
}

uint32_t TThread::WaitFor() {
  if (IsCurrentThread()) throw EThread("Thread %u cannot wait for itself", {FThreadId});
  if (FFreeOnTerminate)
    throw EThread("Cannot wait for thread %u: it frees itself when it terminates (FreeOnTerminate)", {FThreadId});
  {
    std::lock_guard lock(FMutex);
    if (!FStarted && FSuspended)
      throw EThread("Cannot wait for thread %u: it was created suspended and has not been started", {FThreadId});
    if (!FStarted) StartLocked();
  }
  WaitUntilFinished();
  return FExitCode;
}

void TThread::WaitUntilFinished() {
  const bool drain = OnMainThread();
  std::unique_lock lock(gSyncLock);
  while (!FFinished) {
    if (drain && !gSyncQueue.empty()) {
      lock.unlock();
      CheckSynchronize();
      lock.lock();
      continue;
    }
    gSyncChanged.wait(lock);
  }
}

void TThread::ThreadProc() {
  tCurrentThreadId = FThreadId;
#ifdef __linux__
  FSystemId = static_cast<int>(::syscall(SYS_gettid));
  if (FPriority != tpNormal) ApplyPriority();
#endif
  if (!FTerminated) {
    try {
      Execute();
    } catch (...) {
      FFatalException = std::current_exception();
    }
  }
  // Decided before OnTerminate runs, as the handler may change the flag.
  const bool freeThread = FFreeOnTerminate;
  Finish();
  if (freeThread) Free();
}

void TThread::Finish() {
  FExitCode = static_cast<uint32_t>(FReturnValue.load());
  try {
    DoTerminate();
  } catch (...) {
    if (!FFatalException) FFatalException = std::current_exception();
  }
  {
    std::lock_guard lock(gSyncLock);
    FFinished = true;
  }
  gSyncChanged.notify_all();
}

void TThread::DoTerminate() {
  if (OnTerminate) Synchronize([this] { OnTerminate(this); });
}

void TThread::Synchronize(TThread* /*thread*/, const TThreadMethod& method) {
  if (OnMainThread()) {
    method();
    return;
  }
  SyncRequest request{&method, false, nullptr};
  {
    std::lock_guard lock(gSyncLock);
    gSyncQueue.push_back(&request);
  }
  gSyncChanged.notify_all();
  {
    std::unique_lock lock(gSyncLock);
    gSyncChanged.wait(lock, [&] { return request.done; });
  }
  if (request.error) std::rethrow_exception(request.error);
}

void TThread::BeforeDestruction() {
  // A thread freeing itself (FreeOnTerminate) has already finished its run.
  if (!IsCurrentThread() && !FFinished) {
    bool started;
    {
      std::lock_guard lock(FMutex);
      started = FStarted;
    }
    Terminate();
    if (started) {
      Resume();  // wakes a thread that suspended itself
      WaitUntilFinished();
    } else {
      Finish();
    }
  }
  inherited::BeforeDestruction();
}

void TThread::Destroy() {
  std::thread worker;
  {
    std::lock_guard lock(FMutex);
    worker = std::move(FThread);
  }
  if (worker.joinable()) {
    if (worker.get_id() == std::this_thread::get_id())
      worker.detach();
    else
      worker.join();
  }
  inherited::Destroy();
}

}  // namespace host
