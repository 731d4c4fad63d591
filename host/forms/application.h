// TApplication: the program's application object (the global Application,
// made by the forms unit's start-up).
//
// Run shows the main form (the first form CreateForm made) and delivers
// the widgetset's messages until Terminate is called or the main form
// closes. Every message the widgetset delivers to a control passes through
// the application first: OnMessage may handle it; a key goes to the short
// cuts (the form's OnShortCut, menu and action lists, then the
// application's OnShortCut) and, with KeyPreview, to the form; the focus
// moving to a control makes its form the active one. While one of the
// application's message loops runs (Run, HandleMessage, ProcessMessages, a
// modal form's loop), an exception that leaves a control's handler reaches
// HandleException — OnException, or ShowException's message box — and the
// loop goes on; input given outside any loop (a program or test driving
// the robot directly) lets the exception go on to its caller.
//
// When nothing is pending (Idle), the actions of the visible forms' action
// lists and of their controls' action links are updated (OnActionUpdate
// may handle each first) and OnIdle fires; its Done (true unless the
// handler clears it) says whether the application may wait for input.
//
// Hints: a control under the mouse with ShowHint and a Hint shows it in a
// THintWindow after HintPause (on the widgetset's clock); OnShowHint may
// change the text or refuse it; OnHint fires when the hint text of the
// control under the mouse changes (Hint holds it).
//
// Help: without a help system every request answers false after OnHelp.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/forms/formtypes.h"
#include "host/widgetset/wswindows.h"

namespace host {

class TCustomForm;
class TForm;
class TControl;
class TIcon;
class THintWindow;
class TBasicAction;

class TApplication : public TComponent {
  HOST_CLASS(TApplication, TComponent)
  using TCreateArg = TComponent;
  explicit TApplication(TComponent* AOwner);

  // ------------------------------------------------------------ running
  void Initialize();
  // Creates a form (or a data module) of InstanceClass owned by the
  // application and writes its address into the TComponent* at Reference
  // once it is made. The
  // first form made becomes MainForm. Raises EInvalidOperation for a class
  // that is no form or data module class; the reference is cleared when
  // the construction fails.
  void CreateForm(TClass InstanceClass, void* Reference);
  // The typed form: the TComponent* the untyped one writes is converted to
  // T* (the two addresses may differ), so Reference is set once the form is
  // made.
  template <class T>
  void CreateForm(T*& Reference) {
    TComponent* made = nullptr;
    CreateForm(&T::StaticMetaClass, &made);
    Reference = static_cast<T*>(made);
  }
  void Run();
  void Terminate() { FTerminate = true; }
  bool GetTerminated() const { return FTerminate; }
  // Delivers the messages pending now (and frees released forms).
  void ProcessMessages();
  // Waits for and delivers one batch of messages (running Idle first when
  // nothing is pending). Terminates the application when the widgetset can
  // never deliver anything again.
  void HandleMessage();
  // One step of a message loop (Run's, a modal form's): delivers what is
  // pending; with nothing pending runs Idle and, when its Done allows,
  // waits through the widgetset. False when nothing can ever come.
  bool WaitForInput();
  // One idle pass: updates the visible forms' actions, fires OnIdle;
  // answers the handler's Done.
  bool Idle();

  // ---------------------------------------------------------- exceptions
  // Reports the exception being handled (call it from a catch block):
  // OnException, or ShowException. An exception that is no host Exception
  // is reported as one with its text.
  void HandleException(TObject* Sender);
  // A message box with the exception's message and the title as caption.
  void ShowException(Exception* E);

  // ----------------------------------------------------------- messages
  // Delivers Message to Receiver as the application does: OnMessage,
  // short cuts, the form's key preview, focus tracking, then the control's
  // WndProc, with exceptions reported. The controls call it through their
  // delivery hook while an application exists.
  void DeliverMessage(TControl* Receiver, TMessage& Message);
  // OnShortCut, then the main form's short cuts; true when used.
  bool IsShortCut(TWMKey& Message);
  // Shows a message box through the widgetset (the main form as its owner);
  // answers the button chosen.
  int32_t MessageBox(const char* Text, const char* Caption, uint32_t Flags = MB_OK);

  // ------------------------------------------------------------- actions
  // Offer an action's execution / update to OnActionExecute /
  // OnActionUpdate; true when the handler handled it.
  bool ExecuteAction(TBasicAction* Action) override;
  bool UpdateAction(TBasicAction* Action) override;

  // ---------------------------------------------------------------- help
  bool HelpCommand(int32_t Command, int32_t Data);
  bool HelpContext(int32_t Context);
  bool HelpJump(const std::string& JumpID);
  std::string GetCurrentHelpFile() const;
  std::string GetHelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& Value) { FHelpFile = Value; }

