// Classes used by the typinfo and filer tests: one property of every kind,
// a collection, a nested persistent, a custom list property, and a container
// whose children stream nested under it (linked back through the parent
// operations, as the connection list does).
#pragma once

#include <string>
#include <vector>

#include "host/classes/collections.h"
#include "host/classes/component.h"
#include "host/classes/datamodule.h"
#include "host/classes/filer.h"
#include "host/classes/strings.h"
#include "host/classes/typinfo.h"
#include "host/rtl/variants.h"
#include "tests/support/raises.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace filertest {

using namespace host;

enum TShade : uint8_t { shRed, shGreen, shBlue, shGrey };
HOST_ENUM_INFO(TShade, "shRed", "shGreen", "shBlue", "shGrey")
using TShades = TSet<TShade, 4>;

// Every component's Loaded appends its name here.
std::vector<std::string>& LoadedLog();

// A component class whose Loaded appends the component's name to LoadedLog().
template <class Base>
class TLoadLogged : public Base {
 public:
  using Base::Base;
  void Loaded() override {
    Base::Loaded();
    LoadedLog().push_back(this->GetName());
  }
};

class TFont : public TPersistent {
  HOST_CLASS(TFont, TPersistent)
  int32_t GetSize() const { return FSize; }
  void SetSize(int32_t v) { FSize = v; }
  std::string FFace;
  std::string GetFace() const { return FFace; }
  void SetFace(const std::string& v) { FFace = v; }

 private:
  int32_t FSize = 10;
};

class TLine : public TCollectionItem {
  HOST_CLASS(TLine, TCollectionItem)
  explicit TLine(TCollection* c) : TCollectionItem(c) {}
  std::string FText;
  int32_t FWidth = 0;
  TComponent* FTarget = nullptr;
  TComponent* GetTarget() const { return FTarget; }
  void SetTarget(TComponent* v) { FTarget = v; }
};

// One published property of every kind.
class TGadget : public TLoadLogged<TComponent> {
  HOST_CLASS(TGadget, TLoadLogged<TComponent>)
  explicit TGadget(TComponent* AOwner);

  int8_t FSmall = 0;
  uint8_t FByte = 0;
  int16_t FShort = 0;
  uint16_t FWord = 0;
  int32_t FCount = 5;
  int64_t FBig = 0;
  TShade FShade = shGreen;
  bool FEnabled = true;
  TShades FShades{shRed};
  std::string FCaption;
  std::u16string FWide;
  double FRatio = 0;
  float FSingle = 0;
  Currency FPrice;
  char FLetter = 'a';
  Variant FExtra;
  TComponent* FBuddy = nullptr;
  // A custom entry "Indexes": a list of strings, written only when set.
  Variant FIndexes;
  bool FReadOnlyFlag = false;

  TComponent* GetBuddy() const { return FBuddy; }
  void SetBuddy(TComponent* v);
  TStringList* GetLines() const { return FLines; }
  TCollection* GetItems() const { return FItems; }
  TFont* GetFont() const { return FFont; }
  bool GetReadOnlyFlag() const { return FReadOnlyFlag; }

  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  void Destroy() override;

 private:
  TStringList* FLines;
  TCollection* FItems;
  TFont* FFont;
};

// The root of the test forms: a data module (it streams the components it
// owns that have no parent of their own) that records its Loaded.
class TTestForm : public TLoadLogged<TDataModule> {
  HOST_CLASS(TTestForm, TLoadLogged<TDataModule>)
  using inherited::inherited;
  void Loaded() override;
  int32_t FLoadedState = -1;  // csLoading bit seen by Loaded
};

class TBoxItem;

// Streams its items as nested children.
class TBox : public TLoadLogged<TComponent> {
  HOST_CLASS(TBox, TLoadLogged<TComponent>)
  using inherited::inherited;
  std::vector<TBoxItem*> FItems;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  void Destroy() override;
};

class TBoxItem : public TLoadLogged<TComponent> {
  HOST_CLASS(TBoxItem, TLoadLogged<TComponent>)
  using inherited::inherited;
  TBox* FBox = nullptr;
  TBox* FParentSeenWhileReading = nullptr;
  void SetBox(TBox* Value);
  bool HasParent() override { return FBox != nullptr; }
  TComponent* GetParentComponent() override { return FBox; }
  void SetParentComponent(TComponent* Value) override;

 protected:
  void Destroy() override;
};

// Refuses every name but "Good" as its buddy: a setter that raises during
// reference resolution.
class TPicky : public TComponent {
  HOST_CLASS(TPicky, TComponent)
  using TComponent::TComponent;
  TComponent* FBuddy = nullptr;
  bool FLoadingAtSet = false;  // csLoading while the reference was resolved
  TComponent* GetBuddy() const { return FBuddy; }
  void SetBuddy(TComponent* v);
};

// Registers the test classes (and the host's); counted like the host's.
void RegisterTestClasses();
void UnregisterTestClasses();

}  // namespace filertest
