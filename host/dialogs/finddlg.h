// The find and replace dialogs: modeless dialogs that stay open after
// Execute and fire OnFind (Find Next) and OnReplace (Replace, Replace All)
// each time the user presses a button, with FindText, ReplaceText and
// Options then holding what the dialog shows (frFindNext, frReplace or
// frReplaceAll tells which button). CloseDialog closes the dialog (as does
// the user, or freeing the component); OnClose fires when it closed.
#pragma once

#include <cstdint>
#include <string>

#include "host/dialogs/commdlg.h"

namespace host {

enum TFindOption : uint8_t {
  frDown,
  frFindNext,
  frHideMatchCase,
  frHideWholeWord,
  frHideUpDown,
  frMatchCase,
  frDisableMatchCase,
  frDisableUpDown,
  frDisableWholeWord,
  frReplace,
  frReplaceAll,
  frWholeWord,
  frShowHelp
};
HOST_ENUM_INFO(TFindOption, "frDown", "frFindNext", "frHideMatchCase", "frHideWholeWord", "frHideUpDown", "frMatchCase",
               "frDisableMatchCase", "frDisableUpDown", "frDisableWholeWord", "frReplace", "frReplaceAll",
               "frWholeWord", "frShowHelp")
using TFindOptions = TSet<TFindOption, 13>;

class TFindDialog : public TCommonDialog {
  HOST_CLASS(TFindDialog, TCommonDialog)
  using TCreateArg = TComponent;
  explicit TFindDialog(TComponent* AOwner) : TFindDialog(AOwner, TCommonDialogKind::Find) {}

  std::string GetFindText() const { return FFindText; }
  void SetFindText(const std::string& Value) { FFindText = Value; }
  TFindOptions GetOptions() const { return FOptions; }
  void SetOptions(TFindOptions Value) { FOptions = Value; }
  // Where the dialog shows on the screen (-1: where the backend puts it).
  int32_t GetLeft() const { return FPosition.X; }
  void SetLeft(int32_t Value) { FPosition.X = Value; }
  int32_t GetTop() const { return FPosition.Y; }
  void SetTop(int32_t Value) { FPosition.Y = Value; }
  TPoint GetPosition() const { return FPosition; }
  void SetPosition(TPoint Value) { FPosition = Value; }
  // The open dialog's handle (0 while it is closed).
  THandle GetHandle() const { return FHandle; }

  // Shows the dialog (or leaves it showing); true when it shows.
  bool Execute() override;
  void CloseDialog();

  TNotifyEvent OnFind;

 protected:
  TFindDialog(TComponent* AOwner, TCommonDialogKind Kind) : TCommonDialog(AOwner, Kind) {}
  ~TFindDialog() override = default;
  void Destroy() override;
  void PutRequest(TCommonDialogRequest& Request) const override;
  void Find();
  virtual void Replace() {}
  // What the user did in the open dialog.
  virtual void Act(TCommonDialogAction Action, const TCommonDialogRequest& Request);

 private:
  std::string FFindText;
  TFindOptions FOptions{frDown};
  TPoint FPosition{-1, -1};
  THandle FHandle = 0;
  THandle FClosedDialog = 0;  // the last dialog the user closed
};

class TReplaceDialog : public TFindDialog {
  HOST_CLASS(TReplaceDialog, TFindDialog)
  using TCreateArg = TComponent;
  explicit TReplaceDialog(TComponent* AOwner) : TFindDialog(AOwner, TCommonDialogKind::Replace) {}

  std::string GetReplaceText() const { return FReplaceText; }
  void SetReplaceText(const std::string& Value) { FReplaceText = Value; }

  TNotifyEvent OnReplace;

 protected:
  ~TReplaceDialog() override = default;
  void PutRequest(TCommonDialogRequest& Request) const override;
  void Replace() override;
  void Act(TCommonDialogAction Action, const TCommonDialogRequest& Request) override;

 private:
  std::string FReplaceText;
};

}  // namespace host
