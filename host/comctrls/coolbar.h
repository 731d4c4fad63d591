// TCoolBar: bands in rows along the top of a form, each holding a control
// (a tool bar, a combo box...).
//
// Bands is a collection of TCoolBand items. A band with Break starts a new
// row (the first band always does); within a row the bands lie left to
// right, each Width wide, the last one reaching the bar's end. A row is as
// high as the highest MinHeight of its bands. A band shows a grip at its
// start (none when FixedSize), then its Text when the bar's ShowText is on,
// then its Control, which the bar places over the rest of the band and
// makes its child. A Vertical bar turns all this on its side: rows become
// columns running down. BandBorderStyle bsSingle frames each band. With
// AutoSize the bar takes the height (width, when Vertical) of its rows.
// FixedOrder is kept for form files: the user does not move bands here.
//
// Form files hold the bands as a collection before the controls; a band's
// Control is a reference resolved once the form is read.
//
// Bad input raises and changes nothing: a band's Control that is the bar
// itself or one of its parents raises EInvalidOperation, a Width, MinWidth
// or MinHeight outside 0..32767 EInvalidOperation "Invalid property value
// (cool band)", Bands[i] outside the bands EListError
// "List index out of bounds (%d)". A control given to a second band leaves
// the first one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/classes/collections.h"
#include "host/controls/controls.h"

namespace host {

class TCoolBar;

class TCoolBand : public TCollectionItem {
  HOST_CLASS(TCoolBand, TCollectionItem)
  using TCreateArg = TCollection;
  explicit TCoolBand(TCollection* Collection);

  TWinControl* GetControl() const { return FControl; }
  void SetControl(TWinControl* Value);
  std::string GetText() const { return FText; }
  void SetText(const std::string& Value);
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t Value);
  int32_t GetMinHeight() const { return FMinHeight; }
  void SetMinHeight(int32_t Value);
  int32_t GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int32_t Value);
  bool GetBreak() const { return FBreak; }
  void SetBreak(bool Value);
  bool GetFixedSize() const { return FFixedSize; }
  void SetFixedSize(bool Value);
  bool GetFixedBackground() const { return FFixedBackground; }
  void SetFixedBackground(bool Value) { FFixedBackground = Value; }
  bool GetHorizontalOnly() const { return FHorizontalOnly; }
  void SetHorizontalOnly(bool Value) { FHorizontalOnly = Value; }
  int32_t GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value) { FImageIndex = Value; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  TCoolBar* GetCoolBar() const;

  void Assign(TPersistent* Source) override;
  std::string GetDisplayName() override;

 protected:
  ~TCoolBand() override = default;

 private:
  friend class TCoolBar;
  TWinControl* FControl = nullptr;
  std::string FText;
  int32_t FWidth = 0;
  int32_t FMinHeight = 25;
  int32_t FMinWidth = 0;
  bool FBreak = true;
  bool FFixedSize = false;
  bool FFixedBackground = true;
  bool FHorizontalOnly = false;
  int32_t FImageIndex = -1;
  bool FVisible = true;
};

class TCoolBands : public TCollection {
  HOST_CLASS(TCoolBands, TCollection)
  explicit TCoolBands(TCoolBar* CoolBar);

  TCoolBand* Add();
  TCoolBand* GetItem(int32_t Index) const { return static_cast<TCoolBand*>(TCollection::GetItem(Index)); }
  // The band holding Control; null when none does.
  TCoolBand* FindBand(const TControl* Control) const;
  TCoolBar* GetCoolBar() const { return FCoolBar; }
  TPersistent* GetOwner() override;

 protected:
  ~TCoolBands() override = default;
  // Lays the bar out again, once every band is made: the collection hears
  // of a band before the band's constructor has run.
  void Update(TCollectionItem* Item) override;
  bool AllMade() const;

 private:
  TCoolBar* FCoolBar;
};

class TCoolBar : public TCustomControl {
  HOST_CLASS(TCoolBar, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCoolBar(TComponent* AOwner);

  TCoolBands* GetBands() const { return FBands; }
  void SetBands(TCoolBands* Value);
  TBorderStyle GetBandBorderStyle() const { return FBandBorderStyle; }
  void SetBandBorderStyle(TBorderStyle Value);
  bool GetFixedOrder() const { return FFixedOrder; }
  void SetFixedOrder(bool Value) { FFixedOrder = Value; }
  bool GetFixedSize() const { return FFixedSize; }
  void SetFixedSize(bool Value) { FFixedSize = Value; }
  bool GetShowText() const { return FShowText; }
  void SetShowText(bool Value);
  bool GetVertical() const { return FVertical; }
  void SetVertical(bool Value);
  // Band Index's rectangle in client coordinates (empty for a hidden band).
  TRect BandRect(int32_t Index);
  // Places the bands and their controls (and sizes the bar with AutoSize).
  void LayoutBands();

 protected:
  ~TCoolBar() override = default;
  void Destroy() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Paint() override;

 private:
  friend class TCoolBand;
  friend class TCoolBands;
  // The bands' rectangles, laid out along the bar ("horizontal space":
  // turned on their side afterwards for a Vertical bar).
  std::vector<TRect> LayoutRects();
  TRect Turned(const TRect& Rect) const;
  // Where a band's control starts after its grip and text.
  int32_t ControlOffset(TCoolBand* Band);
  void BandChanged();

  TCoolBands* FBands = nullptr;
  TBorderStyle FBandBorderStyle = bsSingle;
  bool FFixedOrder = false;
  bool FFixedSize = false;
  bool FShowText = true;
  bool FVertical = false;
  bool FLayingOut = false;
};

}  // namespace host
