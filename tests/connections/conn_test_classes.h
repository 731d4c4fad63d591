// Components and descriptors used by the connection tests: a lamp with
// plain, indexed and two-index properties, methods with by-reference
// parameters and an event with by-reference parameters; an unregistered
// subclass of it; and a form root that streams its unparented components.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "connections/kelconlist.h"
#include "connections/kele2m.h"
#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "descriptors/kelclasses_components.h"
#include "host/classes/actions.h"
#include "host/classes/component.h"
#include "host/classes/filer.h"
#include "host/classes/streams.h"
#include "tests/support/raises.h"

namespace conntest {

using namespace host;
using namespace kel;
using host::testkit::RaisedMessage;

// By-reference event: the handler may change Text and refuse with Accept.
using TQueryEvent = TEvent<TObject* /*Sender*/, std::string& /*Text*/, bool& /*Accept*/>;

class TLamp : public TComponent {
  HOST_CLASS(TLamp, TComponent)
  explicit TLamp(TComponent* AOwner) : TComponent(AOwner) {}

  std::string GetCaption() const { return FCaption; }
  void SetCaption(const std::string& v) {
    ++CaptionWrites;
    FCaption = v;
  }
  int32_t GetLevel() const { return FLevel; }
  void SetLevel(int32_t v) { FLevel = v; }
  std::string GetItems(int32_t i) const { return FItems.at(Checked(i)); }
  void SetItems(int32_t i, const std::string& s) { FItems.at(Checked(i)) = s; }
  int32_t GetCells(int32_t col, int32_t row) const { return col * 10 + row; }

  // Appends Prefix + Value + "@" + the sender's class name to Log.
  int32_t Combine(const std::string& Prefix, const std::string& Value, TObject* Sender) {
    Log.push_back(Prefix + Value + "@" + (Sender ? Sender->ClassName() : std::string("nil")));
    return static_cast<int32_t>(Log.size());
  }
  // Wraps Text in brackets and raises Level by one.
  void Decorate(std::string& Text, int32_t& Level) {
    Text = "[" + Text + "]";
    ++Level;
  }
  void Clear() { Log.clear(); }
  // Frees the lamp (a method that destroys components).
  void Vanish() { Free(); }

  // Fires OnQuery and returns the text as the handlers left it.
  std::string Query(const std::string& Text) {
    std::string text = Text;
    bool accept = true;
    if (OnQuery) OnQuery(this, text, accept);
    return text;
  }
  void Change() {
    if (OnChange) OnChange(this);
  }

  TQueryEvent OnQuery;
  TNotifyEvent OnChange;
  std::vector<std::string> Log;
  std::vector<std::string> FItems{"alpha", "beta", "gamma"};
  int CaptionWrites = 0;

 protected:
  ~TLamp() override = default;

 private:
  std::size_t Checked(int32_t i) const {
    if (i < 0 || i >= static_cast<int32_t>(FItems.size())) throw EListError("List index out of bounds (%d)", {i});
    return static_cast<std::size_t>(i);
  }
  std::string FCaption;
  int32_t FLevel = 0;
};

// A subclass whose exact class is not registered with the descriptors.
class TLampChild : public TLamp {
  HOST_CLASS(TLampChild, TLamp)
  explicit TLampChild(TComponent* AOwner) : TLamp(AOwner) {}

 protected:
  ~TLampChild() override = default;
};

class TLampClassInfo : public TkelDescriptor<TLampClassInfo, TComponentClassInfo, TLamp> {
  KEL_DESCRIPTOR(TLampClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Caption::psReadable..psWritable::pvPublished::0::Define::Level::psReadable..psWritable::"
          "pvPublished::0::Define::Items::psReadable..psWritable..psIndexed::pvPublic::1::Index::"
          "Define::Cells::psReadable..psIndexed::pvPublic::2::Col::Row",
      .Methods =
          "Combine::msFunction::3::Prefix::Value::Sender::Decorate::msProcedure::2::Text::Level::"
          "Clear::msProcedure::0::Vanish::msProcedure::0",
      .Events = "Define::OnQuery::pvPublished::3::Sender::Text::Accept::Define::OnChange::pvPublished::1::Sender",
  };
  static void MapFeatures(Map& m) {
    m.Prop("Caption", &TLamp::GetCaption, &TLamp::SetCaption)
        .Prop("Level", &TLamp::GetLevel, &TLamp::SetLevel)
        .Indexed("Items", &TLamp::GetItems, &TLamp::SetItems)
        .Indexed("Cells", &TLamp::GetCells)
        .Method("Combine", &TLamp::Combine)
        .Method("Decorate", &TLamp::Decorate)
        .Method("Clear", &TLamp::Clear)
        .Method("Vanish", &TLamp::Vanish)
        .Event("OnQuery", &TLamp::OnQuery)
        .Event("OnChange", &TLamp::OnChange);
  }

