// Registration of components and editors with the form designer.
//
// RegisterComponents puts classes on named palette pages (pages in the order
// first named, classes in registration order); RegisterNoIcon makes classes
// known to the designer without a palette button. Both also register the
// classes for form streaming (RegisterClasses, the host's class registry).
//
// RegisterPropertyEditor(type, component class, property name, editor)
// attaches an editor class to properties. The editor of a property of a
// component is the most specific registration that fits it:
//   1. one naming the property beats one for every property of the type
//      (an empty name);
//   2. then the nearest component class by inheritance beats a farther
//      one, and any beats none (a null class covers every component);
//   3. then the property type: the exact type beats an ancestor class type,
//      a nearer ancestor beats a farther one;
//   4. among equals, the later registration wins.
// Without any fitting registration the kind of the property's type chooses
// the standard editor (TIntegerProperty, TEnumProperty, TBoolProperty,
// TSetProperty, TStringProperty, TComponentProperty, TClassProperty, ...).
//
// RegisterComponentEditor(component class, editor): the editor of the
// nearest registered class of a component (the later registration among
// equals); TDefaultEditor without one.
//
// Registrations belong to the current editor group: FreeEditorGroup drops
// those of one group again (as when the package that made them is
// unloaded). Bad registrations (a class of the wrong kind, no type, no page
// name) raise EInvalidOperation and register nothing.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "host/classes/typinfo.h"
#include "host/designer/compedit.h"
#include "host/designer/propedit.h"

namespace host {

void RegisterComponents(const std::string& Page, std::initializer_list<TClass> Classes);
void RegisterNoIcon(std::initializer_list<TClass> Classes);
void RegisterPropertyEditor(const TTypeInfo* PropertyType, TClass ComponentClass, const std::string& PropertyName,
                            TClass EditorClass);
void RegisterComponentEditor(TClass ComponentClass, TClass EditorClass);

// The class of the editor for property PropInfo of Component (see above).
TClass GetPropertyEditorClass(const TPropInfo* PropInfo, TPersistent* Component);
// A new editor of Component (freed by the caller).
TOwned<TComponentEditor> GetComponentEditor(TComponent* Component, IFormDesigner* Designer);

// One page of the component palette.
struct TPalettePage {
  std::string Name;
  std::vector<TClass> Classes;
};
// The pages in order.
std::vector<TPalettePage> PalettePages();
// Whether the class was registered with RegisterNoIcon (and not since with
// RegisterComponents).
bool IsNoIconClass(TClass ComponentClass);

// Starts a new group for the registrations that follow; returns its number.
int NewEditorGroup();
// Drops every registration made in Group (palette entries, no-icon
// classes, property and component editors). The classes stay registered
// for streaming.
void FreeEditorGroup(int Group);

}  // namespace host
