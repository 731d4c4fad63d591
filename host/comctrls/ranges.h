// The controls that show or choose a number in a range: TProgressBar,
// TTrackBar and TUpDown.
//
// A progress bar shows Position between Min and Max as the filled share of
// its length (from the left, or from the bottom when pbVertical), as one
// bar when Smooth and as blocks otherwise. StepIt moves Position on by
// Step, starting over from Min once it passes Max; StepBy moves it by a
// delta, stopping at the ends.
//
// A track bar chooses Position between Min and Max with a thumb sliding
// along a channel, ticks marked beside it every Frequency (tsAuto), at the
// ends only (tsManual) or not at all (tsNone), and the selection SelStart..
// SelEnd shown in the channel. The user moves the thumb by dragging it, by
// clicking the channel beside it (a page towards the click), and with the
// focus by Left/Up and Right/Down (LineSize), Page Up / Page Down
// (PageSize), Home (Min) and End (Max); each move fires OnChange.
//
// Bad input: Min above Max on a progress or track bar raises
// EInvalidOperation "TProgressBar property out of range" (the class's
// name) and changes nothing; a form file's range is checked once loading
// ends. A Position outside the range is taken as its nearest end. An
// enumerated property outside its enumeration, or a ThumbLength outside
// 0..32767, raises EInvalidOperation.
//
// An up-down is a pair of arrow buttons that steps Position by Increment
// between Min and Max (a Max below Min makes the next button count down),
// stopping at the ends or, with Wrap, going round to the other end. A
// click on a half (the upper or right one steps on: btNext; the other
// btPrev) asks OnChanging, which may refuse, moves Position, writes it into
// Associate's text (with thousands separators when Thousands) and fires
// OnClick. Held down, a half steps again after 400 ms and then every 100
// ms until the button goes up. Before stepping it takes the number the user
// may have typed into Associate. Associating a control places the up-down beside it (on its
// right, or its left with udLeft) as high as it, and shows Position in it.
// With the focus and ArrowKeys, Up and Down step too. A control already
// associated with another up-down of the same parent, or the up-down
// itself, cannot be associated: EInvalidOperation, nothing changes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "host/controls/controls.h"

namespace host {

enum TProgressBarOrientation : uint8_t { pbHorizontal, pbVertical };
HOST_ENUM_INFO(TProgressBarOrientation, "pbHorizontal", "pbVertical")
enum TTrackBarOrientation : uint8_t { trHorizontal, trVertical };
HOST_ENUM_INFO(TTrackBarOrientation, "trHorizontal", "trVertical")
enum TTickMark : uint8_t { tmBottomRight, tmTopLeft, tmBoth };
HOST_ENUM_INFO(TTickMark, "tmBottomRight", "tmTopLeft", "tmBoth")
enum TTickStyle : uint8_t { tsNone, tsAuto, tsManual };
HOST_ENUM_INFO(TTickStyle, "tsNone", "tsAuto", "tsManual")
enum TUDAlignButton : uint8_t { udLeft, udRight };
HOST_ENUM_INFO(TUDAlignButton, "udLeft", "udRight")
enum TUDOrientation : uint8_t { udHorizontal, udVertical };
HOST_ENUM_INFO(TUDOrientation, "udHorizontal", "udVertical")
enum TUDBtnType : uint8_t { btNext, btPrev };
HOST_ENUM_INFO(TUDBtnType, "btNext", "btPrev")

// Sender, the half clicked.
using TUDClickEvent = TEvent<TObject*, TUDBtnType>;
// Sender, whether the step may go ahead (true when asked).
using TUDChangingEvent = TEvent<TObject*, bool&>;

namespace comctrl {
// Min, Max and Position of a progress or track bar, kept within each other.
struct TRangeValues {
  int32_t Min = 0;
  int32_t Max = 100;
  int32_t Position = 0;
};
}  // namespace comctrl

class TProgressBar : public TCustomControl {
  HOST_CLASS(TProgressBar, TCustomControl)
  using TCreateArg = TComponent;
  explicit TProgressBar(TComponent* AOwner);

  int32_t GetMin() const { return FRange.Min; }
  void SetMin(int32_t Value) { SetParams(FRange.Position, Value, FRange.Max); }
  int32_t GetMax() const { return FRange.Max; }
  void SetMax(int32_t Value) { SetParams(FRange.Position, FRange.Min, Value); }
  int32_t GetPosition() const { return FRange.Position; }
  void SetPosition(int32_t Value) { SetParams(Value, FRange.Min, FRange.Max); }
  void SetParams(int32_t APosition, int32_t AMin, int32_t AMax);
  int32_t GetStep() const { return FStep; }
  void SetStep(int32_t Value) { FStep = Value; }
  void StepIt();
  void StepBy(int32_t Delta);
  TProgressBarOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation Value);
  bool GetSmooth() const { return FSmooth; }
  void SetSmooth(bool Value);
  // The filled part, in client coordinates.
  TRect FilledRect();

 protected:
  ~TProgressBar() override = default;
  void Loaded() override;
  void Paint() override;

 private:
  comctrl::TRangeValues FRange;
  int32_t FStep = 10;
  TProgressBarOrientation FOrientation = pbHorizontal;
  bool FSmooth = false;
};

class TTrackBar : public TCustomControl {
  HOST_CLASS(TTrackBar, TCustomControl)
  using TCreateArg = TComponent;
  explicit TTrackBar(TComponent* AOwner);

