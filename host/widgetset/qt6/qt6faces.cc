#include "host/widgetset/qt6/qt6faces.h"

#include <algorithm>
#include <string_view>

#include <QtGui/QPainter>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QAbstractSlider>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QWidget>

#include "host/classes/typinfo.h"
#include "host/widgetset/qt6/qt6.h"

namespace host::qt6 {

namespace {

// A control's published properties, read by name; a missing one gives
// the fallback.
class TPublished {
 public:
  explicit TPublished(TObject* Instance) : FInstance(Instance) {}
  int64_t Ord(std::string_view Name, int64_t Fallback) const {
    const TPropInfo* prop = Find(Name);
    return prop && prop->Kind() != tkClass ? GetOrdProp(FInstance, *prop) : Fallback;
  }
  std::string Str(std::string_view Name) const {
    const TPropInfo* prop = Find(Name);
    return prop ? VarToStr(GetPropValue(FInstance, *prop)) : std::string();
  }
  TPublished Object(std::string_view Name) const {
    const TPropInfo* prop = Find(Name);
    return TPublished(prop && prop->Kind() == tkClass ? GetObjectProp(FInstance, *prop) : nullptr);
  }
  explicit operator bool() const { return FInstance != nullptr; }

 private:
  const TPropInfo* Find(std::string_view Name) const {
    return FInstance ? GetPropInfo(FInstance->ClassType(), Name) : nullptr;
  }
  TObject* FInstance;
};

// A TColor as Qt's: a system colour (its index in the low byte with the
// top bit set) through the widgetset, the others as they are.
std::optional<QColor> ColorOfTColor(TWSGraphics& Graphics, int64_t Color) {
  const auto value = static_cast<uint32_t>(Color);
  if ((value & 0xFF000000u) == 0x80000000u) return ColorOf(Graphics.GetSysColor(static_cast<int32_t>(value & 0xFF)));
  if ((value & 0xFF000000u) != 0) return std::nullopt;  // clNone, clDefault
  return ColorOf(value);
}

// The control's font (Name, Height, Style) as Qt's.
QFont FontOfControl(const TPublished& Font) {
  if (!Font) return QApplication::font();
  TLogFont log;
  log.FaceName = Font.Str("Name");
  log.Height = static_cast<int32_t>(Font.Ord("Height", 0));
  const int64_t style = Font.Ord("Style", 0);  // fsBold, fsItalic, fsUnderline, fsStrikeOut
  log.Weight = style & 1 ? FW_BOLD : FW_NORMAL;
  log.Italic = (style & 2) != 0;
  log.Underline = (style & 4) != 0;
  log.StrikeOut = (style & 8) != 0;
  return FontOf(log);
}

QPalette PaletteOf(const TFaceState& State) {
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Window, State.Background);
  palette.setColor(QPalette::WindowText, State.TextColor);
  palette.setColor(QPalette::ButtonText, State.TextColor);
  return palette;
}

QStyle::State StateOf(const TFaceState& State) {
  QStyle::State state = QStyle::State_None;
  if (State.Enabled) state |= QStyle::State_Enabled | QStyle::State_Active;
  if (State.Focused) state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
  return state;
}

void PaintButton(QPainter& Painter, const QWidget& Widget, const TFaceState& State) {
  QStyleOptionButton option;
  option.rect = Widget.rect();
  option.palette = PaletteOf(State);
  option.fontMetrics = QFontMetrics(State.Font);
  option.text = State.Text;
  option.state = StateOf(State);
  if (State.Kind == TFaceKind::PushButton) {
    option.state |= State.Pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (State.Default) option.features |= QStyleOptionButton::DefaultButton | QStyleOptionButton::AutoDefaultButton;
  } else {
    option.state |= State.Check == 1 ? QStyle::State_On : State.Check == 2 ? QStyle::State_NoChange : QStyle::State_Off;
    if (State.Pressed) option.state |= QStyle::State_Sunken;
    if (State.TextLeft) option.direction = Qt::RightToLeft;
  }
  const QStyle::ControlElement element = State.Kind == TFaceKind::PushButton ? QStyle::CE_PushButton
                                         : State.Kind == TFaceKind::CheckBox ? QStyle::CE_CheckBox
                                                                             : QStyle::CE_RadioButton;
  Widget.style()->drawControl(element, &option, &Painter, &Widget);
}

// The classic scroll bar's range: with a page, the thumb's position runs
// from Min to Max - PageSize + 1.
void PaintScrollBar(QPainter& Painter, const QWidget& Widget, const TFaceState& State) {
  QStyleOptionSlider option;
  option.rect = Widget.rect();
  option.palette = PaletteOf(State);
  option.state = StateOf(State);
  option.orientation = State.Vertical ? Qt::Vertical : Qt::Horizontal;
  if (!State.Vertical) option.state |= QStyle::State_Horizontal;
  option.minimum = State.Min;
  option.maximum = std::max(State.Min, State.PageSize > 0 ? State.Max - State.PageSize + 1 : State.Max);
  option.pageStep = State.PageSize > 0 ? State.PageSize : std::max(1, (State.Max - State.Min) / 10);
  option.singleStep = 1;
  option.sliderPosition = option.sliderValue = std::clamp(State.Position, option.minimum, option.maximum);
  option.subControls = QStyle::SC_All;
  Widget.style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &Painter, &Widget);
}

