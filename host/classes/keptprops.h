// What a form file holds that the live objects have no place for, kept so
// that writing them back gives the form file again:
//   - the class name a root was written with when it was read into a
//     generic class (an application's own form class, TForm1, read into
//     the generic root class the forms unit sets: TForm);
//   - properties the host classes do not have that form files of the
//     classic library carry: event handlers bound to the application's code
//     ("OnClick = Button1Click": any On... property whose value is a
//     method name), and the classic properties registered for a class with
//     RegisterKeptProperties ("ExplicitLeft", "DesignSize", ...).
// A kept property keeps its value as the binary form holds it and the name
// of the property read before it, so the writer puts it back at its place.
// A kept handler does nothing at run time. What is kept for an object goes
// when the object is freed.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/classes/component.h"
#include "host/classes/filer.h"

namespace host {

struct TKeptProperty {
  std::string Name;     // its name in its object ("Charset" of a font)
  std::string Path;     // as the form file names it ("Font.Charset")
  std::string Value;    // the value in the binary format (its type byte first)
  std::string After;    // the property read before it; empty for the first
  std::string Handler;  // for an event handler: the method's name
};

// Names (compared without regard to case) a form file may carry for objects
// of Class and its descendants without the class having them.
void RegisterKeptProperties(TClass Class, std::initializer_list<std::string_view> Names);
void UnregisterKeptProperties(TClass Class);
// Whether Instance keeps the property Name whose value comes next as Value:
// a name registered for its class, or an event handler (On followed by a
// capital, the value a method name).
bool IsKeptProperty(const TPersistent* Instance, std::string_view Name, TValueType Value);
void KeepProperty(const TPersistent* Instance, TKeptProperty Property);
// What Instance keeps, in the order read; null when nothing.
const std::vector<TKeptProperty>* KeptProperties(const TPersistent* Instance);
// The event handlers Instance keeps: event and method names.
std::vector<std::pair<std::string, std::string>> KeptHandlers(const TPersistent* Instance);

// Properties whose presence in an object's form file the object remembers
// (for objects of Class and its descendants): a form that was read with
// its client size writes its client size again.
void RegisterRememberedProperties(TClass Class, std::initializer_list<std::string_view> Names);
void UnregisterRememberedProperties(TClass Class);
// Told by the reader about every property it read into Instance.
void NotePropertyRead(const TPersistent* Instance, std::string_view Name);
// The properties read into Instance in the order its form file held them;
// null when it was not read from one. The writer keeps that order: the
// classic library's eras order some properties differently.
const std::vector<std::string>* ReadOrder(const TPersistent* Instance);
// Whether Instance was read from a form file holding the remembered
// property Name; nullopt when it was read without any remembered property
// (or not read at all).
std::optional<bool> WasPropertyRead(const TPersistent* Instance, std::string_view Name);

// The class name Component was read under when it differs from its class's
// (empty when it does not); the writer writes it.
std::string WrittenClassName(const TComponent* Component);
void SetWrittenClassName(const TComponent* Component, const std::string& Name);

// The class a root of an unregistered class is read into (null: such a
// root fails with "Class X not found", as without the forms unit).
void SetGenericRootClass(TClass Class);
TClass GetGenericRootClass();
// Other classes such a root may be read into, each with a test of the
// names of the properties the root's form file gives it (a frame's file
// gives its root a TabOrder, a data module's no Caption, no font...).
using TRootFits = bool (*)(const std::vector<std::string>& PropertyNames);
void AddGenericRootCandidate(TClass Class, TRootFits Fits);
void RemoveGenericRootCandidates();
// A class every such root is read into whatever its content (a program's
// option); null goes back to choosing by content.
void ForceGenericRootClass(TClass Class);
// The class a root of an unregistered class is read into, Reader standing
// at the root's properties (which it is left at): the forced class, else
// the first candidate the root fits, else the generic root class.
TClass GenericRootClassFor(TReader& Reader);

}  // namespace host
