// The value page shared by the parameter binding dialog and the
// event-to-property editor: where a value comes from, edited on the page
// control pcValue and the controls on its three pages (a constant; a
// property of a component, with its index values; a parameter of the
// source event).
//
// The page works on a subject (a parameter binding, an event-to-property
// connection) through its published properties, named by a table, so its
// setters check every value as when a form file is read: Options (page 0
// voConstant, 1 voComponentProperty, 2 voEventProperty), the constant,
// the value component, its property, the property's index array and the
// event parameter. Each change tells the designer (Modified).
#pragma once

#include <functional>
#include <string>

#include "editors/keldialog.h"

namespace host {
class TPageControl;
}  // namespace host

namespace kel {

// The names of a subject's value properties.
struct TkelValueNames {
  const char* Options;
  const char* Constant;
  const char* Component;
  const char* Property;
  const char* PropertyIndex;
  const char* EventParameter;
  const char* OptionsError;  // the error for an Options value outside the three pages
};

class TkelValuePage {
 public:
  // Finds the page's controls in Dialog and hooks their handlers. Event
  // gives the source event's record (its parameters are offered).
  TkelValuePage(TkelEditorDialog& Dialog, const TkelValueNames& Names, std::function<TkelEventInfo*()> Event);
  TkelValuePage(const TkelValuePage&) = delete;
  TkelValuePage& operator=(const TkelValuePage&) = delete;

  // The edited subject (null: none; the page then changes nothing).
  host::TPersistent* GetSubject() const { return FSubject; }
  void SetSubject(host::TPersistent* Value) { FSubject = Value; }

  // Shows the subject: its page, its constant, its component with its
  // properties, index display and the event parameters.
  void Show();
  void UpdateComponent();
  void UpdateComponentIndex();
  void UpdateEventParameter();

  // The descriptor of the value component and its property record (null
  // for none).
  TkelClassInfo* ComponentInfo() const;
  TkelPropertyInfo* PropertyInfo() const;

 private:
  std::string Text(const char* Name) const;
  void SetText(const char* Name, const std::string& Value);
  host::TComponent* Component() const;
  void PageChange();
  void ConstantChange();
  void ComponentCommit();
  void PropertyClick();
  void IndexClick();
  void EventParameterClick();

  TkelEditorDialog& FDialog;
  TkelValueNames FNames;
  std::function<TkelEventInfo*()> FEvent;
  host::TPersistent* FSubject = nullptr;
  host::TPageControl* pcValue;
  host::TEdit* edConstant;
  host::TComboBox* cbComponent;
  host::TListBox* lbComponentProperty;
  host::TEdit* edComponentPropertyIndex;
  host::TButton* btComponentPropertyIndex;
  host::TListBox* lbEventParameter;
};

// The "..." of an indexed property: shows the property index editor on the
// index array Current of Property for Instance, then builds the new array
// from what was typed and hands it to Store (the owner's checking setter);
// Store answers whether it still had something to store it in (the
// edited object may have gone meanwhile). The designer hears Modified
// after a store.
void kelEditIndex(TkelEditorDialog& Dialog, host::TObject* Instance, TkelPropertyInfo* Property,
                  const host::Variant& Current, const std::function<bool(const host::Variant&)>& Store);

}  // namespace kel
