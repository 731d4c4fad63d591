#include "tests/connections/conn_test_classes.h"

#include "host/classes/formtext.h"
#include "host/classes/typinfo.h"

namespace conntest {

HOST_IMPL(TLamp, TComponent)
HOST_IMPL(TLampChild, TLamp)
HOST_IMPL(TLampClassInfo, TComponentClassInfo)
HOST_IMPL(TConnForm, TComponent)
HOST_IMPL(TDial, TComponent)
HOST_IMPL(TDialClassInfo, TComponentClassInfo)

void RegisterTestClasses() {
  if (!TkelClassRegistry::FindClass("TLamp")) {
    TkelClassRegistry::RegisterClass("TLamp", &TLampClassInfo::StaticMetaClass);
    TkelClassRegistry::RegisterClass("TDial", &TDialClassInfo::StaticMetaClass);
    // The class library's component descriptors (first registration wins,
    // so this is harmless once the package registers them itself).
    RegisterComponentDescriptors();
  }
  static const bool hostRegistered = [] {
    RegisterProperties(&TLamp::StaticMetaClass, {Prop<&TLamp::GetCaption, &TLamp::SetCaption>("Caption")});
    RegisterClasses({&TLamp::StaticMetaClass, &TConnForm::StaticMetaClass});
    RegisterProperties(&TDial::StaticMetaClass, {Prop<&TDial::GetValue, &TDial::SetValue>("Value")});
    RegisterClasses({&TDial::StaticMetaClass});
    return true;
  }();
  (void)hostRegistered;
}

TOwned<TConnForm> RoundTrip(TComponent* Root, bool Designing) {
  TOwned<TMemoryStream> stream = MakeOwned<TMemoryStream>();
  MakeOwned<TWriter>(stream.get(), 4096)->WriteRootComponent(Root);
  stream->SetPosition(0);
  TOwned<TConnForm> form = MakeOwned<TConnForm>(nullptr);
  if (Designing) form->SetDesigning(true);
  MakeOwned<TReader>(stream.get(), 4096)->ReadRootComponent(form.get());
  return form;
}

std::string FormText(TComponent* Root) {
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  MakeOwned<TWriter>(binary.get(), 4096)->WriteRootComponent(Root);
  binary->SetPosition(0);
  TOwned<TMemoryStream> text = MakeOwned<TMemoryStream>();
  ObjectBinaryToText(binary.get(), text.get());
  return std::string(static_cast<const char*>(text->GetMemory()), static_cast<std::size_t>(text->GetSize()));
}

TE2MState StateOf(TkelE2MConnection* c) {
  return {c->GetSource(), c->GetTarget(), c->GetSourceEvent(), c->GetTargetMethod(),
          c->GetTargetMethodParameters()->GetCount()};
}

void ConnFixture::SetUp() {
  RegisterTestClasses();
  Form = MakeOwned<TConnForm>(nullptr);
  Form->SetName("Form1");
  Action = New<TBasicAction>(Form.get());
  Action->SetName("Action1");
  Lamp1 = New<TLamp>(Form.get());
  Lamp1->SetName("Lamp1");
  Lamp2 = New<TLamp>(Form.get());
  Lamp2->SetName("Lamp2");
  Lamp3 = New<TLamp>(Form.get());
  Lamp3->SetName("Lamp3");
  List = New<TkelConnectionList>(Form.get());
  List->SetName("List1");
}

TkelE2MConnection* ConnFixture::NewE2M(const std::string& Name, TComponent* Source, const std::string& Event,
                                       TComponent* Target, const std::string& Method, bool InList) {
  auto* c = New<TkelE2MConnection>(Form.get());
  c->SetName(Name);
  if (InList) c->SetConnectionList(List);
  c->SetSource(Source);
  c->SetSourceEvent(Event);
  c->SetTarget(Target);
  c->SetTargetMethod(Method);
  return c;
}

TkelE2PConnection* ConnFixture::NewE2P(const std::string& Name, TComponent* Source, const std::string& Event,
                                       TComponent* Target, const std::string& Property) {
  auto* c = New<TkelE2PConnection>(Form.get());
  c->SetName(Name);
  c->SetConnectionList(List);
  c->SetSource(Source);
  c->SetSourceEvent(Event);
  c->SetTarget(Target);
  c->SetTargetProperty(Property);
  return c;
}

TkelP2PConnection* ConnFixture::NewP2P(const std::string& Name, TComponent* Source, const std::string& SourceProperty,
                                       TComponent* Target, const std::string& TargetProperty) {
  auto* c = New<TkelP2PConnection>(Form.get());
  c->SetName(Name);
  c->SetConnectionList(List);
  c->SetSource(Source);
  c->SetSourceProperty(SourceProperty);
  c->SetTarget(Target);
  c->SetTargetProperty(TargetProperty);
  return c;
}

TkelParameterConnection* ConnFixture::Binding(TkelE2MConnection* c, const std::string& Parameter) {
  TkelParameterConnections* bindings = c->GetTargetMethodParameters();
  for (int i = 0; i < bindings->GetCount(); ++i)
    if (bindings->GetItem(i)->GetParameterName() == Parameter) return bindings->GetItem(i);
  return nullptr;
}

}  // namespace conntest
