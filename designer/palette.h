// The component palette of the designer window.
//
// RegisterHostPalette puts the host's own component classes on the
// classic palette pages ("Standard", "Additional", "Win32", "System");
// the connection library's registration adds its "Corvane" page. The view
// shows one tab per registered page with a button per class (its name
// without the leading T; classes registered without an icon have none), in
// rows that fit the window; a button is named "Palette" and that name
// ("PaletteButton").
// Pressing a button makes its class the one the design surface drops with
// the next click on the form; pressing it again, or the drop, releases it.
#pragma once

#include <functional>
#include <vector>

#include "host/comctrls/pagecontrol.h"
#include "host/comctrls/toolbar.h"
#include "host/designer/designsurface.h"

namespace corvane::designer {

void RegisterHostPalette();

// The designer's registrations for as long as a designer runs, as a
// designer that loads the package makes them: the host palette and the
// connection library's palette page, property and component editors.
class TDesignRegistration {
 public:
  TDesignRegistration();
  ~TDesignRegistration();
  TDesignRegistration(const TDesignRegistration&) = delete;
  TDesignRegistration& operator=(const TDesignRegistration&) = delete;

 private:
  int FGroup;
};

class TPaletteView : public host::TObject {
  HOST_CLASS(TPaletteView, host::TObject)

  // Builds the palette (a page control named "Palette") on Parent for the
  // surface given by Surface, which is asked each time (the designer
  // window makes a new one for each form).
  TPaletteView(host::TWinControl* Parent, std::function<host::TDesignSurface*()> Surface);

  host::TPageControl* Pages() const { return FPages; }
  // The button of a class (null when the palette has none).
  host::TToolButton* ButtonOf(host::TClass Class) const;
  // Releases the pressed button (the drop happened or was given up).
  void Release();

 protected:
  ~TPaletteView() override = default;

 private:
  void ButtonClicked(host::TObject* Sender);
  host::TToolBar* AddBar(host::TTabSheet* Sheet, host::TComponent* Owner);
  host::TToolButton* AddButton(host::TToolBar* Bar, host::TClass Class, host::TComponent* Owner);

  std::function<host::TDesignSurface*()> FSurface;
  host::TPageControl* FPages = nullptr;
  std::vector<std::pair<host::TToolButton*, host::TClass>> FButtons;
};

}  // namespace corvane::designer
