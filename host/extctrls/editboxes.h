// The edit-box group of the extctrls unit: the edit with a label bound to
// it (TLabeledEdit) and the combo box of colours (TColorBox).
//
// A labeled edit owns its EditLabel (a TBoundLabel focusing the edit on its
// accelerator), which shares the edit's parent, visibility and enabled
// state, and is kept LabelSpacing pixels above, below, left or right of
// the edit (LabelPosition) whenever the edit moves or the label changes
// size. A form file holds the label's properties nested in the edit's
// (EditLabel.Caption = 'Name').
//
// A colour box lists the colours its Style asks for (standard, extended,
// system, clNone, clDefault, a custom entry) under their identifiers, or,
// with cbPrettyNames, without the "cl"; each item is drawn with a swatch
// of its colour (clNone in NoneColorColor, clDefault in
// DefaultColorColor). Selected is the colour of the chosen item; setting
// a colour the list does not hold selects nothing, or, with cbCustomColor,
// becomes the custom entry's colour.
//
// Bad input raises and changes nothing: a LabelPosition outside its
// enumeration raises EInvalidOperation "Invalid property value" naming the
// control; Colors of an index outside the items EStringListError "List
// index out of bounds (%d)".
#pragma once

#include <cstdint>
#include <span>

#include "host/graphics/colors.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/texts.h"

namespace host {

void RegisterEditBoxControls();
void UnregisterEditBoxControls();
// The classes of this group, in unit order.
std::span<const TClass> EditBoxControlClasses();

enum TLabelPosition : uint8_t { lpAbove, lpBelow, lpLeft, lpRight };
HOST_ENUM_INFO(TLabelPosition, "lpAbove", "lpBelow", "lpLeft", "lpRight")

class TCustomLabeledEdit;

// The label of a labeled edit: a label owned by the edit, not by the form.
class TBoundLabel : public TCustomLabel {
  HOST_CLASS(TBoundLabel, TCustomLabel)
  using TCreateArg = TComponent;
  explicit TBoundLabel(TComponent* AOwner);
  // Read with its edit from a form file: loading while the edit reads, then
  // loaded when the edit is (and so keeps the size the file gave it).
  void BeginEditReading() { SetStateFlag(csLoading, true); }
  void EditLoaded();

 protected:
  ~TBoundLabel() override = default;
  // A label that changes size is placed again beside its edit.
  void BoundsChanged() override;
};

class TCustomLabeledEdit : public TCustomEdit {
  HOST_CLASS(TCustomLabeledEdit, TCustomEdit)
  using TCreateArg = TComponent;
  explicit TCustomLabeledEdit(TComponent* AOwner);

  TBoundLabel* GetEditLabel() const { return FEditLabel; }
  // The label as the form file holds it: its properties nested in the
  // edit's.
  TPersistent* GetEditLabelProps() const { return FEditLabel; }
  TLabelPosition GetLabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int32_t GetLabelSpacing() const { return FLabelSpacing; }
  void SetLabelSpacing(int32_t Value);
  // Puts the label where LabelPosition and LabelSpacing say.
  void PlaceLabel();

  void SetParent(TWinControl* AParent) override;
  void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
  void WndProc(TMessage& Message) override;

 protected:
  ~TCustomLabeledEdit() override = default;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(TReader* Reader) override;
  void Loaded() override;

 private:
  TBoundLabel* FEditLabel = nullptr;
  TLabelPosition FLabelPosition = lpAbove;
  int32_t FLabelSpacing = 3;
  bool FPlacing = false;
};

class TLabeledEdit : public TCustomLabeledEdit {
  HOST_CLASS(TLabeledEdit, TCustomLabeledEdit)
  using TCreateArg = TComponent;
  explicit TLabeledEdit(TComponent* AOwner) : TCustomLabeledEdit(AOwner) {}

 protected:
  ~TLabeledEdit() override = default;
};

// ---------------------------------------------------------------- TColorBox

enum TColorBoxStyles : uint8_t {
  cbStandardColors,
  cbExtendedColors,
  cbSystemColors,
  cbIncludeNone,
  cbIncludeDefault,
  cbCustomColor,
  cbPrettyNames,
  cbCustomColors
};
HOST_ENUM_INFO(TColorBoxStyles, "cbStandardColors", "cbExtendedColors", "cbSystemColors", "cbIncludeNone",
               "cbIncludeDefault", "cbCustomColor", "cbPrettyNames", "cbCustomColors")
using TColorBoxStyle = TSet<TColorBoxStyles, 8>;

class TCustomColorBox : public TCustomComboBox {
  HOST_CLASS(TCustomColorBox, TCustomComboBox)
  using TCreateArg = TComponent;
  explicit TCustomColorBox(TComponent* AOwner);

  TColorBoxStyle GetStyle() const { return FStyle; }
  // Lists the colours again, keeping the selected one when listed.
  void SetStyle(TColorBoxStyle Value);
  TColor GetSelected() const;
  void SetSelected(TColor Value);
  TColor GetDefaultColorColor() const { return FDefaultColorColor; }
  void SetDefaultColorColor(TColor Value);
  TColor GetNoneColorColor() const { return FNoneColorColor; }
  void SetNoneColorColor(TColor Value);
  // The colour of an item; raises EStringListError outside the items.
  TColor GetColors(int32_t Index) const;
  int32_t GetColorCount() const { return FItems->GetCount(); }
  void DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State) override;

 protected:
  ~TCustomColorBox() override = default;

 private:
  void PopulateList();
  TColorBoxStyle FStyle = {cbStandardColors, cbExtendedColors, cbSystemColors};
  TColor FSelected = clBlack;
  TColor FDefaultColorColor = clBlack;
  TColor FNoneColorColor = clBlack;
};

class TColorBox : public TCustomColorBox {
  HOST_CLASS(TColorBox, TCustomColorBox)
  using TCreateArg = TComponent;
  explicit TColorBox(TComponent* AOwner) : TCustomColorBox(AOwner) {}

 protected:
  ~TColorBox() override = default;
};

}  // namespace host
