// The About box ("About"): the product's name and version and the maker's
// web address and mail address as links. A click on a link hands it to the
// operating system's handler for web addresses and mail (through the
// widgetset; the headless backend records the request instead).
#pragma once

#include "editors/keldialog.h"

namespace kel {

class TkelAboutForm : public TkelEditorDialog {
  HOST_CLASS(TkelAboutForm, TkelEditorDialog)
  using TCreateArg = host::TComponent;
  explicit TkelAboutForm(host::TComponent* AOwner) : TkelEditorDialog(AOwner) {}

  static constexpr char kWebAddress[] = "https://corvane.example/suite";
  static constexpr char kMailAddress[] = "mailto:support@corvane.example";

 protected:
  ~TkelAboutForm() override = default;
  void BindControls() override;
};

// Shows the About box modally; it is freed when it closes.
void kelShowAbout();
// Hands Address to the system's handler (see above); false when nothing
// could take it.
bool kelOpenLink(const std::string& Address);

namespace kelabout {
void Initialize();
void Finalize();
}  // namespace kelabout

}  // namespace kel
