// TPersistent: objects that can be assigned to each other and stored by the filer.
#pragma once

#include <string>

#include "host/rtl/object.h"

namespace host {

class TFiler;

class TPersistent : public TObject {
  HOST_CLASS(TPersistent, TObject)

  // Copies `source` into this object: asks the source to assign itself to
  // this one (AssignTo). Raises EConvertError "Cannot assign a TFoo to a TBar"
  // when neither side knows how ("nil" names a missing source).
  virtual void Assign(TPersistent* source);
  // The name the designer shows: the owner's name path, a dot and the class
  // name, or the class name alone when there is no owner.
  virtual std::string GetNamePath();
  // Hook for the filer: a class declares its custom (non-published) stream
  // entries here with filer->DefineProperty. Called by TReader and TWriter.
  virtual void DefineProperties(TFiler* filer);
  // The persistent object this one belongs to (a collection's owner, an
  // item's collection); null by default.
  virtual TPersistent* GetOwner() { return nullptr; }

 protected:
  virtual void AssignTo(TPersistent* dest);
  [[noreturn]] void AssignError(TPersistent* source);
};

}  // namespace host
