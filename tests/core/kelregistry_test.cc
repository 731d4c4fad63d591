// The descriptor registry, its per-object cache and the core's start-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/kelcommon.h"
#include "host/classes/component.h"
#include "tests/core/core_test_support.h"

namespace kel {
namespace {

using test::RaisedMessage;

int g_created = 0;
int g_destroyed = 0;
std::vector<std::string> g_hooks;
std::string g_properties = "Define::Tag::psReadable..psWritable::pvPublished::0";

// A descriptor class that counts its instances and logs its hooks.
class TProbeInfo : public TkelClassInfo {
  HOST_CLASS(TProbeInfo, TkelClassInfo)
  TProbeInfo() { ++g_created; }
  void ConnectEventHandlers() override { g_hooks.push_back("connect"); }
  void UnConnectEventHandlers() override { g_hooks.push_back("unconnect"); }
  void DefineKELProperties(TkelPropertyList& l) override {
    inherited::DefineKELProperties(l);
    ReadKELProperties(g_properties);
  }

 protected:
  void Destroy() override {
    ++g_destroyed;
    inherited::Destroy();
  }
};
HOST_IMPL(TProbeInfo, TkelClassInfo)

class TOtherInfo : public TkelClassInfo {
  HOST_CLASS(TOtherInfo, TkelClassInfo)
};
HOST_IMPL(TOtherInfo, TkelClassInfo)

class TProbe : public host::TComponent {
  HOST_CLASS(TProbe, host::TComponent)
  explicit TProbe(host::TComponent* AOwner) : host::TComponent(AOwner) {}
};
HOST_IMPL(TProbe, host::TComponent)

class TProbeChild : public TProbe {
  HOST_CLASS(TProbeChild, TProbe)
  using TProbe::TProbe;
};
HOST_IMPL(TProbeChild, TProbe)

class TPlain : public host::TObject {
  HOST_CLASS(TPlain, host::TObject)
};
HOST_IMPL(TPlain, host::TObject)

// A component that supplies its own descriptor.
class TSelfDescribed : public host::TComponent, public IkelObject {
  HOST_CLASS(TSelfDescribed, host::TComponent)
  explicit TSelfDescribed(host::TComponent* AOwner) : host::TComponent(AOwner) {}
  host::HRESULT QueryInterface(const host::TGUID& iid, void** obj) override {
    return GetInterface(iid, obj) ? host::S_OK : host::E_NOINTERFACE;
  }
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }
  TkelClassInfo* GetKELClassInfo() override { return own.get(); }
  host::TOwned<TkelClassInfo> own = host::MakeOwned<TkelClassInfo>();
};
HOST_IMPL_INTF(TSelfDescribed, host::TComponent, IkelObject)

// Starts the core for one test and shuts it down afterwards.
struct RegistryFixture : ::testing::Test {
  void SetUp() override {
    kelcommon::Initialize();
    g_created = g_destroyed = 0;
    g_hooks.clear();
    TkelClassRegistry::RegisterClass("TProbe", &TProbeInfo::StaticMetaClass);
    TkelClassRegistry::RegisterClass("TPlain", &TProbeInfo::StaticMetaClass);
  }
  void TearDown() override { kelcommon::Finalize(); }
};

std::string Names() {
  std::string t;
  TkelClassRegistry::Iterate(TkelIterateProc([&](const std::string& name) { t += name + ","; }));
  return t;
}

TEST_F(RegistryFixture, RegistrationFindAndIterate) {
  TkelClassRegistry::RegisterClass("tprobe", &TOtherInfo::StaticMetaClass);  // the first registration wins
  TkelClassRegistry::RegisterClass("TStringList", &TOtherInfo::StaticMetaClass);
  EXPECT_EQ(TkelClassRegistry::FindClass("TPROBE"), &TProbeInfo::StaticMetaClass);
  EXPECT_EQ(TkelClassRegistry::FindClass("tstringlist"), &TOtherInfo::StaticMetaClass);
  EXPECT_EQ(TkelClassRegistry::FindClass("TStringLis"), nullptr);
  EXPECT_EQ(TkelClassRegistry::FindClass("TProbeChild"), nullptr);
  EXPECT_EQ(Names(), "TProbe,TPlain,TStringList,");
  TkelClassRegistry::Iterate(TkelIterateProc());  // unassigned: nothing happens

  EXPECT_EQ(RaisedMessage([] { TkelClassRegistry::RegisterClass("", &TOtherInfo::StaticMetaClass); }),
            "Cannot register a class descriptor without a class name!");
  EXPECT_EQ(RaisedMessage([] { TkelClassRegistry::RegisterClass("TX", &TPlain::StaticMetaClass); }),
            "Cannot register TPlain for TX: it is not a class descriptor!");
  EXPECT_EQ(RaisedMessage([] { TkelClassRegistry::RegisterClass("TX", nullptr); }),
            "Cannot register nil for TX: it is not a class descriptor!");
  EXPECT_EQ(Names(), "TProbe,TPlain,TStringList,");

  // Start-up and shutdown are counted: only the last Finalize ends the core.
  kelcommon::Initialize();
  kelcommon::Finalize();
  EXPECT_EQ(TkelClassRegistry::FindClass("TPlain"), &TProbeInfo::StaticMetaClass);
  kelcommon::Finalize();
  const char* stopped = "The class descriptor registry is not initialised (call kel::kelcommon::Initialize first)!";
  EXPECT_EQ(RaisedMessage([] { TkelClassRegistry::FindClass("TPlain"); }), stopped);
  auto plain = host::MakeOwned<TPlain>();
  EXPECT_EQ(RaisedMessage([&] { TkelClassRegistry::GetInfo(plain.get()); }), stopped);
  kelcommon::Finalize();  // unmatched: ignored
  kelcommon::Initialize();
  EXPECT_EQ(Names(), "");  // a new start begins empty
}

TEST_F(RegistryFixture, ComponentDescriptorsFollowTheirComponents) {
  TProbe* probe = new TProbe(nullptr);
  TkelClassInfo* info = TkelClassRegistry::GetInfo(probe);
  EXPECT_EQ(TkelClassRegistry::GetInfo(probe), info);
  EXPECT_EQ(info->ClassType(), &TProbeInfo::StaticMetaClass);
  EXPECT_EQ(info->GetOwner(), probe);
  EXPECT_NE(info->FindProperty("Tag"), nullptr);
  EXPECT_EQ(g_created, 1);
  EXPECT_EQ(g_hooks, std::vector<std::string>{"connect"});

  // Destroying the component drops its descriptor without unhooking it; the
  // next component (wherever it lives) gets a new one.
  probe->Free();
  EXPECT_EQ(g_destroyed, 1);
  EXPECT_EQ(g_hooks, std::vector<std::string>{"connect"});
  probe = new TProbe(nullptr);
  TkelClassInfo* second = TkelClassRegistry::GetInfo(probe);
  EXPECT_EQ(g_created, 2);
  EXPECT_EQ(second->GetOwner(), probe);

  // An owned component goes with its owner, and so does its descriptor.
  auto form = host::MakeOwned<host::TComponent>(nullptr);
  TProbe* child = new TProbe(form.get());
  TkelClassRegistry::GetInfo(child);
  EXPECT_EQ(g_created, 3);
  form.reset();
  EXPECT_EQ(g_destroyed, 2);

  // No climb to a parent class's registration.
  auto derived = host::MakeOwned<TProbeChild>(nullptr);
  EXPECT_EQ(RaisedMessage([&] { TkelClassRegistry::GetInfo(derived.get()); }),
            "Class descriptor for TProbeChild not found!");
  EXPECT_EQ(RaisedMessage([] { TkelClassRegistry::GetInfo(nullptr); }), "Class descriptor for nil not found!");
  EXPECT_EQ(g_created, 3);

  // Shutdown gives the living owner its handlers back and frees the rest.
  g_hooks.clear();
  kelcommon::Finalize();
  EXPECT_EQ(g_hooks, std::vector<std::string>{"unconnect"});
  EXPECT_EQ(g_destroyed, 3);
  probe->Free();
  kelcommon::Initialize();
}

TEST_F(RegistryFixture, OtherObjectsLoseTheirDescriptorWhenFreed) {
  TPlain* plain = new TPlain;
  auto bystander = host::MakeOwned<TPlain>();
  TkelClassInfo* info = TkelClassRegistry::GetInfo(plain);
  EXPECT_EQ(TkelClassRegistry::GetInfo(plain), info);
  host::MakeOwned<TPlain>().reset();  // freeing an object without a descriptor drops nothing
  EXPECT_EQ(g_destroyed, 0);
  plain->Free();
  EXPECT_EQ(g_destroyed, 1);
  EXPECT_EQ(g_hooks, std::vector<std::string>{"connect"});
  plain = new TPlain;
  EXPECT_NE(TkelClassRegistry::GetInfo(plain)->GetOwner(), nullptr);
  EXPECT_EQ(g_created, 2);

  // The cache follows a descriptor moved to another owner, and forgets one
  // freed by someone else.
  info = TkelClassRegistry::GetInfo(plain);
  info->SetOwner(bystander.get());
  EXPECT_EQ(TkelClassRegistry::GetInfo(bystander.get()), info);
  TkelClassInfo* fresh = TkelClassRegistry::GetInfo(plain);
  EXPECT_NE(fresh, info);
  EXPECT_EQ(g_created, 3);
  fresh->Free();
  EXPECT_EQ(TkelClassRegistry::GetInfo(plain)->GetOwner(), plain);
  EXPECT_EQ(g_created, 4);
  bystander.reset();
  EXPECT_EQ(g_destroyed, 3);
  plain->Free();
  EXPECT_EQ(g_destroyed, 4);
}

TEST_F(RegistryFixture, OwnDescriptorsAndFailedCreation) {
  TkelClassRegistry::RegisterClass("TSelfDescribed", &TProbeInfo::StaticMetaClass);
  auto self = host::MakeOwned<TSelfDescribed>(nullptr);
  EXPECT_EQ(TkelClassRegistry::GetInfo(self.get()), self->own.get());
  EXPECT_EQ(g_created, 0);
  EXPECT_EQ(self->own->GetOwner(), nullptr);  // nothing hooked either

  // A descriptor whose metadata cannot be read is freed, not cached.
  g_properties = "Define::Tag::psReadable::pvPublic::0::Bad";
  auto probe = host::MakeOwned<TProbe>(nullptr);
  for (int round = 1; round <= 2; ++round) {
    EXPECT_EQ(RaisedMessage([&] { TkelClassRegistry::GetInfo(probe.get()); }), "Invalid property define token!");
    EXPECT_EQ(g_created, round);
    EXPECT_EQ(g_destroyed, round);
  }
  g_properties = "Define::Tag::psReadable..psWritable::pvPublished::0";
  EXPECT_EQ(TkelClassRegistry::GetInfo(probe.get())->GetOwner(), probe.get());
  EXPECT_EQ(g_created, 3);
}

}  // namespace
}  // namespace kel
