#include "tests/host/forms/forms_test.h"

namespace host::formstest {

// Every test starts with a new application object: a terminated one stays
// terminated.
void FormsTest::SetUp() {
  THandlesTest::SetUp();
  FreeAndNil(Application);
  Application = New<TApplication>(nullptr);
  Windows().ClearMessageBoxes();
}

void FormsTest::TearDown() {
  Windows().SetIdleDriver(nullptr);
  Windows().ClearMessageBoxes();
  Application->CancelHint();
  FreeAndNil(Application);
  Application = New<TApplication>(nullptr);
  Windows().ProcessMessages();
  THandlesTest::TearDown();
}

TOwned<TForm> FormsTest::NewForm(const std::string& Name) {
  TOwned<TForm> form(static_cast<TForm*>(TCustomForm::CreateNew(&TForm::StaticMetaClass, nullptr)));
  form->SetName(Name);
  form->SetBounds(100, 100, 400, 300);
  return form;
}

TButton* FormsTest::AddButton(TWinControl* Parent, const std::string& Name, TModalResult Result, TRect Bounds) {
  TButton* button = Add<TButton>(Parent, Name, Bounds);
  button->SetCaption(Name);
  button->SetModalResult(Result);
  return button;
}

void FormsTest::Drive(std::vector<std::function<void()>> Steps) {
  FSteps = std::move(Steps);
  FDriverCalls = 0;
  Windows().SetIdleDriver([this] {
    const auto step = static_cast<std::size_t>(FDriverCalls++);
    if (step >= FSteps.size()) return false;
    FSteps[step]();
    return true;
  });
}

}  // namespace host::formstest
