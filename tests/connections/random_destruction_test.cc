// Every kind of connection and the variable wired between lamps and an
// action, connected, then freed in a random order while the survivors keep
// firing their events. Runs under the sanitizers: a listener left behind, a
// cached descriptor or record used after its component went away, or a
// variable holding a freed object fails here.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "connections/kelvar.h"
#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

class RandomDestruction : public ConnFixture {
 public:
  // One connection of each kind and value option, and a variable holding
  // Lamp2 used as a source, a target and a value component.
  void Wire() {
    TkelE2MConnection* call = NewE2M("Call", Action, "OnExecute", Lamp2, "Combine");
    Binding(call, "Prefix")->SetConstant("n=");
    TkelParameterConnection* value = Binding(call, "Value");
    value->SetOptions(voComponentProperty);
    value->SetComponent(Lamp1);
    value->SetComponentProperty("Items");
    value->SetComponentPropertyIndex(VarArrayOf({1}));
    Binding(call, "Sender")->SetOptions(voEventProperty);
    Binding(call, "Sender")->SetEventParameter("Sender");

    NewE2P("Constant", Lamp1, "OnChange", Lamp2, "Caption")->SetValueConstant("on");
    TkelE2PConnection* copy = NewE2P("Copy", Lamp2, "OnChange", Lamp3, "Caption");
    copy->SetValueOptions(voComponentProperty);
    copy->SetValueComponent(Lamp1);
    copy->SetValueComponentProperty("Items");
    copy->SetValueComponentPropertyIndex(VarArrayOf({0}));
    TkelE2PConnection* echo = NewE2P("Echo", Lamp3, "OnQuery", Lamp1, "Caption");
    echo->SetValueOptions(voEventProperty);
    echo->SetValueEventParameter("Text");

    TkelP2PConnection* link = NewP2P("Link", Lamp1, "Level", Lamp3, "Level");
    link->SetSourceEvent("OnChange");
    link->SetTargetEvent("OnChange");

    auto* holder = New<TkelVariable>(Form.get());
    holder->SetName("Holder");
    holder->SetClassTypeName("TLamp");
    TkelClassInfo* info = holder->GetKELClassInfo();
    info->SetProperty(info->FindProperty("Self"), Variant::FromPointer(Lamp2));
    NewE2M("CallHeld", Lamp1, "OnChange", holder, "Clear");
    NewE2P("FromHeld", holder, "OnChange", Lamp3, "Caption")->SetValueConstant("held");
    TkelE2PConnection* readHeld = NewE2P("ReadHeld", Lamp3, "OnChange", Lamp1, "Caption");
    readHeld->SetValueOptions(voComponentProperty);
    readHeld->SetValueComponent(holder);
    readHeld->SetValueComponentProperty("Caption");
  }

  // Fires every event of every surviving lamp and action; a connection left
  // incomplete by a destruction may report itself, nothing may crash. Each
  // component is looked up again before each of its events (an event may
  // free it), and nothing more runs once `formGone` turns true.
  void FireSurvivors(const std::vector<std::string>& alive, const bool& formGone = kFormStays) {
    TComponent* form = Form.get();
    for (const std::string& name : alive)
      for (int event = 0; event < 2; ++event) {
        if (formGone) return;
        TComponent* c = form->FindComponent(name);
        try {
          if (auto* lamp = dynamic_cast<TLamp*>(c)) {
            if (event == 0)
              lamp->Change();
            else
              lamp->Query("q");
          } else if (auto* action = dynamic_cast<TBasicAction*>(c); action && event == 0) {
            action->Execute();
          }
        } catch (const Exception&) {
        }
      }
  }
  static constexpr bool kFormStays = false;
};

TEST_F(RandomDestruction, EveryKindInEveryOrder) {
  for (unsigned seed = 0; seed < 60; ++seed) {
    SetUp();
    Wire();
    for (int i = 0; i < List->GetConnectionCount(); ++i) EXPECT_TRUE(List->GetConnection(i)->Connect()) << seed;
    FireSurvivors({"Action1", "Lamp1", "Lamp2", "Lamp3"});
    // By name: a list frees its connections, so pointers may go stale.
    std::vector<std::string> alive;
    for (int i = 0; i < Form->GetComponentCount(); ++i) alive.push_back(Form->GetComponents(i)->GetName());
    std::mt19937 rng(seed);
    std::shuffle(alive.begin(), alive.end(), rng);
    // Every third form goes down with half of its components still wired.
    const std::size_t stopAt = seed % 3 == 0 ? alive.size() / 2 : 0;
    while (alive.size() > stopAt) {
      TComponent* victim = Form->FindComponent(alive.back());
      alive.pop_back();
      if (!victim) continue;  // freed with its list
      victim->Free();
      FireSurvivors(alive);
    }
    if (stopAt == 0) {
      EXPECT_EQ(Form->GetComponentCount(), 0) << "seed " << seed;
    }
    Form.reset();
  }
}

// While events run: an event's own handler (run by the descriptor's hook
// before the listeners) frees the connection list, or the whole form, in
// the middle of a relay. Whatever still runs stops touching what went away.
TEST_F(RandomDestruction, TheListOrTheFormGoesWhileEventsRun) {
  for (unsigned seed = 0; seed < 40; ++seed) {
    SetUp();
    Wire();
    std::mt19937 rng(seed);
    const bool freeForm = seed % 2 == 1;
    const std::vector<std::string> sources{"Action1", "Lamp1", "Lamp2", "Lamp3"};
    const std::string trigger = sources[rng() % sources.size()];
    TComponent* form = Form.get();
    bool formFreed = false;
    auto strike = [&, freeForm](TObject*) {
      if (freeForm && !formFreed) {
        formFreed = true;
        Form.release()->Free();
      } else if (!freeForm) {
        if (TComponent* list = form->FindComponent("List1")) list->Free();
      }
    };
    TComponent* source = form->FindComponent(trigger);
    if (auto* lamp = dynamic_cast<TLamp*>(source))
      lamp->OnChange = TNotifyEvent(strike);
    else
      As<TBasicAction>(source)->OnExecute = TNotifyEvent(strike);
    // Connected after the handler is set: the hooks keep it and run it first.
    for (int i = 0; i < List->GetConnectionCount(); ++i) EXPECT_TRUE(List->GetConnection(i)->Connect()) << seed;
    // Fire everything in a random order until the form is gone.
    std::vector<std::string> names = sources;
    for (int round = 0; round < 3 && !formFreed; ++round) {
      std::shuffle(names.begin(), names.end(), rng);
      FireSurvivors(names, formFreed);
    }
    if (!freeForm) {
      EXPECT_EQ(form->FindComponent("List1"), nullptr) << seed;
      Form.reset();
    } else {
      EXPECT_TRUE(formFreed) << seed;
    }
  }
}

}  // namespace
}  // namespace conntest