 protected:
  ~TLampClassInfo() override = default;
};

// A dial whose Value setter fires OnChange at once (so a property link can
// echo) and refuses negative values (so a copy can fail).
class TDial : public TComponent {
  HOST_CLASS(TDial, TComponent)
  explicit TDial(TComponent* AOwner) : TComponent(AOwner) {}
  int32_t GetValue() const { return FValue; }
  void SetValue(int32_t v) {
    if (v < 0) throw Exception("Dial value " + std::to_string(v) + " is below zero");
    ++Writes;
    FValue = v;
    if (OnChange) OnChange(this);
  }
  TNotifyEvent OnChange;
  int Writes = 0;

 protected:
  ~TDial() override = default;

 private:
  int32_t FValue = 0;
};

class TDialClassInfo : public TkelDescriptor<TDialClassInfo, TComponentClassInfo, TDial> {
  KEL_DESCRIPTOR(TDialClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Value::psReadable..psWritable::pvPublished::0",
      .Events = "Define::OnChange::pvPublished::1::Sender",
  };
  static void MapFeatures(Map& m) {
    m.Prop("Value", &TDial::GetValue, &TDial::SetValue).Event("OnChange", &TDial::OnChange);
  }

 protected:
  ~TDialClassInfo() override = default;
};

// The root of the test forms: streams the components it owns that have no
// parent of their own (the connections stream under their list).
class TConnForm : public TComponent {
  HOST_CLASS(TConnForm, TComponent)
  explicit TConnForm(TComponent* AOwner) : TComponent(AOwner) {}
  void GetChildren(TGetChildProc Proc, TComponent* /*Root*/) override {
    for (int i = 0; i < GetComponentCount(); ++i)
      if (!GetComponents(i)->HasParent()) Proc(GetComponents(i));
  }

 protected:
  ~TConnForm() override = default;
};

// Registers the test classes with the descriptor registry and the host's
// class registry (once per program; the package must be started).
void RegisterTestClasses();

// Writes Root into a binary form and reads it back into a new root. With
// Designing the new root is in the form designer while it loads.
TOwned<TConnForm> RoundTrip(TComponent* Root, bool Designing = false);

// The form Root as text (the classic text syntax).
std::string FormText(TComponent* Root);

// One assignment that must be refused with EkelInvalidFeature Message.
struct TRejected {
  std::function<void()> Assign;
  std::string Message;
};
// Runs every row and checks its message and that State() did not change.
template <class S>
void ExpectRejected(const std::vector<TRejected>& Rows, S&& State) {
  for (const TRejected& row : Rows) {
    const auto before = State();
    EXPECT_EQ(RaisedMessage<EkelInvalidFeature>(row.Assign), row.Message);
    EXPECT_TRUE(State() == before) << row.Message;
  }
}

// Every class-level check of one connection's state, for "nothing changed".
struct TE2MState {
  TComponent* Source;
  TComponent* Target;
  std::string SourceEvent;
  std::string TargetMethod;
  int Bindings;
  friend bool operator==(const TE2MState&, const TE2MState&) = default;
};
TE2MState StateOf(TkelE2MConnection* c);

// A form with an action, three lamps and a connection list.
class ConnFixture : public testing::Test {
 public:
  void SetUp() override;
  // A new event-to-method connection owned by the form (in the list unless
  // InList is false); names and references set in this order.
  TkelE2MConnection* NewE2M(const std::string& Name, TComponent* Source, const std::string& Event, TComponent* Target,
                            const std::string& Method, bool InList = true);
  // New event-to-property and property-to-property connections owned by the
  // form and in the list; references and names set in this order.
  TkelE2PConnection* NewE2P(const std::string& Name, TComponent* Source, const std::string& Event, TComponent* Target,
                            const std::string& Property);
  TkelP2PConnection* NewP2P(const std::string& Name, TComponent* Source, const std::string& SourceProperty,
                            TComponent* Target, const std::string& TargetProperty);
  // The binding of the connection named Parameter.
  static TkelParameterConnection* Binding(TkelE2MConnection* c, const std::string& Parameter);
  // Binds Parameter to the event's parameter EventParameter.
  static void BindEvent(TkelE2MConnection* c, const std::string& Parameter, const std::string& EventParameter);
  // Binds Parameter to Component.Property (at Index when given).
  static TkelParameterConnection* BindProperty(TkelE2MConnection* c, const std::string& Parameter,
                                               TComponent* Component, const std::string& Property,
                                               const Variant& Index = Variant());
  template <class T>
  T* Find(TComponent* Root, const std::string& Name) {
    return As<T>(Root->FindComponent(Name));
  }

  TOwned<TConnForm> Form;
  TBasicAction* Action = nullptr;
  TLamp* Lamp1 = nullptr;
  TLamp* Lamp2 = nullptr;
  TLamp* Lamp3 = nullptr;
  TkelConnectionList* List = nullptr;

 private:
  // A new connection of class C named Name, owned by the form.
  template <class C>
  C* NewConnection(const std::string& Name, bool InList) {
    auto* c = New<C>(Form.get());
    c->SetName(Name);
    if (InList) c->SetConnectionList(List);
    return c;
  }
  template <class T>
  T* Named(const std::string& Name) {
    auto* c = New<T>(Form.get());
    c->SetName(Name);
    return c;
  }
};

}  // namespace conntest