// The frame's width on each side of an edit frame's face (0 without a border).
int FrameWidth(const QWidget& Widget, const TFaceState& State) {
  if (State.Kind != TFaceKind::EditFrame || !State.Bordered) return 0;
  return std::max(1, Widget.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &Widget));
}

// The sunken panel of a line edit, the base colour inside.
void PaintEditFrame(QPainter& Painter, const QWidget& Widget, const TFaceState& State) {
  QStyleOptionFrame option;
  option.rect = Widget.rect();
  option.palette = PaletteOf(State);
  option.palette.setColor(QPalette::Base, State.Background);
  option.state = StateOf(State) | QStyle::State_Sunken;
  option.lineWidth = FrameWidth(Widget, State);
  option.midLineWidth = 0;
  Widget.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &Painter, &Widget);
}

QStyleOptionComboBox ComboOption(const QWidget& Widget, const TFaceState& State) {
  QStyleOptionComboBox option;
  option.rect = Widget.rect();
  option.palette = PaletteOf(State);
  option.palette.setColor(QPalette::Base, State.Background);
  option.state = StateOf(State);
  if (State.DroppedDown) option.state |= QStyle::State_On | QStyle::State_Sunken;
  option.editable = State.ComboStyle == 0;  // csDropDown: an edit field
  option.frame = true;
  option.subControls = QStyle::SC_All;
  return option;
}

}  // namespace

QRect HostArea(const QWidget& Widget, const TFaceState& State) {
  if (State.Kind == TFaceKind::EditFrame) {
    const int frame = FrameWidth(Widget, State);
    return Widget.rect().adjusted(frame, frame, -frame, -frame);
  }
  if (State.Kind == TFaceKind::ComboBox) {
    // Inside the frame, left of the arrow: the host draws its text from
    // nearly the edge, where the style's text field would cut it.
    const QStyleOptionComboBox option = ComboOption(Widget, State);
    const QRect arrow = Widget.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &Widget);
    const int frame = std::max(1, Widget.style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth, &option, &Widget));
    return QRect(QPoint(frame, frame), QPoint(arrow.left() - 1, Widget.height() - frame - 1));
  }
  return {};
}

namespace {

// A caption without its accelerator marks ("&&" is an ampersand): a mark
// would make Qt give the button a shortcut of its own, and the host's
// accelerators are the host's.
QString WithoutMarks(const QString& Text) {
  QString plain;
  for (qsizetype i = 0; i < Text.size(); ++i) {
    if (Text[i] == '&' && ++i == Text.size()) break;
    plain += Text[i];
  }
  return plain;
}

}  // namespace

void MirrorFaceState(QWidget& Widget, const TFaceState& State) {
  // Each setter does nothing (and repaints nothing) when the value is the same.
  if (auto* button = qobject_cast<QAbstractButton*>(&Widget)) {
    button->setText(WithoutMarks(State.Text));
    button->setDown(State.Pressed);
    if (State.Kind == TFaceKind::PushButton || State.Kind == TFaceKind::GlyphButton) return;
    button->setCheckable(true);
    button->setAutoExclusive(false);  // the host unchecks the others, and may uncheck all
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
      box->setTristate(State.Check == 2 || box->isTristate());
      const Qt::CheckState check = State.Check == 1 ? Qt::Checked : State.Check == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
      if (box->checkState() != check) box->setCheckState(check);
    } else if (button->isChecked() != (State.Check == 1)) {
      button->setChecked(State.Check == 1);
    }
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(&Widget)) {
    // A scroll bar's page is its thumb: the position stops a page short of Max.
    const bool thumb = State.Kind == TFaceKind::ScrollBar && State.PageSize > 0;
    slider->setOrientation(State.Vertical ? Qt::Vertical : Qt::Horizontal);
    slider->setRange(State.Min, std::max(State.Min, thumb ? State.Max - State.PageSize + 1 : State.Max));
    slider->setPageStep(std::max(1, State.PageSize));
    slider->setValue(State.Position);
  } else if (auto* progress = qobject_cast<QProgressBar*>(&Widget)) {
    progress->setOrientation(State.Vertical ? Qt::Vertical : Qt::Horizontal);
    progress->setRange(State.Min, std::max(State.Min, State.Max));
    progress->setValue(std::clamp(State.Position, State.Min, std::max(State.Min, State.Max)));
  }
}

