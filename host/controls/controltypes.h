// The enumerations, sets, cursors and control messages of the controls unit,
// with the classic names and values.
#pragma once

#include <cstdint>

#include "host/classes/typinfo.h"
#include "host/rtl/events.h"
#include "host/menus/menutypes.h"
#include "host/rtl/sets.h"
#include "host/widgetset/wskeys.h"
#include "host/widgetset/wsmessages.h"

namespace host {

class TObject;
class TControl;
class TWinControl;
class TDragObject;
class TDragDockObject;

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
HOST_ENUM_INFO(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom")
using TAlignSet = TSet<TAlign, 7>;

enum TAnchorKind : uint8_t { akLeft, akTop, akRight, akBottom };
HOST_ENUM_INFO(TAnchorKind, "akLeft", "akTop", "akRight", "akBottom")
using TAnchors = TSet<TAnchorKind, 4>;
inline constexpr TAnchors AnchorAlign[] = {
    {akLeft, akTop},                     // alNone
    {akLeft, akTop, akRight},            // alTop
    {akLeft, akRight, akBottom},         // alBottom
    {akLeft, akTop, akBottom},           // alLeft
    {akRight, akTop, akBottom},          // alRight
    {akLeft, akTop, akRight, akBottom},  // alClient
    {akLeft, akTop},                     // alCustom
};

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
HOST_ENUM_INFO(TMouseButton, "mbLeft", "mbRight", "mbMiddle")

enum TDragMode : uint8_t { dmManual, dmAutomatic };
HOST_ENUM_INFO(TDragMode, "dmManual", "dmAutomatic")
enum TDragKind : uint8_t { dkDrag, dkDock };
HOST_ENUM_INFO(TDragKind, "dkDrag", "dkDock")
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
HOST_ENUM_INFO(TDragState, "dsDragEnter", "dsDragLeave", "dsDragMove")
enum TDragMessage : uint8_t { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };
enum TDockOrientation : uint8_t { doNoOrient, doHorizontal, doVertical };
HOST_ENUM_INFO(TDockOrientation, "doNoOrient", "doHorizontal", "doVertical")

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
HOST_ENUM_INFO(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")

// The border of a control that draws a frame around itself (edits, memos).
enum TBorderStyle : uint8_t { bsNone, bsSingle };
HOST_ENUM_INFO(TBorderStyle, "bsNone", "bsSingle")

enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
HOST_ENUM_INFO(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")
enum TBevelEdge : uint8_t { beLeft, beTop, beRight, beBottom };
HOST_ENUM_INFO(TBevelEdge, "beLeft", "beTop", "beRight", "beBottom")
using TBevelEdges = TSet<TBevelEdge, 4>;
enum TBevelKind : uint8_t { bkNone, bkTile, bkSoft, bkFlat };
HOST_ENUM_INFO(TBevelKind, "bkNone", "bkTile", "bkSoft", "bkFlat")
using TBevelWidth = int32_t;
using TTabOrder = int16_t;
using TBorderWidth = int32_t;

enum TImeMode : uint8_t { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
                          imSHanguel, imHanguel };
HOST_ENUM_INFO(TImeMode, "imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira", "imSKata",
               "imKata", "imChinese", "imSHanguel", "imHanguel")
using TImeName = std::string;

// What a control is doing now (ControlState).
enum TControlStateItem : uint8_t { csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
                                   csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking };
using TControlState = TSet<TControlStateItem, 11>;
// What a control is like (ControlStyle).
enum TControlStyleItem : uint8_t { csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
                                   csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
                                   csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector, csActionClient,
                                   csMenuEvents };
using TControlStyle = TSet<TControlStyleItem, 17>;
enum TScalingFlag : uint8_t { sfLeft, sfTop, sfWidth, sfHeight, sfFont };
using TScalingFlags = TSet<TScalingFlag, 5>;

// ------------------------------------------------------------------ cursors

using TCursor = int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// --------------------------------------------------------- control messages

// The host's own messages between controls (TWMGeneric records unless
// said otherwise).
inline constexpr uint32_t CM_BASE = 0xB000;
inline constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
inline constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
inline constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 3;
inline constexpr uint32_t CM_COLORCHANGED = CM_BASE + 4;
inline constexpr uint32_t CM_FONTCHANGED = CM_BASE + 5;
inline constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 6;
inline constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr uint32_t CM_HITTEST = CM_BASE + 10;
inline constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr uint32_t CM_ENTER = CM_BASE + 12;
inline constexpr uint32_t CM_EXIT = CM_BASE + 13;
inline constexpr uint32_t CM_MENUCHANGED = CM_BASE + 14;
inline constexpr uint32_t CM_APPKEYDOWN = CM_BASE + 15;
inline constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
inline constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 22;
inline constexpr uint32_t CM_DIALOGKEY = CM_BASE + 23;
inline constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 24;
inline constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 25;
inline constexpr uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 26;
inline constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 28;
inline constexpr uint32_t CM_CHILDKEY = CM_BASE + 36;
inline constexpr uint32_t CM_DRAG = CM_BASE + 37;
inline constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;
inline constexpr uint32_t CM_RECREATEWND = CM_BASE + 51;
inline constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 52;
inline constexpr uint32_t CM_CONTROLCHANGE = CM_BASE + 54;
inline constexpr uint32_t CM_DOCKCLIENT = CM_BASE + 62;
inline constexpr uint32_t CM_UNDOCKCLIENT = CM_BASE + 63;
inline constexpr uint32_t CM_BIDIMODECHANGED = CM_BASE + 60;
inline constexpr uint32_t CM_INVALIDATE = CM_BASE + 70;
inline constexpr uint32_t CM_RELEASE = CM_BASE + 71;
// A button with a ModalResult was clicked: sent to its top-level control
// with the result in WParam. A control that closes with a result (a form)
// takes it and answers 1; any other control ignores it.
inline constexpr uint32_t CM_MODALRESULT = CM_BASE + 100;

// ------------------------------------------------------------ modal results

// What closed a modal window: the button clicked or the command chosen.
using TModalResult = int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

// --------------------------------------------------------------- events

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int32_t, int32_t>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int32_t, int32_t>;
using TKeyEvent = TEvent<TObject*, uint16_t&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TDragOverEvent = TEvent<TObject*, TObject*, int32_t, int32_t, TDragState, bool&>;
using TDragDropEvent = TEvent<TObject*, TObject*, int32_t, int32_t>;
using TStartDragEvent = TEvent<TObject*, TDragObject*&>;
using TEndDragEvent = TEvent<TObject*, TObject*, int32_t, int32_t>;
using TDockDropEvent = TEvent<TObject*, TDragDockObject*, int32_t, int32_t>;
using TDockOverEvent = TEvent<TObject*, TDragDockObject*, int32_t, int32_t, TDragState, bool&>;
using TUnDockEvent = TEvent<TObject*, TControl*, TWinControl*, bool&>;
using TStartDockEvent = TEvent<TObject*, TDragDockObject*&>;
using TGetSiteInfoEvent = TEvent<TObject*, TControl*, TRect&, TPoint, bool&>;
using TCanResizeEvent = TEvent<TObject*, int32_t&, int32_t&, bool&>;
using TConstrainedResizeEvent = TEvent<TObject*, int32_t&, int32_t&, int32_t&, int32_t&>;
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int32_t, TPoint, bool&>;
using TMouseWheelUpDownEvent = TEvent<TObject*, TShiftState, TPoint, bool&>;
using TContextPopupEvent = TEvent<TObject*, TPoint, bool&>;

// The shift state of a mouse message's MK_ keys, with Alt as the
// widgetset last saw it.
TShiftState KeysToShiftState(uint32_t Keys);

}  // namespace host
