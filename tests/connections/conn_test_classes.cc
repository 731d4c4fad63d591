#include "tests/connections/conn_test_classes.h"

#include "host/classes/formtext.h"
#include "host/classes/typinfo.h"

namespace conntest {

HOST_IMPL(TLamp, TComponent)
HOST_IMPL(TLampChild, TLamp)
KEL_DESCRIPTOR_IMPL(TLampClassInfo)
HOST_IMPL(TConnForm, TComponent)
HOST_IMPL(TDial, TComponent)
KEL_DESCRIPTOR_IMPL(TDialClassInfo)

void RegisterTestClasses() {
  // The class library's component descriptors too (the first registration
  // wins, so this is harmless once the package registers them itself).
  if (!TkelClassRegistry::FindClass("TLamp"))
    kelRegisterDescriptors<TLampClassInfo, TDialClassInfo, TkelComponentDescriptors>();
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
  Action = Named<TBasicAction>("Action1");
  Lamp1 = Named<TLamp>("Lamp1");
  Lamp2 = Named<TLamp>("Lamp2");
  Lamp3 = Named<TLamp>("Lamp3");
  List = Named<TkelConnectionList>("List1");
}

TkelE2MConnection* ConnFixture::NewE2M(const std::string& Name, TComponent* Source, const std::string& Event,
                                       TComponent* Target, const std::string& Method, bool InList) {
  auto* c = NewConnection<TkelE2MConnection>(Name, InList);
  c->SetSource(Source);
  c->SetSourceEvent(Event);
  c->SetTarget(Target);
  c->SetTargetMethod(Method);
  return c;
}

TkelE2PConnection* ConnFixture::NewE2P(const std::string& Name, TComponent* Source, const std::string& Event,
                                       TComponent* Target, const std::string& Property) {
  auto* c = NewConnection<TkelE2PConnection>(Name, true);
  c->SetSource(Source);
  c->SetSourceEvent(Event);
  c->SetTarget(Target);
  c->SetTargetProperty(Property);
  return c;
}

TkelP2PConnection* ConnFixture::NewP2P(const std::string& Name, TComponent* Source, const std::string& SourceProperty,
                                       TComponent* Target, const std::string& TargetProperty) {
  auto* c = NewConnection<TkelP2PConnection>(Name, true);
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

void ConnFixture::BindEvent(TkelE2MConnection* c, const std::string& Parameter, const std::string& EventParameter) {
  TkelParameterConnection* b = Binding(c, Parameter);
  b->SetOptions(voEventProperty);
  b->SetEventParameter(EventParameter);
}

TkelParameterConnection* ConnFixture::BindProperty(TkelE2MConnection* c, const std::string& Parameter,
                                                   TComponent* Component, const std::string& Property,
                                                   const Variant& Index) {
  TkelParameterConnection* b = Binding(c, Parameter);
  b->SetOptions(voComponentProperty);
  b->SetComponent(Component);
  b->SetComponentProperty(Property);
  if (!Index.IsEmpty()) b->SetComponentPropertyIndex(Index);
  return b;
}

}  // namespace conntest
