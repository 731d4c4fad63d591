// THeader: a row of sections, each with a caption (Sections) and a width
// (SectionWidth[X]), the sections side by side from the left.
//
// With AllowResize, the user drags the divider at a section's right edge
// (within two pixels of it) to resize that section: every move fires
// OnSizing(Sender, ASection, AWidth) with the width taken, and releasing the
// button fires OnSized with the final width. A section is never narrower
// than 0.
//
// A section added to Sections gets DefaultSectionWidth; widths stay with
// their positions. In form files the widths are the custom property
// "SectionWidths", a list of integers read after Sections.
//
// Bad input raises and changes nothing: SectionWidth[X] outside the sections
// raises EListError "List index out of bounds (%d)", a width outside
// 0..MaxControlSize EInvalidOperation.
#pragma once

#include <cstdint>
#include <vector>

#include "host/classes/strings.h"
#include "host/controls/controls.h"

namespace host {

using TSectionEvent = TEvent<TObject*, int32_t, int32_t>;

inline constexpr int32_t DefaultSectionWidth = 64;

class THeader : public TCustomControl {
  HOST_CLASS(THeader, TCustomControl)
  using TCreateArg = TComponent;
  explicit THeader(TComponent* AOwner);

  TStrings* GetSections() const { return FSections; }
  void SetSections(TStrings* Value) {
    if (Value != FSections) FSections->Assign(Value);
  }
  int32_t GetSectionWidth(int32_t X) const;
  void SetSectionWidth(int32_t X, int32_t Value);
  bool GetAllowResize() const { return FAllowResize; }
  void SetAllowResize(bool Value) { FAllowResize = Value; }
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // The section whose divider lies at X (client coordinates); -1 when none.
  int32_t DividerAt(int32_t X) const;

  TSectionEvent OnSizing;
  TSectionEvent OnSized;

 protected:
  ~THeader() override = default;
  void Destroy() override;
  void DefineProperties(TFiler* Filer) override;
  void AdjustClientRect(TRect& Rect) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void Paint() override;
  virtual void Sizing(int32_t ASection, int32_t AWidth);
  virtual void Sized(int32_t ASection, int32_t AWidth);

 private:
  void SectionsChanged(TObject* Sender);
  int64_t SectionLeft(int32_t X) const;
  void CheckSection(int32_t X) const;

  TStringList* FSections = nullptr;
  std::vector<int32_t> FWidths;
  bool FAllowResize = true;
  TBorderStyle FBorderStyle = bsSingle;
  int32_t FSizing = -1;  // the section being resized by the user
};

}  // namespace host
