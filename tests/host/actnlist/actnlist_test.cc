#include "tests/host/actnlist/actnlist_test.h"

#include "host/classes/formtext.h"
#include "host/classes/hostclasses.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"
#include "host/graphics/graphics.h"
#include "host/widgetset/headless/headless.h"

namespace host::actnlisttest {

void ActnListTest::SetUpTestSuite() {
  RegisterHostClasses();
  RegisterHeadlessWidgetSet();
  InitializeWidgetSet("headless");
  RegisterGraphicsClasses();
  RegisterImgListClasses();
  RegisterActnListClasses();
}

void ActnListTest::TearDownTestSuite() {
  UnregisterActnListClasses();
  UnregisterImgListClasses();
  UnregisterGraphicsClasses();
  FinalizeWidgetSet();
  UnregisterHostClasses();
}

TWMKey KeyOf(TShortCut ShortCut) {
  TWMKey key;
  key.Msg = WM_KEYDOWN;
  ShortCutToKey(ShortCut, key.CharCode, key.ShiftState);
  return key;
}

std::string FormBinary(TComponent* Root) {
  TOwned<TStringStream> s = MakeOwned<TStringStream>();
  s->WriteComponent(Root);
  return s->GetDataString();
}

namespace {
std::string Convert(void (*Converter)(TStream*, TStream*), const std::string& Input) {
  TOwned<TStringStream> in = MakeOwned<TStringStream>(Input), out = MakeOwned<TStringStream>();
  Converter(in.get(), out.get());
  return out->GetDataString();
}
}  // namespace

std::string BinaryToText(const std::string& Binary) { return Convert(ObjectBinaryToText, Binary); }

std::string TextToBinary(const std::string& Text) { return Convert(ObjectTextToBinary, Text); }

void ReadForm(const std::string& Binary, TComponent* Root) {
  TOwned<TStringStream> s = MakeOwned<TStringStream>(Binary);
  s->ReadComponent(Root);
}

}  // namespace host::actnlisttest
