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
    : createSuspended_(CreateSuspended),
      suspended_(CreateSuspended),
      handle_(NewThreadNumber()),
      threadId_(NewThreadNumber()) {}

void TThread::AfterConstruction() {
  std::lock_guard lock(mutex_);
  if (!createSuspended_ && !started_ && !suspended_) StartLocked();
}

bool TThread::IsCurrentThread() const { return GetCurrentThreadId() == threadId_; }

void TThread::StartLocked() {
  try {
    thread_ = std::thread(&TThread::ThreadProc, this);
  } catch (const std::system_error& e) {
    throw EThread("Thread creation error: %s", {e.what()});
  }
  started_ = true;
  suspended_ = false;
}

void TThread::Resume() {
  std::lock_guard lock(mutex_);
  if (!started_) {
    StartLocked();
  } else if (suspended_) {
    suspended_ = false;
    resumed_.notify_all();
  }
}

void TThread::Suspend() {
  std::unique_lock lock(mutex_);
  if (!started_) {
    suspended_ = true;
    return;
  }
  if (!IsCurrentThread())
    throw EThread("Cannot suspend thread %u from another thread: a running thread can only suspend itself",
                  {threadId_});
  suspended_ = true;
  resumed_.wait(lock, [this] { return !suspended_; });
}

bool TThread::GetSuspended() const {
  std::lock_guard lock(mutex_);
  return suspended_;
}

void TThread::SetSuspended(bool value) {
  if (value) Suspend();
  else Resume();
}

void TThread::SetPriority(TThreadPriority value) {
  if (static_cast<unsigned>(value) > tpTimeCritical)
    throw EThread("Invalid thread priority (%d)", {static_cast<int>(value)});
  priority_ = value;
  ApplyPriority();
}

void TThread::ApplyPriority() {
#ifdef __linux__
  // Linux keeps a nice value per kernel thread; refusals (raising without
  // privileges) leave the thread as it was.
  if (const int id = systemId_; id != 0)
    (void)::setpriority(PRIO_PROCESS, static_cast<id_t>(id), kNiceOf[priority_.load()]);
#endif
}

uint32_t TThread::WaitFor() {
  if (IsCurrentThread()) throw EThread("Thread %u cannot wait for itself", {threadId_});
  if (freeOnTerminate_)
    throw EThread("Cannot wait for thread %u: it frees itself when it terminates (FreeOnTerminate)", {threadId_});
  {
    std::lock_guard lock(mutex_);
    if (!started_ && suspended_)
      throw EThread("Cannot wait for thread %u: it was created suspended and has not been started", {threadId_});
    if (!started_) StartLocked();
  }
  WaitUntilFinished();
  return exitCode_;
}

void TThread::WaitUntilFinished() {
  const bool drain = OnMainThread();
  std::unique_lock lock(gSyncLock);
  while (!finished_) {
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
  tCurrentThreadId = threadId_;
#ifdef __linux__
  systemId_ = static_cast<int>(::syscall(SYS_gettid));
  if (priority_ != tpNormal) ApplyPriority();
#endif
  if (!terminated_) {
    try {
      Execute();
    } catch (...) {
      fatalException_ = std::current_exception();
    }
  }
  // Decided before OnTerminate runs, as the handler may change the flag.
  const bool freeThread = freeOnTerminate_;
  Finish();
  if (freeThread) Free();
}

void TThread::Finish() {
  exitCode_ = static_cast<uint32_t>(returnValue_.load());
  try {
    DoTerminate();
  } catch (...) {
    if (!fatalException_) fatalException_ = std::current_exception();
  }
  {
    std::lock_guard lock(gSyncLock);
    finished_ = true;
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
  if (!IsCurrentThread() && !finished_) {
    bool started;
    {
      std::lock_guard lock(mutex_);
      started = started_;
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
    std::lock_guard lock(mutex_);
    worker = std::move(thread_);
  }
  if (worker.joinable()) {
    if (worker.get_id() == std::this_thread::get_id()) worker.detach();
    else worker.join();
  }
  inherited::Destroy();
}

}  // namespace host
