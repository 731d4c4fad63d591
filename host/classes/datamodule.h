// TDataModule: the non-visual container of a form file. It owns the
// components of the form and streams those that have no parent of their own
// as its children (components with a parent, like connections in a
// connection list, stream under that parent).
#pragma once

#include "host/classes/component.h"

namespace host {

class TDataModule : public TComponent {
  HOST_CLASS(TDataModule, TComponent)
  explicit TDataModule(TComponent* AOwner);
  // The classic second constructor; Dummy only tells it apart.
  TDataModule(TComponent* AOwner, int32_t Dummy);

  struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
  };
  // Where the designer shows the module and how big; not streamed here.
  TPoint GetDesignOffset() const { return FDesignOffset; }
  void SetDesignOffset(TPoint Value) { FDesignOffset = Value; }
  TPoint GetDesignSize() const { return FDesignSize; }
  void SetDesignSize(TPoint Value) { FDesignSize = Value; }
  // Published. With OldCreateOrder, OnCreate runs before the constructor of
  // a derived module finishes; here both orders run it in AfterConstruction.
  bool GetOldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }

  // Published events: OnCreate once the module is built, OnDestroy when its
  // destruction begins. A handler that raises does not stop either.
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

  // The owned components without a parent, in list order.
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void AfterConstruction() override;
  void BeforeDestruction() override;

 protected:
  ~TDataModule() override = default;

 private:
  void Run(TNotifyEvent& Event);

  TPoint FDesignOffset;
  TPoint FDesignSize;
  bool FOldCreateOrder = false;
};

// Registers TDataModule's published properties and the class for form
// streaming; the host class library's start-up calls it.
void RegisterDataModuleClasses();
void UnregisterDataModuleClasses();

}  // namespace host
