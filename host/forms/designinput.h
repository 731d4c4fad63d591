// IDesignInput: what the designer of a form does with the form's input and
// paint while the form is designed.
//
// A form designer that lets an author work on the form with the mouse and
// the keyboard implements it beside IDesignerHook; the form finds it by
// interface query on its Designer. Every message the widgetset delivers to
// a control of the designed form (the form included) goes first to
// IsDesignMsg (see host/controls/designfilter.h); after the form painted
// itself, PaintGrid draws the designer's marks on it.
#pragma once

#include "host/forms/form.h"

namespace host {

class IDesignInput : public IUnknown {
 public:
  static constexpr TGUID IID{0x5C7E2A91, 0x3B4D, 0x4E8F, {0xA1, 0x62, 0x7D, 0x90, 0x1E, 0x4B, 0xC3, 0x58}};
  // Message arrives for Sender, a control of the designed form: true when
  // the designer took it and the control must not act on it.
  virtual bool IsDesignMsg(TControl* Sender, TMessage& Message) = 0;
  // Draws the designer's marks (the grid) on the form's canvas.
  virtual void PaintGrid() = 0;

 protected:
  ~IDesignInput() = default;
};

}  // namespace host
