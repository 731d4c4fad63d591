// Message dialogs: MessageDlg, MessageDlgPos and ShowMessage.
//
// A dialog shows as the widgetset's message box (TApplication::MessageBox,
// or the widgetset's windows directly while no application exists), so the
// headless backend answers it from its queue and a real backend shows a
// real box. The dialog type gives the box its icon and its classic caption
// ("Warning", "Error", "Information", "Confirm"; a custom dialog takes the
// application's title). The buttons asked for are mapped onto the smallest
// message box button set holding them all; buttons no message box has
// (mbAll, mbNoToAll, mbYesToAll, mbHelp) are left out, and a set no box
// holds takes the box sharing most buttons with it. The answer is the
// modal result of the button chosen (mrYes, mrNo...).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/controls/controltypes.h"

namespace host {

enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
HOST_ENUM_INFO(TMsgDlgType, "mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom")

enum TMsgDlgBtn : uint8_t {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp
};
HOST_ENUM_INFO(TMsgDlgBtn, "mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry", "mbIgnore", "mbAll", "mbNoToAll",
               "mbYesToAll", "mbHelp")
using TMsgDlgButtons = TSet<TMsgDlgBtn, 11>;

inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The caption of a dialog of type DlgType ("Warning"...; the application's
// title for mtCustom).
std::string MessageDlgCaption(TMsgDlgType DlgType);
// The message box flags (MB_ buttons and icon) a dialog shows with.
uint32_t MessageDlgFlags(TMsgDlgType DlgType, TMsgDlgButtons Buttons);

// Shows Msg and answers the modal result of the button chosen (mrNone when
// no widgetset shows boxes). HelpCtx is kept for the classic signature; no
// help system is attached.
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int32_t HelpCtx);
// The same, placed at X, Y on the screen where the backend places boxes
// (message boxes are centred by the backends here, so the position is a
// wish).
TModalResult MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int32_t HelpCtx,
                           int32_t X, int32_t Y);
// Msg in a box with an OK button, captioned with the application's title.
void ShowMessage(const std::string& Msg);

// Registers the published properties and streamable classes of the dialog
// components (commdlg.h, finddlg.h); counted, undone by the last
// UnregisterDialogsClasses.
void RegisterDialogsClasses();
void UnregisterDialogsClasses();
// The unit's component classes, in unit order.
std::span<const TClass> DialogsClasses();

}  // namespace host
