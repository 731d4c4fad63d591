// Native faces: the standard controls Qt's style draws itself on the Qt
// widgetset, so buttons, check boxes, radio buttons and scroll bars look as
// the desktop's do, and bordered edits, memos, list boxes and drop-down
// combo boxes have the desktop's frame around what the host drew inside;
// every other control shows what the host drew.
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
// A drop-down combo box takes the style's frame and arrow button around
// the host's drawing of its text.
// Bit buttons (with their glyphs), track bars and progress bars keep the
// host's drawing; their widgets (a QPushButton, a QSlider, a QProgressBar)
// hold the caption, the range and the position.
enum class TFaceKind {
  PushButton, CheckBox, RadioButton, ScrollBar, EditFrame, ComboBox, GlyphButton, TrackBar, ProgressBar
};

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
  int ComboStyle = 0;      // csDropDown, csSimple, csDropDownList...
  bool DroppedDown = false;
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
// Where the host's drawing shows inside a face that frames it: inside an
// edit frame, in a combo box's text field; empty for the other faces.
QRect HostArea(const QWidget& Widget, const TFaceState& State);
// Keeps the state a Qt widget of the face's class holds (a QCheckBox's
// check, a QScrollBar's range and value, a button's text without its
// accelerator mark) in step with the face, for what reads Qt's widgets.
// It is called when the widget paints, which follows every change the host
// makes to the control (the host repaints it).
void MirrorFaceState(QWidget& Widget, const TFaceState& State);
// Whether the face draws the control in this state (a simple combo box,
// its list always shown, is the host's).
bool HasFace(const TFaceState& State);

}  // namespace host::qt6
