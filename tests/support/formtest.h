// Test helper: form round trips. A root component written as a binary form,
// the binary and text forms converted into each other (and checked to
// convert back), and a binary form read back into a root, as the streaming
// tests of the host's units use them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/classes/component.h"
#include "host/classes/datamodule.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"

namespace host::testkit {

// A data module without owner, named Name: the root of a form to build.
inline TOwned<TDataModule> NewModule(const std::string& Name) {
  TOwned<TDataModule> module(New<TDataModule>(nullptr));
  module->SetName(Name);
  return module;
}

// Root and its children as a binary form.
inline std::string FormBinary(TComponent* Root) {
  TOwned<TStringStream> s = MakeOwned<TStringStream>();
  s->WriteComponent(Root);
  return s->GetDataString();
}

// Input run through a form converter (reading In, writing Out).
inline std::string ConvertForm(void (*Converter)(TStream*, TStream*), const std::string& Input) {
  TOwned<TStringStream> in = MakeOwned<TStringStream>(Input), out = MakeOwned<TStringStream>();
  Converter(in.get(), out.get());
  return out->GetDataString();
}

// The converters are called, not passed by address, so that overloads and
// default arguments of theirs do not matter here.
inline std::string BinaryToText(const std::string& Binary) {
  return ConvertForm([](TStream* In, TStream* Out) { ObjectBinaryToText(In, Out); }, Binary);
}

inline std::string TextToBinary(const std::string& Text) {
  return ConvertForm([](TStream* In, TStream* Out) { ObjectTextToBinary(In, Out); }, Text);
}

// Root's form as text (its binary form converted).
inline std::string FormText(TComponent* Root) { return BinaryToText(FormBinary(Root)); }

// A root's binary form and the text it converts to.
struct TFormRoundTrip {
  std::string Binary;
  std::string Text;
};

// Root written as a binary form and converted to text, checking that the
// text converts back to the same binary.
inline TFormRoundTrip RoundTrip(TComponent* Root) {
  TFormRoundTrip form{FormBinary(Root), {}};
  form.Text = BinaryToText(form.Binary);
  EXPECT_EQ(TextToBinary(form.Text), form.Binary) << "the text form does not convert back to the binary form";
  return form;
}

// Reads the binary form Binary into Root.
inline void ReadForm(const std::string& Binary, TComponent* Root) {
  TOwned<TStringStream> s = MakeOwned<TStringStream>(Binary);
  s->ReadComponent(Root);
}

// A new root of class T (without owner) with the binary form Binary read
// into it.
template <class T>
TOwned<T> ReadNewRoot(const std::string& Binary) {
  TOwned<T> root(New<T>(nullptr));
  ReadForm(Binary, root.get());
  return root;
}

}  // namespace host::testkit