bool HasFace(const TFaceState& State) {
  if (State.Kind == TFaceKind::GlyphButton || State.Kind == TFaceKind::TrackBar ||
      State.Kind == TFaceKind::ProgressBar)
    return false;
  return State.Kind != TFaceKind::ComboBox || State.ComboStyle != 1;
}

TFaceState ReadFaceState(headless::THeadlessWidgetSet& WidgetSet, HWND Window, TFaceKind Kind) {
  headless::THeadlessWindows& windows = WidgetSet.Windows();
  const TPublished control(windows.WindowReceiver(Window));
  TFaceState state;
  state.Kind = Kind;
  state.Text = QString::fromStdString(windows.GetWindowText(Window));
  state.Enabled = windows.IsWindowEnabled(Window);
  state.Focused = windows.GetFocus() == Window;
  // A button is held down while it has the mouse captured with the mouse over it.
  TRect bounds;
  TPoint origin{0, 0};
  if (windows.GetCapture() == Window && windows.GetWindowBounds(Window, bounds) &&
      windows.ClientToScreen(Window, origin)) {
    const TPoint cursor = windows.GetCursorPos();
    state.Pressed = cursor.X >= origin.X && cursor.Y >= origin.Y && cursor.X < origin.X + bounds.Width() &&
                    cursor.Y < origin.Y + bounds.Height();
  }
  state.Default = control.Ord("Default", 0) != 0;
  state.Check = static_cast<int>(control.Ord("State", control.Ord("Checked", 0)));
  state.TextLeft = control.Ord("Alignment", 1) == 0;  // taLeftJustify
  // sbVertical, trVertical, pbVertical
  state.Vertical = control.Ord(Kind == TFaceKind::ScrollBar ? "Kind" : "Orientation", 0) == 1;
  state.Bordered = control.Ord("BorderStyle", 1) == 1;  // bsSingle
  state.ComboStyle = static_cast<int>(control.Ord("Style", 0));
  state.DroppedDown = control.Ord("DroppedDown", 0) != 0;
  state.Min = static_cast<int>(control.Ord("Min", 0));
  state.Max = static_cast<int>(control.Ord("Max", 100));
  state.Position = static_cast<int>(control.Ord("Position", 0));
  state.PageSize = static_cast<int>(control.Ord("PageSize", 0));
  const QPalette palette = QApplication::palette();
  state.Background = ColorOfTColor(WidgetSet, control.Ord("Color", 0xFF000000)).value_or(palette.color(QPalette::Window));
  const TPublished font = control.Object("Font");
  state.Font = FontOfControl(font);
  state.TextColor =
      ColorOfTColor(WidgetSet, font ? font.Ord("Color", 0xFF000000) : 0xFF000000).value_or(palette.color(QPalette::WindowText));
  return state;
}

void PaintFace(QPainter& Painter, const QWidget& Widget, const TFaceState& State) {
  Painter.fillRect(Widget.rect(), State.Background);
  Painter.setFont(State.Font);
  switch (State.Kind) {
    case TFaceKind::ScrollBar:
      return PaintScrollBar(Painter, Widget, State);
    case TFaceKind::EditFrame:
      if (State.Bordered) PaintEditFrame(Painter, Widget, State);
      return;
    case TFaceKind::ComboBox: {
      const QStyleOptionComboBox option = ComboOption(Widget, State);
      Widget.style()->drawComplexControl(QStyle::CC_ComboBox, &option, &Painter, &Widget);
      return;
    }
    default:
      return PaintButton(Painter, Widget, State);
  }
}

}  // namespace host::qt6
