#include "tests/host/designer/designer_test.h"

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

std::string DesignerTest::SavedText() {
  TOwned<TStringStream> out = MakeOwned<TStringStream>();
  designer->SaveToStream(out.get());
  return out->GetDataString();
}

}  // namespace host::designertest
