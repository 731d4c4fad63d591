// TStatusBar: a row of panels along the bottom of a form.
//
// Panels is a collection of TStatusPanel items, each Width wide (the last
// one reaching the right edge), framed as its Bevel says and showing its
// Text as Alignment places it; a psOwnerDraw panel is drawn by OnDrawPanel
// instead. With SimplePanel the bar shows one panel over its whole width
// holding SimpleText. SizeGrip draws the grip of a sizeable window in the
// bottom-right corner. A form file holds the panels as a collection
// ("Panels = < item ... end >").
//
// AutoHint is kept for form files; the bar does not show the application's
// hints by itself.
//
// Bad input raises and changes nothing: a Bevel, Style or Alignment outside
// its enumeration or a panel Width outside 0..32767 raises EInvalidOperation;
// Panels[i] outside the panels raises EListError "List index out of bounds
// (%d)".
#pragma once

#include <cstdint>
#include <string>

#include "host/classes/collections.h"
#include "host/controls/controls.h"

namespace host {

enum TStatusPanelBevel : uint8_t { pbNone, pbLowered, pbRaised };
HOST_ENUM_INFO(TStatusPanelBevel, "pbNone", "pbLowered", "pbRaised")
enum TStatusPanelStyle : uint8_t { psText, psOwnerDraw };
HOST_ENUM_INFO(TStatusPanelStyle, "psText", "psOwnerDraw")

class TStatusBar;
class TStatusPanel;

// Sender, the panel, its rectangle on the bar's canvas.
using TDrawPanelEvent = TEvent<TStatusBar*, TStatusPanel*, const TRect&>;

class TStatusPanel : public TCollectionItem {
  HOST_CLASS(TStatusPanel, TCollectionItem)
  using TCreateArg = TCollection;
  explicit TStatusPanel(TCollection* Collection);

  std::string GetText() const { return FText; }
  void SetText(const std::string& Value);
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t Value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TStatusPanelBevel GetBevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel Value);
  TStatusPanelStyle GetStyle() const { return FStyle; }
  void SetStyle(TStatusPanelStyle Value);

  void Assign(TPersistent* Source) override;
  // The panel's text, or the class name while it has none.
  std::string GetDisplayName() override;

 protected:
  ~TStatusPanel() override = default;

 private:
  std::string FText;
  int32_t FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelBevel FBevel = pbLowered;
  TStatusPanelStyle FStyle = psText;
};

class TStatusPanels : public TCollection {
  HOST_CLASS(TStatusPanels, TCollection)
  explicit TStatusPanels(TStatusBar* StatusBar);

  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* GetItem(int32_t Index) const { return static_cast<TStatusPanel*>(TCollection::GetItem(Index)); }
  TPersistent* GetOwner() override;

 protected:
  ~TStatusPanels() override = default;
  void Update(TCollectionItem* Item) override;

 private:
  TStatusBar* FStatusBar;
};

class TStatusBar : public TCustomControl {
  HOST_CLASS(TStatusBar, TCustomControl)
  using TCreateArg = TComponent;
  explicit TStatusBar(TComponent* AOwner);

  TStatusPanels* GetPanels() const { return FPanels; }
  // The panels are written even when there are none ("Panels = <>").
  bool PanelsStored() const { return true; }
  void SetPanels(TStatusPanels* Value);
  bool GetSimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool Value);
  std::string GetSimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& Value);
  bool GetSizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  bool GetAutoHint() const { return FAutoHint; }
  void SetAutoHint(bool Value) { FAutoHint = Value; }
  // Panel Index's rectangle, in client coordinates (empty outside the
  // panels, and for every panel while SimplePanel).
  TRect PanelRect(int32_t Index);

  TDrawPanelEvent OnDrawPanel;

 protected:
  ~TStatusBar() override = default;
  void Destroy() override;
  void Paint() override;
  virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

 private:
  void PaintPanel(const TRect& Rect, const std::string& Text, TAlignment Alignment, TStatusPanelBevel Bevel);
  TRect GripRect();

  TStatusPanels* FPanels = nullptr;
  bool FSimplePanel = false;
  std::string FSimpleText;
  bool FSizeGrip = true;
  bool FAutoHint = false;
};

}  // namespace host
