// The buttons unit of the host: buttons with a glyph beside their caption.
//
// TBitBtn is a push button with a Glyph (a bitmap holding NumGlyphs images
// side by side: up, disabled, down, stay-down) and a Kind that gives it a
// standard caption, modal result and default/cancel role. TSpeedButton is a
// graphic control (no window, no focus) that clicks, and, with a
// GroupIndex, stays down: the speed buttons of one parent sharing a
// GroupIndex behave as radio buttons, and with AllowAllUp a down button
// comes up when clicked again.
//
// The glyph is drawn with its transparent colour (its bottom-left pixel)
// replaced by the button's face; the caption goes beside it as Layout says,
// Margin pixels from the edge (-1: glyph and caption centred together) and
// Spacing pixels from each other.
//
// Bad input raises EInvalidOperation "Invalid property value" naming the
// control and changes nothing: a Kind, Layout or Style outside its
// enumeration, a NumGlyphs outside 1..4, a Margin or Spacing below -1.
//
// Start-up order (each step counted, undone in reverse):
//   ... RegisterFormsClasses();      host/forms
//   RegisterButtonsClasses();        this unit
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/controls/controls.h"
#include "host/stdctrls/buttons.h"

namespace host {

class TBitmap;

void RegisterButtonsClasses();
void UnregisterButtonsClasses();
// The classes of this unit, in unit order.
std::span<const TClass> ButtonsClasses();

enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
HOST_ENUM_INFO(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")
enum TButtonStyle : uint8_t { bsAutoDetect, bsWin31, bsNew };
HOST_ENUM_INFO(TButtonStyle, "bsAutoDetect", "bsWin31", "bsNew")
enum TBitBtnKind : uint8_t {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
HOST_ENUM_INFO(TBitBtnKind, "bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry",
               "bkIgnore", "bkAll")
// Which of a glyph's images a button shows.
enum TButtonState : uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };

// The caption a Kind gives a button ("" for bkCustom), its modal result,
// and its glyph (made in Glyph: an up and a disabled image, 18 x 18 each;
// empty for bkCustom).
std::string KindCaption(TBitBtnKind Kind);
TModalResult KindModalResult(TBitBtnKind Kind);
void MakeKindGlyph(TBitBtnKind Kind, TBitmap* Glyph);

// ---------------------------------------------------------------- TButtonGlyph

// What a glyph button has besides being a button: its glyph and how glyph
// and caption are placed. TBitBtn and TSpeedButton are glyph buttons.
class TButtonGlyph {
 public:
  TButtonGlyph(const TButtonGlyph&) = delete;
  TButtonGlyph& operator=(const TButtonGlyph&) = delete;

  TBitmap* GetGlyph() const { return FGlyph; }
  // A glyph as wide as a whole number (up to 4) of its height holds that
  // many images: NumGlyphs follows.
  virtual void SetGlyph(TBitmap* Value);
  int32_t GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int32_t Value);
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int32_t GetMargin() const { return FMargin; }
  void SetMargin(int32_t Value);
  int32_t GetSpacing() const { return FSpacing; }
  void SetSpacing(int32_t Value);

  // Where the glyph's top-left corner and the caption's box go in Client
  // for a caption TextSize large.
  struct TPlacement {
    TPoint Glyph;
    TRect Text;
  };
  TPlacement Place(const TRect& Client, TPoint TextSize) const;

 protected:
  // Button is the control redrawn after each change and named in errors.
  explicit TButtonGlyph(TControl* Button);
  virtual ~TButtonGlyph();
  // Draws the glyph image for State (the up image when the glyph has no
  // such image, as a grey silhouette when disabled) and Caption (its '&' marks shown as underlines) in Client,
  // moved by Offset, on Face; returns where the caption went.
  TRect DrawGlyphAndCaption(TCanvas* Canvas, const TRect& Client, const std::string& Caption, TButtonState State,
                            TPoint Offset, TColor Face) const;

 private:
  TPoint GlyphSize() const;
  void DrawImage(TCanvas* Canvas, TPoint At, TButtonState State, TColor Face) const;
  void Changed();
  [[noreturn]] void BadValue() const;
  TControl* FButton;
  TBitmap* FGlyph;
  int32_t FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int32_t FMargin = -1;
  int32_t FSpacing = 4;
};

// --------------------------------------------------------------------- TBitBtn

// A push button with a glyph. Setting a Kind other than bkCustom sets
// Default (bkOK, bkYes), Cancel (bkCancel, bkNo), ModalResult, the kind's
// glyph (two images) and caption (while a form is read, only when no
// caption was read);
// a later change of Default, Cancel, ModalResult or Glyph makes the
// button bkCustom again. A click on a bkClose button closes its form; a
// bkHelp button shows its help context.
class TBitBtn : public TButton, public TButtonGlyph {
  HOST_CLASS(TBitBtn, TButton)
  using TCreateArg = TComponent;
  explicit TBitBtn(TComponent* AOwner);

  void SetGlyph(TBitmap* Value) override;
  TBitBtnKind GetKind() const;
  void SetKind(TBitBtnKind Value);
  TButtonStyle GetStyle() const { return FStyle; }
  void SetStyle(TButtonStyle Value);
  void Click() override;

  // Stored in a form file only for a custom button (a kind sets them).
  bool IsCustom() const { return GetKind() == bkCustom; }
  bool IsCustomCaption() const;
  // NumGlyphs also when the form file it was read from had it (the
  // classic designers of the later eras write the kind's 2).
  bool IsNumGlyphsStored() const;

 protected:
  ~TBitBtn() override = default;
  void Paint() override;

 private:
  mutable TBitBtnKind FKind = bkCustom;
  TButtonStyle FStyle = bsAutoDetect;
  bool FModifiedGlyph = false;
};

// ---------------------------------------------------------------- TSpeedButton

class TSpeedButton : public TGraphicControl, public TButtonGlyph {
  HOST_CLASS(TSpeedButton, TGraphicControl)
  using TCreateArg = TComponent;
  explicit TSpeedButton(TComponent* AOwner);

  bool GetAllowAllUp() const { return FAllowAllUp; }
  // Applies to every button of the group.
  void SetAllowAllUp(bool Value);
  int32_t GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t Value);
  // Only a grouped button (GroupIndex not 0) can be down; putting one down
  // brings the others of its group up, and the last one down of a group
  // without AllowAllUp stays down.
  bool GetDown() const { return FDown; }
  void SetDown(bool Value);
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The left button went down on the button and has not come up yet.
  bool GetPressed() const { return FPressed; }
  // The mouse is over the button (a flat button shows its frame).
  bool GetHot() const { return FHot; }
  // How often a hot button looks whether the mouse left it, in ms.
  static constexpr uint32_t kHotPoll = 100;

  void WndProc(TMessage& Message) override;

 protected:
  ~TSpeedButton() override = default;
  void Destroy() override;
  void Paint() override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

 private:
  void BringUp();
  void SetHot(bool Value);
  void CheckHot();
  void StopHotTimer();
  // Calls Visit for the other speed buttons of the parent in the same group.
  template <class F>
  void ForGroup(F&& Visit);
  int32_t FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  bool FFlat = false;
  bool FTransparent = true;
  bool FPressed = false;
  bool FHot = false;
  THandle FHotTimer = 0;
};

}  // namespace host
