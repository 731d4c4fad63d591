#include "tests/host/designer/designer_test.h"

#include "host/classes/filer.h"
#include "host/classes/formtext.h"

namespace host::designertest {

void DesignerTest::SetUp() {
  THandlesTest::SetUp();
  FreeAndNil(Application);
  Application = New<TApplication>(nullptr);
  group = NewEditorGroup();
  designer = TFormDesigner::CreateNew(&TForm::StaticMetaClass, "Form1");
  designer->AddListener(&listener);
}

void DesignerTest::TearDown() {
  designer.reset();
  FreeEditorGroup(group);
  FreeAndNil(Application);
  Application = New<TApplication>(nullptr);
  THandlesTest::TearDown();
}

std::vector<std::string> DesignerTest::Names(const TTypeInfo* TypeData) {
  std::vector<std::string> names;
  designer->GetComponentNames(TypeData, [&](const std::string& Name) { names.push_back(Name); });
  return names;
}

TOwned<TComponent> DesignerTest::ReadAtRunTime(TStream* Stream) {
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  ObjectToBinary(Stream, binary.get());
  binary->SetPosition(0);
  TOwned<TReader> reader = MakeOwned<TReader>(binary.get(), 4096);
  return TOwned<TComponent>(reader->ReadRootComponent(nullptr));
}

}  // namespace host::designertest
