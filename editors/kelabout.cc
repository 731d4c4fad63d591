#include "editors/kelabout.h"

#include "editors/kellayouts.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/widgetset.h"

namespace kel {

HOST_IMPL(TkelAboutForm, TkelEditorDialog)

void TkelAboutForm::BindControls() {
  Find<host::TLabel>("lbWeb")->OnClick = [](host::TObject*) { kelOpenLink(kWebAddress); };
  Find<host::TLabel>("lbMail")->OnClick = [](host::TObject*) { kelOpenLink(kMailAddress); };
}

bool kelOpenLink(const std::string& Address) {
  return host::WidgetSetRunning() && host::WidgetSet().Windows().OpenURL(Address);
}

void kelShowAbout() {
  auto* about = host::New<TkelAboutForm>(host::Application);
  TkelEditorDialog::Execute(about, [] {});
}

namespace kelabout {

void Initialize() { kelRegisterLayout(&TkelAboutForm::StaticMetaClass, "kelabout.dfm"); }
void Finalize() { host::UnregisterFormLayout(&TkelAboutForm::StaticMetaClass); }

}  // namespace kelabout

}  // namespace kel
