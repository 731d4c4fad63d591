// The find and replace dialogs: shown through the widgetset, which calls
// back with the buttons the user presses while the dialog is open.
#include "host/dialogs/finddlg.h"

#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TFindDialog, TCommonDialog)
HOST_IMPL(TReplaceDialog, TFindDialog)

// The dialog goes from the screen without OnClose: the handler may belong
// to an owner that is being freed as well.
void TFindDialog::Destroy() {
  OnClose = nullptr;
  CloseDialog();
  inherited::Destroy();
}

void TFindDialog::PutRequest(TCommonDialogRequest& Request) const {
  inherited::PutRequest(Request);
  Request.FindText = FFindText;
}

bool TFindDialog::Execute() {
  if (FHandle) return true;
  TCommonDialogRequest request;
  PutRequest(request);
  // The backend may call back before ShowRequest returns (a test's queued
  // answer presses a button at once, or closes the dialog again).
  request.OnAction = [this](TCommonDialogAction Action, const TCommonDialogRequest& State) { Act(Action, State); };
  DoShow();
  const int32_t answer = ShowRequest(request);
  if (answer != IDOK) {
    DoClose();
    return false;
  }
  if (FClosedDialog != request.Dialog) FHandle = request.Dialog;
  return true;
}

void TFindDialog::CloseDialog() {
  if (!FHandle) return;
  const THandle dialog = FHandle;
  FHandle = 0;
  if (TWSWindows* windows = RunningWindows()) windows->CloseCommonDialog(dialog);
  DoClose();
}

void TFindDialog::Find() {
  FOptions = FOptions - TFindOptions{frReplace, frReplaceAll} + TFindOptions{frFindNext};
  if (OnFind) OnFind(this);
}

void TFindDialog::Act(TCommonDialogAction Action, const TCommonDialogRequest& Request) {
  FFindText = Request.FindText;
  if (Action != TCommonDialogAction::Close) FHandle = Request.Dialog;
  switch (Action) {
    case TCommonDialogAction::Find:
      Find();
      break;
    case TCommonDialogAction::Replace:
    case TCommonDialogAction::ReplaceAll:
      Replace();
      break;
    case TCommonDialogAction::Close:
      // Closed by the user: the backend has let it go already.
      FHandle = 0;
      FClosedDialog = Request.Dialog;
      DoClose();
      break;
  }
}

void TReplaceDialog::PutRequest(TCommonDialogRequest& Request) const {
  inherited::PutRequest(Request);
  Request.ReplaceText = FReplaceText;
}

void TReplaceDialog::Act(TCommonDialogAction Action, const TCommonDialogRequest& Request) {
  FReplaceText = Request.ReplaceText;
  TFindOptions options = GetOptions() - TFindOptions{frFindNext, frReplace, frReplaceAll};
  if (Action == TCommonDialogAction::ReplaceAll) options.Include(frReplaceAll);
  if (Action == TCommonDialogAction::Replace) options.Include(frReplace);
  SetOptions(options);
  inherited::Act(Action, Request);
}

void TReplaceDialog::Replace() {
  if (OnReplace) OnReplace(this);
}

}  // namespace host
