#include "host/designer/designreg.h"

#include <algorithm>
#include <tuple>

#include "host/designer/propeditors.h"
#include "host/rtl/sysutils.h"

namespace host {

namespace {

struct TPropertyEditorEntry {
  const TTypeInfo* PropertyType;
  TClass ComponentClass;     // null: every class
  std::string PropertyName;  // empty: every property of the type
  TClass EditorClass;
  int Group;
};

struct TComponentEditorEntry {
  TClass ComponentClass;
  TClass EditorClass;
  int Group;
};

struct TPaletteSlot {
  std::string Page;
  TClass ComponentClass;
  int Group;
};

struct TRegistry {
  std::vector<TPropertyEditorEntry> PropertyEditors;
  std::vector<TComponentEditorEntry> ComponentEditors;
  std::vector<TPaletteSlot> Palette;
  std::vector<TPaletteSlot> NoIcon;  // Page unused
  int Group = 0;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

// How many steps up Class's parents Ancestor is; -1 when it is none of them.
int Distance(TClass Class, TClass Ancestor) {
  int steps = 0;
  for (TClass c = Class; c; c = c->Parent, ++steps)
    if (c == Ancestor) return steps;
  return -1;
}

void CheckClass(TClass Class, TClass Base, const char* What) {
  if (!Class || !Class->InheritsFrom(Base))
    throw EInvalidOperation("%s is not %s", {std::string(Class ? Class->Name : "nil"), std::string(What)});
}

// Matches the palette slots of one class.
auto OfClass(TClass Class) {
  return [Class](const TPaletteSlot& e) { return e.ComponentClass == Class; };
}

void CheckComponentClasses(std::initializer_list<TClass> Classes) {
  for (TClass c : Classes) CheckClass(c, &TComponent::StaticMetaClass, "a component class");
}

// How well a registered type fits a property's type: -1 not at all; the
// higher, the nearer (an exact type is best).
int TypeFit(const TTypeInfo* Registered, const TTypeInfo* Actual) {
  if (Registered == Actual) return 1 << 16;
  if (Registered->Kind == tkClass && Actual->Kind == tkClass) {
    const int steps = Distance(Actual->ClassType, Registered->ClassType);
    return steps < 0 ? -1 : (1 << 16) - steps;
  }
  return Registered->Kind == Actual->Kind && AnsiSameText(Registered->Name, Actual->Name) ? 1 << 16 : -1;
}

// The standard editor of a kind of property type.
TClass StandardEditor(const TPropInfo* PropInfo) {
  switch (PropInfo->Kind()) {
    case tkInteger:
    case tkInt64:
      return &TIntegerProperty::StaticMetaClass;
    case tkChar:
    case tkWChar:
      return &TCharProperty::StaticMetaClass;
    case tkEnumeration:
      return AnsiSameText(PropInfo->PropType->Name, "Boolean") ? &TBoolProperty::StaticMetaClass
                                                               : &TEnumProperty::StaticMetaClass;
    case tkFloat:
      return &TFloatProperty::StaticMetaClass;
    case tkString:
    case tkLString:
    case tkWString:
      return &TStringProperty::StaticMetaClass;
    case tkSet:
      return &TSetProperty::StaticMetaClass;
    case tkClass:
      return PropInfo->IsComponentRef() ? &TComponentProperty::StaticMetaClass : &TClassProperty::StaticMetaClass;
    case tkVariant:
      return &TVariantProperty::StaticMetaClass;
    default:
      return &TPropertyEditor::StaticMetaClass;
  }
}

}  // namespace

// ------------------------------------------------------------------ palette

void RegisterComponents(const std::string& Page, std::initializer_list<TClass> Classes) {
  if (Page.empty()) throw EInvalidOperation("A palette page needs a name");
  CheckComponentClasses(Classes);
  RegisterClasses(Classes);
  TRegistry& r = Registry();
  for (TClass c : Classes) {
    std::erase_if(r.NoIcon, OfClass(c));
    std::erase_if(r.Palette, OfClass(c));
    r.Palette.push_back({Page, c, r.Group});
  }
}

void RegisterNoIcon(std::initializer_list<TClass> Classes) {
  CheckComponentClasses(Classes);
  RegisterClasses(Classes);
  TRegistry& r = Registry();
  for (TClass c : Classes)
    if (!IsNoIconClass(c)) r.NoIcon.push_back({{}, c, r.Group});
}

bool IsNoIconClass(TClass ComponentClass) {
  const auto& noIcon = Registry().NoIcon;
  return std::any_of(noIcon.begin(), noIcon.end(), OfClass(ComponentClass));
}

std::vector<TPalettePage> PalettePages() {
  std::vector<TPalettePage> pages;
  for (const TPaletteSlot& e : Registry().Palette) {
    auto page = std::find_if(pages.begin(), pages.end(), [&](const TPalettePage& p) { return p.Name == e.Page; });
    if (page == pages.end()) page = pages.insert(pages.end(), TPalettePage{e.Page, {}});
    page->Classes.push_back(e.ComponentClass);
  }
  return pages;
}

// ---------------------------------------------------------- property editors

void RegisterPropertyEditor(const TTypeInfo* PropertyType, TClass ComponentClass, const std::string& PropertyName,
                            TClass EditorClass) {
  if (!PropertyType) throw EInvalidOperation("A property editor needs a property type");
  if (ComponentClass) CheckClass(ComponentClass, &TPersistent::StaticMetaClass, "a persistent class");
  CheckClass(EditorClass, &TPropertyEditor::StaticMetaClass, "a property editor class");
  Registry().PropertyEditors.push_back({PropertyType, ComponentClass, PropertyName, EditorClass, Registry().Group});
}

TClass GetPropertyEditorClass(const TPropInfo* PropInfo, TPersistent* Component) {
  if (!PropInfo) throw EPropertyError("Property (none) does not exist");
  using TFit = std::tuple<int, int, int>;  // name, component class, type
  const TPropertyEditorEntry* best = nullptr;
  TFit bestFit;
  for (const TPropertyEditorEntry& e : Registry().PropertyEditors) {
    const int type = TypeFit(e.PropertyType, PropInfo->PropType);
    const int steps = e.ComponentClass ? (Component ? Distance(Component->ClassType(), e.ComponentClass) : -1) : 0;
    if (type < 0 || steps < 0) continue;
    if (!e.PropertyName.empty() && !AnsiSameText(e.PropertyName, PropInfo->Name)) continue;
    const TFit fit{e.PropertyName.empty() ? 0 : 1, e.ComponentClass ? (1 << 16) - steps : 0, type};
    if (!best || fit >= bestFit) {
      best = &e;
      bestFit = fit;
    }
  }
  return best ? best->EditorClass : StandardEditor(PropInfo);
}

// --------------------------------------------------------- component editors

void RegisterComponentEditor(TClass ComponentClass, TClass EditorClass) {
  CheckClass(ComponentClass, &TComponent::StaticMetaClass, "a component class");
  CheckClass(EditorClass, &TComponentEditor::StaticMetaClass, "a component editor class");
  Registry().ComponentEditors.push_back({ComponentClass, EditorClass, Registry().Group});
}

TOwned<TComponentEditor> GetComponentEditor(TComponent* Component, IFormDesigner* Designer) {
  if (!Component) throw EInvalidOperation("A component editor needs a component");
  TClass editorClass = &TDefaultEditor::StaticMetaClass;
  int bestSteps = -1;
  for (const TComponentEditorEntry& e : Registry().ComponentEditors) {
    const int steps = Distance(Component->ClassType(), e.ComponentClass);
    if (steps >= 0 && (bestSteps < 0 || steps <= bestSteps)) {
      editorClass = e.EditorClass;
      bestSteps = steps;
    }
  }
  TOwned<TComponentEditor> editor(static_cast<TComponentEditor*>(editorClass->Create()));
  editor->Initialize(Component, Designer);
  return editor;
}

// ------------------------------------------------------------------- groups

int NewEditorGroup() { return ++Registry().Group; }

void FreeEditorGroup(int Group) {
  TRegistry& r = Registry();
  const auto inGroup = [Group](const auto& e) { return e.Group == Group; };
  std::erase_if(r.PropertyEditors, inGroup);
  std::erase_if(r.ComponentEditors, inGroup);
  std::erase_if(r.Palette, inGroup);
  std::erase_if(r.NoIcon, inGroup);
}

}  // namespace host
