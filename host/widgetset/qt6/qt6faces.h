// Native faces: the standard controls Qt's style draws itself on the Qt
// widgetset, so buttons, check boxes, radio buttons and scroll bars look as
// the desktop's do, and bordered edits, memos and list boxes have the
// desktop's frame around what the host drew inside; every other control
// shows what the host drew.
//
// A face is drawn from the control's state as the host has it: its window's
// text, enabled state, focus and mouse capture (a button held down), and
// the control's published properties (Checked, State, Default, Alignment,
// Kind, Min, Max, Position, PageSize, Color, Font), read through the host's
// run-time type information when the widget paints. The host classes stay
// as they are and keep all behaviour: input still goes to the host through
// the robot, and the face only changes how the result looks.
#pragma once

#include <optional>

#include <QtGui/QFont>
#include <QtGui/QPalette>
#include <QtWidgets/QStyleOption>

#include "host/widgetset/headless/headless.h"

class QPainter;
class QWidget;

namespace host::qt6 {

// Edit boxes, memos and list boxes with a border take the style's frame
// around what the host drew inside it.
enum class TFaceKind { PushButton, CheckBox, RadioButton, ScrollBar, EditFrame };

// The native face of a host window's class ("TButton"); none for the
// classes the host draws.
std::optional<TFaceKind> FaceOf(const std::string& HostClass);

// Everything a face is drawn from, read off the host window and its control.
struct TFaceState {
  TFaceKind Kind = TFaceKind::PushButton;
  QString Text;
  bool Enabled = true;
  bool Focused = false;
  bool Pressed = false;
  bool Default = false;
  int Check = 0;           // 0 unchecked, 1 checked, 2 greyed
  bool TextLeft = false;   // a check box with its caption left of the box
  bool Vertical = false;   // a scroll bar's kind
  bool Bordered = true;    // an edit frame's BorderStyle is bsSingle
  int Min = 0, Max = 100, Position = 0, PageSize = 0;
  QColor Background;       // the control's colour
  QFont Font;
  QColor TextColor;
};

// Reads the state of Window's face (Kind) off the headless windows and the
// window's control.
TFaceState ReadFaceState(headless::THeadlessWidgetSet& WidgetSet, HWND Window, TFaceKind Kind);

// Draws the face in Widget's whole area with Qt's style; for an edit frame,
// the frame and the area inside it, which Inside then paints (the host's
// drawing of the control), clipped to the frame's inside.
void PaintFace(QPainter& Painter, const QWidget& Widget, const TFaceState& State);
// The frame's width on each side of an edit frame's face (0 without a border).
int FrameWidth(const QWidget& Widget, const TFaceState& State);

}  // namespace host::qt6