  int32_t GetMin() const { return FRange.Min; }
  void SetMin(int32_t Value) { SetParams(FRange.Position, Value, FRange.Max); }
  int32_t GetMax() const { return FRange.Max; }
  void SetMax(int32_t Value) { SetParams(FRange.Position, FRange.Min, Value); }
  int32_t GetPosition() const { return FRange.Position; }
  void SetPosition(int32_t Value) { SetParams(Value, FRange.Min, FRange.Max); }
  void SetParams(int32_t APosition, int32_t AMin, int32_t AMax);
  int32_t GetFrequency() const { return FFrequency; }
  void SetFrequency(int32_t Value);
  int32_t GetLineSize() const { return FLineSize; }
  void SetLineSize(int32_t Value) { FLineSize = Value; }
  int32_t GetPageSize() const { return FPageSize; }
  void SetPageSize(int32_t Value) { FPageSize = Value; }
  TTrackBarOrientation GetOrientation() const { return FOrientation; }
  // Turning the bar swaps its width and height (not while it is read).
  void SetOrientation(TTrackBarOrientation Value);
  TTickMark GetTickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);
  TTickStyle GetTickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle Value);
  int32_t GetSelStart() const { return FSelStart; }
  void SetSelStart(int32_t Value);
  int32_t GetSelEnd() const { return FSelEnd; }
  void SetSelEnd(int32_t Value);
  int32_t GetThumbLength() const { return FThumbLength; }
  void SetThumbLength(int32_t Value);
  bool GetSliderVisible() const { return FSliderVisible; }
  void SetSliderVisible(bool Value);
  // The thumb, in client coordinates.
  TRect ThumbRect();
  // The client coordinate along the channel standing for Value.
  int32_t OffsetOf(int32_t Value);

  TNotifyEvent OnChange;

 protected:
  ~TTrackBar() override = default;
  void Loaded() override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  virtual void Changed();

 private:
  bool Horizontal() const { return FOrientation == trHorizontal; }
  int32_t Along(int32_t X, int32_t Y) const { return Horizontal() ? X : Y; }
  // The channel's ends along the bar and its middle across it.
  int32_t ChannelStart() const;
  int32_t ChannelEnd();
  int32_t ChannelMiddle() const;
  // The value whose place on the channel is nearest Offset.
  int32_t ValueAt(int32_t Offset);
  // A move of the user: Position to Value, OnChange when it moved.
  void UserMove(int64_t Value);
  void PaintTicks(TCanvas* Canvas);

  comctrl::TRangeValues FRange{0, 10, 0};
  int32_t FFrequency = 1;
  int32_t FLineSize = 1;
  int32_t FPageSize = 2;
  int32_t FSelStart = 0;
  int32_t FSelEnd = 0;
  int32_t FThumbLength = 20;
  bool FSliderVisible = true;
  TTrackBarOrientation FOrientation = trHorizontal;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
  bool FDragging = false;
  int32_t FGrab = 0;  // where on the thumb the mouse holds it
};

class TUpDown : public TCustomControl {
  HOST_CLASS(TUpDown, TCustomControl)
  using TCreateArg = TComponent;
  explicit TUpDown(TComponent* AOwner);

  TWinControl* GetAssociate() const { return FAssociate; }
  void SetAssociate(TWinControl* Value);
  TUDAlignButton GetAlignButton() const { return FAlignButton; }
  void SetAlignButton(TUDAlignButton Value);
  int32_t GetMin() const { return FMin; }
  void SetMin(int32_t Value);
  int32_t GetMax() const { return FMax; }
  void SetMax(int32_t Value);
  int32_t GetPosition() const { return FPosition; }
  void SetPosition(int32_t Value);
  int32_t GetIncrement() const { return FIncrement; }
  void SetIncrement(int32_t Value) { FIncrement = Value; }
  bool GetWrap() const { return FWrap; }
  void SetWrap(bool Value) { FWrap = Value; }
  bool GetArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool Value) { FArrowKeys = Value; }
  bool GetThousands() const { return FThousands; }
  void SetThousands(bool Value);
  TUDOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation Value);
  // The half of the control that steps Button's way, in client coordinates.
  TRect ButtonRect(TUDBtnType Button);
  // A step of the user: OnChanging, Position, the associate, OnClick.
  void Step(TUDBtnType Button);

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

 protected:
  ~TUpDown() override = default;
  void Destroy() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  virtual bool CanChange();

 private:
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  int32_t Low() const { return std::min(FMin, FMax); }
  int32_t High() const { return std::max(FMin, FMax); }
  // Position as Associate shows it.
  std::string PositionText() const;
  void UpdateAssociate();
  // Takes the number the user typed into Associate as Position.
  void ReadAssociate();
  void PlaceBesideAssociate();
  // The repeat of a held half: its timer runs every Interval ms.
  void StartRepeat(uint32_t Interval);
  void StopRepeat();
  void RepeatStep();

  TWinControl* FAssociate = nullptr;
  TUDAlignButton FAlignButton = udRight;
  TUDOrientation FOrientation = udVertical;
  int32_t FMin = 0;
  int32_t FMax = 100;
  int32_t FPosition = 0;
  int32_t FIncrement = 1;
  bool FWrap = false;
  bool FArrowKeys = true;
  bool FThousands = true;
  int32_t FPressed = -1;  // the TUDBtnType held down, -1 for none
  THandle FRepeatTimer = 0;
};

}  // namespace host
