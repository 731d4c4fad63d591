#include "host/classes/thread.h"

#include <gtest/gtest.h>

#include "tests/support/raises.h"

#include <future>
#include <memory>
#include <string>

#include "host/rtl/sysutils.h"

namespace host {
namespace {

// A thread whose Execute is a lambda; exposes the protected Synchronize.
class TTestThread : public TThread {
  HOST_CLASS(TTestThread, TThread)
  using Body = std::function<void(TTestThread&)>;
  TTestThread(bool createSuspended, Body body) : TThread(createSuspended), FBody(std::move(body)) {}
  void Sync(const TThreadMethod& method) { Synchronize(method); }
  // Set when the object is torn down (on whichever thread frees it). Owned by
  // the object, so the promise outlives its set_value call.
  std::unique_ptr<std::promise<void>> destroyed;

 protected:
  void Execute() override { FBody(*this); }
  void Destroy() override {
    if (destroyed) destroyed->set_value();
    inherited::Destroy();
  }

 private:
  Body FBody;
};
HOST_IMPL(TTestThread, TThread)

// Creates and starts a thread (the constructor + AfterConstruction sequence).
TOwned<TTestThread> StartThread(TTestThread::Body body) {
  TOwned<TTestThread> t(new TTestThread(false, std::move(body)));
  t->AfterConstruction();
  return t;
}

TEST(Thread, ReturnValueComesBackThroughWaitFor) {
  std::atomic<uint32_t> idInside{0};
  auto t = StartThread([&](TTestThread& self) {
    idInside = GetCurrentThreadId();
    self.SetReturnValue(-2);
  });
  EXPECT_EQ(t->WaitFor(), 0xFFFFFFFEu);
  EXPECT_EQ(t->GetReturnValue(), -2);
  EXPECT_EQ(t->WaitFor(), 0xFFFFFFFEu);  // waiting again returns at once
  EXPECT_EQ(idInside, t->GetThreadID());
  EXPECT_NE(t->GetThreadID(), MainThreadID());
  EXPECT_EQ(GetCurrentThreadId(), MainThreadID());  // this test runs on the main thread
  EXPECT_NE(t->GetHandle(), 0u);
  EXPECT_FALSE(t->GetFatalException());

  auto other = StartThread([](TTestThread&) {});
  EXPECT_NE(other->GetThreadID(), t->GetThreadID());
  EXPECT_NE(other->GetHandle(), t->GetHandle());
  EXPECT_EQ(other->WaitFor(), 0u);

  // A thread not created suspended but never started is started by WaitFor.
  TOwned<TTestThread> lazy(new TTestThread(false, [](TTestThread& self) { self.SetReturnValue(7); }));
  EXPECT_EQ(lazy->WaitFor(), 7u);
}

TEST(Thread, TerminateIsObservedByExecute) {
  std::promise<void> running;
  auto t = StartThread([&](TTestThread& self) {
    running.set_value();
    while (!self.GetTerminated()) std::this_thread::yield();
    self.SetReturnValue(1);
  });
  running.get_future().wait();
  EXPECT_FALSE(t->GetTerminated());
  t->Terminate();
  EXPECT_TRUE(t->GetTerminated());
  EXPECT_EQ(t->WaitFor(), 1u);

  // Freeing a running thread terminates it and waits for it.
  std::atomic<bool> sawTerminate{false};
  std::promise<void> started;
  auto busy = StartThread([&](TTestThread& self) {
    started.set_value();
    while (!self.GetTerminated()) std::this_thread::yield();
    sawTerminate = true;
  });
  started.get_future().wait();
  busy.reset();
  EXPECT_TRUE(sawTerminate);
}

TEST(Thread, OnTerminateRunsOnTheMainThreadWhenDrained) {
  std::promise<void> executed;
  std::thread::id handlerThread;
  TObject* sender = nullptr;
  TOwned<TTestThread> t(new TTestThread(true, [&](TTestThread&) { executed.set_value(); }));
  t->OnTerminate = [&](TObject* s) {
    handlerThread = std::this_thread::get_id();
    sender = s;
  };
  t->Start();
  executed.get_future().wait();
  // Execute is done, but the handler waits for the main thread to drain.
  EXPECT_EQ(sender, nullptr);
  while (!CheckSynchronize(1000)) {
  }
  EXPECT_EQ(sender, t.get());
  EXPECT_EQ(handlerThread, std::this_thread::get_id());
  t->WaitFor();
  EXPECT_FALSE(CheckSynchronize());  // nothing left to run

  // A thread freed before it ever started still reports its end, but never executes.
  std::atomic<bool> ran{false};
  int ends = 0;
  TOwned<TTestThread> idle(new TTestThread(true, [&](TTestThread&) { ran = true; }));
  idle->OnTerminate = [&](TObject*) { ++ends; };
  idle.reset();
  EXPECT_FALSE(ran);
  EXPECT_EQ(ends, 1);

  // Draining is for the main thread only.
  std::string message;
  auto worker =
      StartThread([&](TTestThread&) { message = host::testkit::RaisedMessage<EThread>([] { CheckSynchronize(); }); });
  worker->WaitFor();
  EXPECT_EQ(message,
            Format("CheckSynchronize called from thread $%x, which is NOT the main thread", {worker->GetThreadID()}));
}

TEST(Thread, FreeOnTerminateFreesTheObject) {
  auto destroyed = std::make_unique<std::promise<void>>();
  auto future = destroyed->get_future();
  std::promise<void> go;
  bool terminated = false;
  auto* t = new TTestThread(true, [&](TTestThread&) { go.get_future().wait(); });
  t->destroyed = std::move(destroyed);
  t->SetFreeOnTerminate(true);
  t->OnTerminate = [&](TObject*) { terminated = true; };
  t->Start();
  EXPECT_EQ(
      host::testkit::RaisedMessage<EThread>([&] { t->WaitFor(); }),
      Format("Cannot wait for thread %u: it frees itself when it terminates (FreeOnTerminate)", {t->GetThreadID()}));
  go.set_value();  // from here on `t` may be gone
  while (!terminated) CheckSynchronize(1000);
  future.wait();  // the object tore itself down; the leak checker confirms the memory went too
}

TEST(Thread, SynchronizeRunsOnTheMainThread) {
  std::thread::id syncThread;
  std::string reraised;
  auto t = StartThread([&](TTestThread& self) {
    int value = 0;
    self.Sync([&] {
      syncThread = std::this_thread::get_id();
      value = 41;
    });
    self.SetReturnValue(value + 1);
    try {
      self.Sync([] { throw EInvalidOperation("refused on the main thread"); });
    } catch (const EInvalidOperation& e) {
      reraised = e.Message();
    }
  });
  EXPECT_EQ(t->WaitFor(), 42u);  // WaitFor drains the queue while it waits
  EXPECT_EQ(syncThread, std::this_thread::get_id());
  EXPECT_EQ(reraised, "refused on the main thread");

  // Called on the main thread it runs at once.
  bool direct = false;
  TThread::Synchronize(nullptr, [&] { direct = true; });
  EXPECT_TRUE(direct);
}

TEST(Thread, ExceptionInExecuteIsKept) {
  auto t = StartThread([](TTestThread& self) {
    self.SetReturnValue(3);
    throw EConvertError("'x' is not a valid integer value");
  });
  EXPECT_EQ(t->WaitFor(), 3u);
  ASSERT_TRUE(t->GetFatalException());
  EXPECT_EQ(host::testkit::RaisedMessage<EConvertError>([&] { std::rethrow_exception(t->GetFatalException()); }),
            "'x' is not a valid integer value");

  // An exception from OnTerminate is kept the same way.
  TOwned<TTestThread> quiet(new TTestThread(true, [](TTestThread&) {}));
  quiet->OnTerminate = [](TObject*) { throw EAbort("handler failed"); };
  quiet->Start();
  quiet->WaitFor();
  EXPECT_TRUE(quiet->GetFatalException());
}

TEST(Thread, SuspendAndResume) {
  std::atomic<int> runs{0};
  TOwned<TTestThread> t(new TTestThread(true, [&](TTestThread& self) {
    ++runs;
    self.Suspend();  // a thread may suspend itself
    ++runs;
  }));
  t->AfterConstruction();  // created suspended: does not start
  EXPECT_TRUE(t->GetSuspended());
  EXPECT_EQ(host::testkit::RaisedMessage<EThread>([&] { t->WaitFor(); }),
            Format("Cannot wait for thread %u: it was created suspended and has not been started", {t->GetThreadID()}));
  t->Suspend();  // still keeps it from starting
  EXPECT_EQ(runs, 0);

  t->SetSuspended(false);
  while (!t->GetSuspended()) std::this_thread::yield();  // until it suspends itself
  EXPECT_EQ(runs, 1);
  // Another thread cannot suspend a running thread.
  const std::string refused = Format(
      "Cannot suspend thread %u from another thread: a running thread can only suspend itself", {t->GetThreadID()});
  EXPECT_EQ(host::testkit::RaisedMessage<EThread>([&] { t->Suspend(); }), refused);
  EXPECT_TRUE(t->GetSuspended());
  EXPECT_EQ(runs, 1);
  t->Resume();
  EXPECT_EQ(t->WaitFor(), 0u);
  EXPECT_EQ(runs, 2);
  EXPECT_FALSE(t->GetSuspended());
  EXPECT_EQ(host::testkit::RaisedMessage<EThread>([&] { t->Suspend(); }), refused);
  EXPECT_FALSE(t->GetSuspended());
  t->Resume();  // resuming a finished thread does nothing
  EXPECT_EQ(runs, 2);
}

TEST(Thread, PriorityIsKeptAndChecked) {
  TOwned<TTestThread> t(new TTestThread(true, [](TTestThread&) {}));
  t->SetPriority(tpLower);
  EXPECT_EQ(t->GetPriority(), tpLower);
  EXPECT_EQ(host::testkit::RaisedMessage<EThread>([&] { t->SetPriority(static_cast<TThreadPriority>(9)); }),
            "Invalid thread priority (9)");
  EXPECT_EQ(t->GetPriority(), tpLower);
  t->Start();
  t->SetPriority(tpLowest);  // applied to the running (or finished) thread where allowed
  EXPECT_EQ(t->GetPriority(), tpLowest);
  t->WaitFor();
}

}  // namespace
}  // namespace host
