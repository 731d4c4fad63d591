// The enumerations, sets, records and event types of the forms unit, with
// the classic names and values.
#pragma once

#include <cstdint>
#include <string>

#include "host/actnlist/actnlist.h"
#include "host/controls/controltypes.h"
#include "host/rtl/sysutils.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TControl;

enum TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
HOST_ENUM_INFO(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop")

// A form's border. Its first two members are those of TBorderStyle (the
// border of a scroll box or an edit): a form gets them as
// TFormBorderStyle(bsNone) and TFormBorderStyle(bsSingle).
enum TFormBorderStyle : uint8_t { bsSizeable = 2, bsDialog, bsToolWindow, bsSizeToolWin };
HOST_ENUM_INFO(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")

enum TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
HOST_ENUM_INFO(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
using TBorderIcons = TSet<TBorderIcon, 4>;

// poMainFormCenter and poOwnerFormCenter came with later classic libraries;
// their forms' files use them.
enum TPosition : uint8_t { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                           poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
HOST_ENUM_INFO(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
               "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter")

enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
HOST_ENUM_INFO(TWindowState, "wsNormal", "wsMinimized", "wsMaximized")

enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
HOST_ENUM_INFO(TCloseAction, "caNone", "caHide", "caFree", "caMinimize")

enum TPrintScale : uint8_t { poNone, poProportional, poPrintToFit };
HOST_ENUM_INFO(TPrintScale, "poNone", "poProportional", "poPrintToFit")

enum TTileMode : uint8_t { tbHorizontal, tbVertical };
HOST_ENUM_INFO(TTileMode, "tbHorizontal", "tbVertical")

enum TDefaultMonitor : uint8_t { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
HOST_ENUM_INFO(TDefaultMonitor, "dmDesktop", "dmPrimary", "dmMainForm", "dmActiveForm")

// What a form is going through (FormState).
enum TFormStateItem : uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
HOST_ENUM_INFO(TFormStateItem, "fsCreating", "fsVisible", "fsShowing", "fsModal", "fsCreatedMDIChild",
               "fsActivated")
using TFormState = TSet<TFormStateItem, 6>;

enum TActiveFormBorderStyle : uint8_t { afbNone, afbSingle, afbSunken, afbRaised };
HOST_ENUM_INFO(TActiveFormBorderStyle, "afbNone", "afbSingle", "afbSunken", "afbRaised")

// The classic window message record as the application's OnMessage sees
// it: the window, the message, its two parameters, the time (the
// widgetset's tick count) and the cursor position. 28 bytes.
struct TMsg {
  uint32_t hwnd = 0;
  uint32_t message = 0;
  int32_t wParam = 0;
  int32_t lParam = 0;
  uint32_t time = 0;
  TPoint pt;
};
static_assert(sizeof(TMsg) == 28);

// What the application knows about a hint about to show; OnShowHint and a
// control's CM_HINTSHOW may change it.
struct THintInfo {
  TControl* HintControl = nullptr;
  TClass HintWindowClass = nullptr;
  TPoint HintPos;            // screen coordinates of the hint window
  int32_t HintMaxWidth = 0;  // wrap width
  TColor HintColor = clInfoBk;
  TRect CursorRect;  // the mouse may move within it (control coordinates)
  TPoint CursorPos;  // control coordinates
  int32_t ReshowTimeout = 0;
  int32_t HideTimeout = 0;
  std::string HintStr;
  void* HintData = nullptr;
};

// Help commands (HelpCommand's Command).
inline constexpr uint16_t HELP_CONTEXT = 0x0001;
inline constexpr uint16_t HELP_QUIT = 0x0002;
inline constexpr uint16_t HELP_CONTENTS = 0x0003;
inline constexpr uint16_t HELP_KEY = 0x0101;
inline constexpr uint16_t HELP_COMMAND = 0x0102;
inline constexpr uint16_t HELP_CONTEXTPOPUP = 0x0008;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TShortCutEvent = TEvent<TWMKey&, bool&>;
// The classic help event is a function: (Command, Data, CallHelp) ->
// Boolean. The handler writes that Boolean into its last parameter, which
// the caller sets to false before the call.
using THelpEvent = TEvent<uint16_t, int32_t, bool&, bool&>;
using TMessageEvent = TEvent<TMsg&, bool&>;
using TIdleEvent = TEvent<TObject*, bool&>;
using TExceptionEvent = TEvent<TObject*, Exception*>;
using TShowHintEvent = TEvent<std::string&, bool&, THintInfo&>;

}  // namespace host