  // --------------------------------------------------------------- hints
  std::string GetHint() const { return FHint; }
  // Fires OnHint when the text changes.
  void SetHint(const std::string& Value);
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  TColor GetHintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  int32_t GetHintPause() const { return FHintPause; }
  void SetHintPause(int32_t Value);
  int32_t GetHintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int32_t Value);
  int32_t GetHintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int32_t Value);
  bool GetHintShortCuts() const { return FHintShortCuts; }
  void SetHintShortCuts(bool Value) { FHintShortCuts = Value; }
  // Shows the hint of Control now (what the hint pause ends in); false
  // when nothing showed.
  bool ActivateHint(TControl* Control, TPoint CursorPos);
  void CancelHint();
  void HideHint();
  // A mouse message over Control (client coordinates): the hint follows
  // the mouse (Message is not changed).
  void HintMouseMessage(TControl* Control, TMessage& Message);
  // The hint window showing (null when none).
  THintWindow* GetHintWindow() const { return FHintWindow; }
  // The control whose hint shows or waits to show.
  TControl* GetHintControl() const { return FHintControl; }

  // ---------------------------------------------------- window and state
  bool GetActive() const { return FActive; }
  TForm* GetMainForm() const { return FMainForm; }
  std::string GetTitle() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  std::string GetExeName() const;
  TIcon* GetIcon() const { return FIcon; }
  void SetIcon(TIcon* Value);
  HWND GetHandle() const { return FHandle; }
  void SetHandle(HWND Value) { FHandle = Value; }
  HWND GetDialogHandle() const { return FDialogHandle; }
  void SetDialogHandle(HWND Value) { FDialogHandle = Value; }
  void CreateHandle() {}
  bool GetShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool Value) { FShowMainForm = Value; }
  bool GetAllowTesting() const { return FAllowTesting; }
  void SetAllowTesting(bool Value) { FAllowTesting = Value; }
  bool GetUpdateFormatSettings() const { return FUpdateFormatSettings; }
  void SetUpdateFormatSettings(bool Value) { FUpdateFormatSettings = Value; }
  bool GetUpdateMetricSettings() const { return FUpdateMetricSettings; }
  void SetUpdateMetricSettings(bool Value) { FUpdateMetricSettings = Value; }
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }
  bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
  bool UseRightToLeftScrollBar() const { return FBiDiMode == bdRightToLeft || FBiDiMode == bdRightToLeftNoAlign; }

  // Minimize hides the visible forms (remembered) and fires OnMinimize;
  // Restore shows them again and fires OnRestore. Each does nothing when
  // already done.
  void Minimize();
  void Restore();
  bool GetMinimized() const { return FMinimized; }
  void BringToFront();
  // Stay-on-top windows: nothing is kept above the others here.
  void NormalizeTopMosts() { ++FTopMostLevel; }
  void NormalizeAllTopMosts() { ++FTopMostLevel; }
  void RestoreTopMosts();
  // A control going away stops being the hint's or the mouse's control.
  void ControlDestroyed(TControl* Control);

  // -------------------------------------------------------------- events
  TActionEvent OnActionExecute;
  TActionEvent OnActionUpdate;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TExceptionEvent OnException;
  TIdleEvent OnIdle;
  THelpEvent OnHelp;
  TNotifyEvent OnHint;
  TMessageEvent OnMessage;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TShowHintEvent OnShowHint;
  TShortCutEvent OnShortCut;

 protected:
  ~TApplication() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TCustomForm;
  friend class TScreen;
  // The application's view of the active form (OnActivate / OnDeactivate
  // when the first form activates or the last one goes).
  void SetActive(bool Value);
  void Deliver(TControl* Receiver, TMessage& Message);
  bool MessageHandled(TControl* Receiver, TMessage& Message);
  bool KeyHandled(TControl* Receiver, TWMKey& Message);
  // The pop-up menus of Receiver and the controls it lies in, innermost first.
  static bool PopupShortCut(TControl* Receiver, TWMKey& Message);
  // OnShortCut, then the main form's short cuts unless it is Skip.
  bool AppShortCut(TWMKey& Message, TCustomForm* Skip);
  void ReportException(TObject* Sender, Exception* E);
  void TrackMouse(TControl* Receiver, TMessage& Message);
  void StartHintTimer(int32_t Pause);
  void StopHintTimer();
  void HintTimerExpired();
  void UpdateVisibleActions();
  bool InvokeHelp(uint16_t Command, int32_t Data);

  TForm* FMainForm = nullptr;
  bool FTerminate = false;
  bool FRunning = false;
  bool FActive = false;
  bool FMinimized = false;
  // The windows Minimize hid, shown again by Restore.
  std::vector<HWND> FMinimizedWindows;
  std::string FTitle;
  std::string FHelpFile;
  std::string FHint;
  bool FShowHint = true;
  TColor FHintColor = clInfoBk;
  int32_t FHintPause = 500;
  int32_t FHintShortPause = 50;
  int32_t FHintHidePause = 2500;
  bool FHintShortCuts = true;
  THintWindow* FHintWindow = nullptr;
  TControl* FHintControl = nullptr;
  THandle FHintTimer = 0;
  TPoint FHintCursor;
  TIcon* FIcon = nullptr;
  HWND FHandle = 0;
  HWND FDialogHandle = 0;
  bool FShowMainForm = true;
  bool FAllowTesting = true;
  bool FUpdateFormatSettings = true;
  bool FUpdateMetricSettings = true;
  TBiDiMode FBiDiMode = bdLeftToRight;
  int32_t FTopMostLevel = 0;
  // How many of the application's message loops are running.
  int32_t FLoopDepth = 0;
};

// The application object; null outside the forms unit's start-up and shutdown.
extern TApplication* Application;

}  // namespace host
