// TMonitor and TScreen: the desktop as the application sees it.
//
// The screen (the global Screen, made by the forms unit's start-up) lists
// the forms and data modules alive — forms add themselves when created
// and leave when destroyed — knows the active form and the control with
// the focus (firing OnActiveFormChange / OnActiveControlChange when they
// change), the cursors by number, the font names, and the desktop's
// metrics from the widgetset (the headless backend reports one 1024 x 768
// monitor at 96 pixels per inch).
//
// Bad input raises: an index outside a list's bounds (EListError "List
// index out of bounds (<n>)").
#pragma once

#include <cstdint>
#include <vector>

#include "host/classes/strings.h"
#include "host/forms/formtypes.h"

namespace host {

class TCustomForm;
class TForm;
class TDataModule;
class TFont;
class TWinControl;

using HMONITOR = THandle;
using HKL = THandle;
using HCURSOR = THandle;

// ------------------------------------------------------------------- TMonitor

class TMonitor : public TObject {
  HOST_CLASS(TMonitor, TObject)
  TMonitor(HMONITOR Handle, int32_t MonitorNum, const TRect& Bounds);

  HMONITOR GetHandle() const { return FHandle; }
  int32_t GetMonitorNum() const { return FMonitorNum; }
  int32_t GetLeft() const { return FBounds.Left; }
  int32_t GetTop() const { return FBounds.Top; }
  int32_t GetWidth() const { return FBounds.Width(); }
  int32_t GetHeight() const { return FBounds.Height(); }
  TRect GetBoundsRect() const { return FBounds; }

 protected:
  ~TMonitor() override = default;

 private:
  HMONITOR FHandle;
  int32_t FMonitorNum;
  TRect FBounds;
};

// -------------------------------------------------------------------- TScreen

class TScreen : public TComponent {
  HOST_CLASS(TScreen, TComponent)
  using TCreateArg = TComponent;
  explicit TScreen(TComponent* AOwner);

  // ------------------------------------------------------------- lists
  int32_t GetFormCount() const { return static_cast<int32_t>(FForms.size()); }
  TForm* GetForms(int32_t Index) const;
  int32_t GetCustomFormCount() const { return static_cast<int32_t>(FCustomForms.size()); }
  TCustomForm* GetCustomForms(int32_t Index) const;
  int32_t GetDataModuleCount() const { return static_cast<int32_t>(FDataModules.size()); }
  TDataModule* GetDataModules(int32_t Index) const;
  // Forms call these when created and destroyed; data modules are added by
  // the application's CreateForm (or by whoever makes one) and leave by
  // themselves when freed.
  void AddForm(TCustomForm* AForm);
  void RemoveForm(TCustomForm* AForm);
  void AddDataModule(TDataModule* AModule);
  void RemoveDataModule(TDataModule* AModule);

  // -------------------------------------------------------------- active
  TCustomForm* GetActiveCustomForm() const { return FActiveCustomForm; }
  TForm* GetActiveForm() const { return FActiveForm; }
  TWinControl* GetActiveControl() const { return FActiveControl; }
  // A form reports the control that got the focus (the form itself when
  // none of its controls has it): the form becomes the active one (moved
  // first in CustomForms and Forms) and the events fire for what changed.
  void FocusChanged(TCustomForm* AForm, TWinControl* Control);
  // A form that goes (hidden or destroyed) stops being the active one; the
  // first other visible form in CustomForms is activated.
  void FormGone(TCustomForm* AForm);

  // ------------------------------------------------------------- cursors
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // The handle of cursor Index; an unknown index gives the default cursor's.
  // The stock cursors (crDefault down to crHandPoint) have the handles
  // 1 - Index (crDefault: 1).
  HCURSOR GetCursors(int32_t Index) const;
  // Registers (or replaces) a cursor under Index; crDefault cannot be replaced.
  void SetCursors(int32_t Index, HCURSOR Handle);

  // --------------------------------------------------------------- fonts
  // The font names the host knows (sorted); the headless widgetset draws
  // every one of them with its own fixed font.
  TStrings* GetFonts();
  TFont* GetIconFont() const { return FIconFont; }
  void SetIconFont(TFont* Value);
  TFont* GetHintFont() const { return FHintFont; }
  void SetHintFont(TFont* Value);
  TStrings* GetImes();
  std::string GetDefaultIme() const { return {}; }
  HKL GetDefaultKbLayout() const { return 0; }

  // ------------------------------------------------------------- desktop
  int32_t GetMonitorCount();
  TMonitor* GetMonitors(int32_t Index);
  // The monitor that shows most of the rectangle (the primary one when none does).
  TMonitor* MonitorFromRect(const TRect& Rect);
  int32_t GetDesktopLeft();
  int32_t GetDesktopTop();
  int32_t GetDesktopWidth();
  int32_t GetDesktopHeight();
  TRect GetDesktopRect();
  TRect GetWorkAreaRect();
  int32_t GetWidth();
  int32_t GetHeight();
  int32_t GetPixelsPerInch();

  // Alignment of the forms among themselves: nothing to align here, kept
  // counted for the classic calls.
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void Realign() {}

  TNotifyEvent OnActiveControlChange;
  TNotifyEvent OnActiveFormChange;

 protected:
  ~TScreen() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void UpdateMonitors();
  static void CheckIndex(int32_t Index, std::size_t Count);
  // Makes AForm the active form (moved first in the lists); true when it
  // was not already.
  bool MakeActive(TCustomForm* AForm);
  void SetActiveControl(TWinControl* Control);
  void FireChanges(bool FormChanged, bool ControlChanged);

  std::vector<TForm*> FForms;
  std::vector<TCustomForm*> FCustomForms;
  std::vector<TDataModule*> FDataModules;
  TCustomForm* FActiveCustomForm = nullptr;
  TForm* FActiveForm = nullptr;
  TWinControl* FActiveControl = nullptr;
  TCursor FCursor = crDefault;
  std::vector<std::pair<int32_t, HCURSOR>> FCursors;
  TStringList* FFonts = nullptr;
  TStringList* FImes = nullptr;
  TFont* FIconFont = nullptr;
  TFont* FHintFont = nullptr;
  std::vector<TMonitor*> FMonitors;
  int32_t FAlignLevel = 0;
};

// The screen object; null outside the forms unit's start-up and shutdown.
extern TScreen* Screen;

}  // namespace host
