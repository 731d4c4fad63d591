// TComponentEditor: what the designer offers for a component beyond its
// properties: the verbs of its context menu and what a double-click does.
//
// The base has no verbs; its Edit (the double-click) runs the first verb
// when there is one and does nothing otherwise. TDefaultEditor is the
// editor of components without a registered one.
//
// Editor classes are host classes with a public constructor taking nothing;
// the registration makes them from their class reference and calls
// Initialize (see designreg.h GetComponentEditor).
#pragma once

#include <string>

#include "host/designer/designintf.h"

namespace host {

class TComponentEditor : public TObject {
  HOST_CLASS(TComponentEditor, TObject)
  TComponentEditor() = default;

  void Initialize(TComponent* Component, IFormDesigner* Designer);

  // The double-click: runs verb 0 when there are verbs.
  virtual void Edit();
  virtual int GetVerbCount();
  // The text of verb Index ("-" makes a separator). The base raises
  // EListError "List index out of bounds (%d)" for every index.
  virtual std::string GetVerb(int Index);
  // Runs verb Index; raises EListError for an index out of range.
  virtual void ExecuteVerb(int Index);

  TComponent* GetComponent() const { return FComponent; }
  IFormDesigner* GetDesigner() const { return FDesigner; }

 protected:
  ~TComponentEditor() override = default;
  // Raises EListError "List index out of bounds (%d)" unless 0 <= Index <
  // GetVerbCount().
  void CheckVerb(int Index);

 private:
  TComponent* FComponent = nullptr;
  IFormDesigner* FDesigner = nullptr;
};

class TDefaultEditor : public TComponentEditor {
  HOST_CLASS(TDefaultEditor, TComponentEditor)
  TDefaultEditor() = default;

 protected:
  ~TDefaultEditor() override = default;
};

}  // namespace host
