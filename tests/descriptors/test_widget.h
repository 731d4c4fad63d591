// A small host class with one member of every kind the conversion rules
// know, and descriptors for it written on the descriptor pattern.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "descriptors/kelsystem.h"
#include "host/rtl/events.h"
#include "host/rtl/sets.h"
#include "host/rtl/sysutils.h"

namespace kel::test {

enum TTestColor : uint8_t { tcRed, tcGreen, tcBlue };
enum TTestOption : uint8_t { toBold, toItalic, toUnderline };
using TTestOptions = host::TSet<TTestOption, 3>;
struct TTestRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TTestRect&, const TTestRect&) = default;
};

using TTestKeyEvent = host::TEvent<host::TObject* /*Sender*/, uint16_t& /*Key*/, TTestOptions /*Shift*/>;

class TTestWidget : public host::TObject {
  HOST_CLASS(TTestWidget, host::TObject)
  TTestWidget() = default;

  int32_t GetSize() const { return FSize; }
  // Negative sizes are refused (the host's own check).
  void SetSize(int32_t v) {
    if (v < 0) throw host::EPropertyError("Size must not be negative");
    FSize = v;
  }
  std::string GetCaption() const { return FCaption; }
  void SetCaption(const std::string& v) { FCaption = v; }
  TTestColor GetColor() const { return FColor; }
  void SetColor(TTestColor v) { FColor = v; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  int16_t GetSmall() const { return FSmall; }
  void SetSmall(int16_t v) { FSmall = v; }
  double GetRatio() const { return FRatio; }
  void SetRatio(double v) { FRatio = v; }
  char GetLetter() const { return FLetter; }
  void SetLetter(char v) { FLetter = v; }
  TTestWidget* GetBuddy() const { return FBuddy; }
  void SetBuddy(TTestWidget* v) { FBuddy = v; }
  host::TClass GetKind() const { return FKind; }
  void SetKind(host::TClass v) { FKind = v; }
  TTestOptions GetOptions() const { return FOptions; }
  void SetOptions(TTestOptions v) { FOptions = v; }
  TTestRect GetBounds() const { return FBounds; }
  void SetBounds(const TTestRect& v) { FBounds = v; }
  uint32_t GetHandle() const { return 0xC0FFEEu; }
  int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
  std::string GetItems(int32_t i) const { return FItems.at(Checked(i)); }
  void SetItems(int32_t i, const std::string& s) { FItems.at(Checked(i)) = s; }

  int32_t Add(const std::string& s) {
    FItems.push_back(s);
    return GetCount() - 1;
  }
  // Sets Index to the position of S (or to the count when absent).
  bool Find(const std::string& s, int32_t& index) const {
    for (index = 0; index < GetCount(); ++index)
      if (FItems[static_cast<std::size_t>(index)] == s) return true;
    return false;
  }
  void Inflate(TTestRect& r, int32_t by) const { r = {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }
  int32_t Sum(int32_t a, int32_t b) const { return a + b; }

  void Change() {
    if (OnChange) OnChange(this);
  }
  uint16_t PressKey(uint16_t key, TTestOptions shift) {
    if (OnKey) OnKey(this, key, shift);
    return key;
  }
  void Act() {
    if (OnAct) OnAct(this);
  }
  // The host's setter for OnAct; counts its calls.
  virtual void SetOnAct(host::TNotifyEvent v) {
    ++SetOnActCalls;
    OnAct = std::move(v);
  }

  host::TNotifyEvent OnChange;
  TTestKeyEvent OnKey;
  host::TNotifyEvent OnAct;
  int SetOnActCalls = 0;

 protected:
  ~TTestWidget() override = default;

 private:
  std::size_t Checked(int32_t i) const {
    if (i < 0 || i >= GetCount()) throw host::EListError("List index out of bounds (%d)", {i});
    return static_cast<std::size_t>(i);
  }
  int32_t FSize = 0;
  std::string FCaption;
  TTestColor FColor = tcRed;
  bool FVisible = false;
  int16_t FSmall = 0;
  double FRatio = 0;
  char FLetter = 'a';
  TTestWidget* FBuddy = nullptr;
  host::TClass FKind = nullptr;
  TTestOptions FOptions;
  TTestRect FBounds;
  std::vector<std::string> FItems;
};

class TTestWidgetClassInfo : public TkelDescriptor<TTestWidgetClassInfo, TObjectClassInfo, TTestWidget> {
  KEL_DESCRIPTOR(TTestWidgetClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Size::psReadable..psWritable::pvPublic::0::Define::Caption::psReadable..psWritable::pvPublished::0::"
          "Define::Color::psReadable..psWritable::pvPublic::0::Define::Visible::psReadable..psWritable::pvPublic::0::"
          "Define::Small::psReadable..psWritable::pvPublic::0::Define::Ratio::psReadable..psWritable::pvPublic::0::"
          "Define::Letter::psReadable..psWritable::pvPublic::0::Define::Buddy::psReadable..psWritable::pvPublic::0::"
          "Define::Kind::psReadable..psWritable::pvPublic::0::Define::Options::psReadable..psWritable::pvPublic::0::"
          "Define::Bounds::psReadable..psWritable::pvPublic::0::Define::Handle::psReadable::pvPublic::0::"
          "Define::Count::psReadable::pvPublic::0::Define::Items::psReadable..psWritable..psIndexed::pvPublic::1::"
          "Index",
      .Methods =
          "Add::msFunction::1::S::Find::msFunction::2::S::Index::Inflate::msProcedure::2::R::By::"
          "Sum::msFunction::2::A::B::SumProc::msProcedure::2::A::B::Broken::msFunction::1::A",
      .Constructors = "Create::0",
      .Events =
          "Define::OnChange::pvPublic::1::Sender::Define::OnKey::pvPublic::3::Sender::Key::Shift::"
          "Define::OnAct::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m) {
    m.Prop("Size", &TTestWidget::GetSize, &TTestWidget::SetSize)
        .Prop("Caption", &TTestWidget::GetCaption, &TTestWidget::SetCaption)
        .Prop("Color", &TTestWidget::GetColor, &TTestWidget::SetColor)
        .Prop("Visible", &TTestWidget::GetVisible, &TTestWidget::SetVisible)
        .Prop("Small", &TTestWidget::GetSmall, &TTestWidget::SetSmall)
        .Prop("Ratio", &TTestWidget::GetRatio, &TTestWidget::SetRatio)
        .Prop("Letter", &TTestWidget::GetLetter, &TTestWidget::SetLetter)
        .Prop("Buddy", &TTestWidget::GetBuddy, &TTestWidget::SetBuddy)
        .Prop("Kind", &TTestWidget::GetKind, &TTestWidget::SetKind)
        .Prop("Options", &TTestWidget::GetOptions, &TTestWidget::SetOptions)
        .Prop("Bounds", &TTestWidget::GetBounds, &TTestWidget::SetBounds)
        .Prop("Handle", &TTestWidget::GetHandle)
        .Prop("Count", &TTestWidget::GetCount)
        .Indexed("Items", &TTestWidget::GetItems, &TTestWidget::SetItems)
        .Method("Add", &TTestWidget::Add)
        .Method("Find", &TTestWidget::Find)
        .Method("Inflate", &TTestWidget::Inflate)
        .Method("Sum", &TTestWidget::Sum)
        .Method("SumProc", &TTestWidget::Sum)
        .Method("Broken", &TTestWidget::Sum)
        .Event("OnChange", &TTestWidget::OnChange)
        .Event("OnKey", &TTestWidget::OnKey)
        .Event("OnAct", &TTestWidget::OnAct, &TTestWidget::SetOnAct);
  }

 protected:
  ~TTestWidgetClassInfo() override = default;
};

// A descendant descriptor that maps Size again (as its double) and nothing
// else: its own names come first, all others reach the parent.
class TTestGadgetClassInfo : public TkelDescriptor<TTestGadgetClassInfo, TTestWidgetClassInfo, TTestWidget> {
  KEL_DESCRIPTOR(TTestGadgetClassInfo)
  static constexpr TkelTexts Texts{.Properties = "Define::Twice::psReadable::pvPublic::0"};
  static void MapFeatures(Map& m) {
    m.Prop("Size", [](TTestWidget& w) { return 2.0 * w.GetSize(); }).Prop("Twice", [](const TTestWidget& w) {
      return 2 * w.GetSize();
    });
  }

 protected:
  ~TTestGadgetClassInfo() override = default;
};

}  // namespace kel::test
