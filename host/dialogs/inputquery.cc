#include "host/dialogs/inputquery.h"

#include "host/forms/form.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"

namespace host {

namespace {

template <class T>
T* AddControl(TCustomForm* Form, const char* Name, TRect Bounds) {
  auto* control = New<T>(Form);
  control->SetName(Name);
  control->SetParent(Form);
  control->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  return control;
}

}  // namespace

bool InputQuery(const std::string& ACaption, const std::string& APrompt, std::string& Value) {
  TOwned<TForm> form(static_cast<TForm*>(TCustomForm::CreateNew(&TForm::StaticMetaClass, nullptr)));
  form->SetName("InputQueryForm");
  form->SetCaption(ACaption);
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetClientWidth(320);
  form->SetClientHeight(100);
  AddControl<TLabel>(form.get(), "Prompt", {12, 10, 308, 26})->SetCaption(APrompt);
  auto* edit = AddControl<TEdit>(form.get(), "Value", {12, 30, 308, 51});
  edit->SetText(Value);
  auto* ok = AddControl<TButton>(form.get(), "OK", {152, 64, 227, 89});
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = AddControl<TButton>(form.get(), "Cancel", {233, 64, 308, 89});
  cancel->SetCaption("Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  if (form->ShowModal() != mrOk) return false;
  Value = edit->GetText();
  return true;
}

std::string InputBox(const std::string& ACaption, const std::string& APrompt, const std::string& Default) {
  std::string value = Default;
  return InputQuery(ACaption, APrompt, value) ? value : Default;
}

}  // namespace host
