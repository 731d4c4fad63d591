// The controls that show a caption: the group box, the label and the
// static text; captions with '&' accelerators, measured with the font's
// text metrics and drawn aligned within the control.
#include <algorithm>

#include "host/classes/keptprops.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"

namespace host {

HOST_IMPL(TCustomGroupBox, TCustomControl)
HOST_IMPL(TGroupBox, TCustomGroupBox)
HOST_IMPL(TCustomLabel, TGraphicControl)
HOST_IMPL(TLabel, TCustomLabel)
HOST_IMPL(TCustomStaticText, TCustomControl)
HOST_IMPL(TStaticText, TCustomStaticText)

namespace {

// Where the caption of a group box starts on its frame line.
constexpr int32_t kGroupCaptionLeft = 8;

// The lines of a text, split at its line breaks.
std::vector<std::string> SplitLines(const std::string& Text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (;;) {
    const std::size_t end = Text.find('\n', at);
    std::string line = Text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    if (end == std::string::npos) return lines;
    at = end + 1;
  }
}

std::vector<std::string> CaptionLines(TCanvas* Canvas, const std::string& Shown, bool WordWrap, int32_t Width) {
  return WordWrap ? WrapText(Canvas, Shown, Width) : SplitLines(Shown);
}

// The size a caption takes in Font: its widest line by the height of its
// lines; an empty caption measures as a blank, so it keeps a line's height.
TSize CaptionExtent(TFont* Font, const std::string& Shown, bool WordWrap, int32_t Width) {
  TMeasuringCanvas measuring(Font);
  TCanvas* canvas = measuring.Canvas();
  const std::vector<std::string> lines = CaptionLines(canvas, Shown.empty() ? " " : Shown, WordWrap, Width);
  int32_t widest = 0;
  for (const std::string& line : lines) widest = std::max(widest, canvas->TextWidth(line));
  return {widest, ClampToInt32(int64_t{LineHeight(canvas)} * static_cast<int64_t>(lines.size()))};
}

// Bounds fitting a caption of Size with Frame pixels on every side; right
// aligned text keeps its right edge.
TRect FittedBounds(const TRect& Bounds, TSize Size, int32_t Frame, TAlignment Alignment) {
  const int32_t width = Size.cx + 2 * Frame;
  const int32_t left = Alignment == taRightJustify ? Bounds.Right - width : Bounds.Left;
  return host::Bounds(left, Bounds.Top, width, Size.cy + 2 * Frame);
}

int32_t LaidOutY(const TRect& Box, int32_t Height, TTextLayout Layout) {
  switch (Layout) {
    case tlBottom:
      return Box.Bottom - Height;
    case tlCenter:
      return Box.Top + (Box.Height() - Height) / 2;
    default:
      return Box.Top;
  }
}

struct TCaptionStyle {
  TAlignment Alignment = taLeftJustify;
  TTextLayout Layout = tlTop;
  bool WordWrap = false;
};

// Draws Caption inside Box, in the grey text colour when the control is
// disabled. With ShowAccelChar the '&' marks do not show and a one-line
// caption underlines its accelerator.
void DrawCaption(TControl* Control, TCanvas* Canvas, const TRect& Box, const std::string& Caption,
                 bool ShowAccelChar, TCaptionStyle Style) {
  Canvas->SetFont(Control->GetFont());
  if (!Control->GetEnabled()) Canvas->GetFont()->SetColor(clGrayText);
  Canvas->GetBrush()->SetStyle(bsClear);
  const std::string shown = StripAccelChars(Caption, ShowAccelChar);
  const std::vector<std::string> lines = CaptionLines(Canvas, shown, Style.WordWrap, Box.Width());
  const int32_t lineHeight = LineHeight(Canvas);
  int32_t y = LaidOutY(Box, ClampToInt32(int64_t{lineHeight} * static_cast<int64_t>(lines.size())), Style.Layout);
  for (const std::string& line : lines) {
    const int32_t x = AlignedX(Box, Canvas->TextWidth(line), Style.Alignment);
    Canvas->TextOut(x, y, line);
    if (ShowAccelChar && lines.size() == 1) UnderlineAccelChar(Canvas, Caption, x, y + lineHeight - 1);
    y = ClampToInt32(int64_t{y} + lineHeight);
  }
}

// A caption's answer to CM_DIALOGCHAR: focuses Focus when Key is the
// accelerator of the enabled Control's caption; 1 when it did.
int64_t FocusByAccelerator(TControl* Control, TWinControl* Focus, bool ShowAccelChar, TMessage& Message) {
  const auto key = static_cast<uint16_t>(static_cast<TWMGeneric&>(Message).WParam);
  if (!Focus || !ShowAccelChar || !Control->GetEnabled() || !IsAccel(key, Control->GetCaption())) return 0;
  if (!Focus->CanFocus()) return 0;
  Focus->SetFocus();
  return 1;
}

// Links Field to Value, asking to be told when Value goes.
void LinkFocusControl(TComponent* Self, TWinControl*& Field, TWinControl* Value) {
  if (Field == Value) return;
  if (Field) Field->RemoveFreeNotification(Self);
  Field = Value;
  if (Value) Value->FreeNotification(Self);
}

void ForgetFocusControl(TWinControl*& Field, TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == Field) Field = nullptr;
}

bool IsCaptionChange(uint32_t Msg) { return Msg == CM_TEXTCHANGED || Msg == CM_FONTCHANGED; }

}  // namespace

int32_t AlignedX(const TRect& Box, int32_t Width, TAlignment Alignment) {
  switch (Alignment) {
    case taRightJustify:
      return Box.Right - Width;
    case taCenter:
      return Box.Left + (Box.Width() - Width) / 2;
    default:
      return Box.Left;
  }
}

void DrawSingleBorder(TCanvas* Canvas, TBorderStyle Style, int32_t Width, int32_t Height) {
  if (Style != bsSingle) return;
  Canvas->GetBrush()->SetColor(clWindowFrame);
  Canvas->FrameRect(Rect(0, 0, Width, Height));
}

std::string StripAccelChars(const std::string& Caption, bool ShowAccelChar) {
  if (!ShowAccelChar) return Caption;
  std::string shown;
  for (std::size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == '&' && ++i == Caption.size()) break;
    shown += Caption[i];
  }
  return shown;
}

void UnderlineAccelChar(TCanvas* Canvas, const std::string& Caption, int32_t X, int32_t Y) {
  std::string before;
  for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') {
      before += Caption[i];
      continue;
    }
    if (Caption[++i] == '&') {
      before += '&';
      continue;
    }
    const int32_t left = X + Canvas->TextWidth(before);
    const int32_t width = Canvas->TextWidth(std::string(1, Caption[i]));
    Canvas->GetPen()->SetColor(Canvas->GetFont()->GetColor());
    Canvas->MoveTo(left, Y);
    Canvas->LineTo(left + width, Y);
    return;
  }
}

bool IsAccel(uint16_t Key, const std::string& Caption) {
  for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[++i] == '&') continue;
    const auto accel = static_cast<unsigned char>(Caption[i]);
    return Key < 256 && std::toupper(accel) == std::toupper(static_cast<unsigned char>(Key));
  }
  return false;
}

// ------------------------------------------------------------ TCustomGroupBox

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
  SetBounds(0, 0, 185, 105);
}

// Below the caption line and inside the frame (two pixels with the 3D look).
void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  TMeasuringCanvas measuring(GetFont());
  const int32_t frame = FCtl3D ? 2 : 1;
  Rect = host::Rect(Rect.Left + frame, Rect.Top + LineHeight(measuring.Canvas()) + frame, Rect.Right - frame,
                    Rect.Bottom - frame);
}

// An accelerator of the caption focuses the first control inside; the
// caption's size and font move the controls inside.
void TCustomGroupBox::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    const auto key = static_cast<uint16_t>(static_cast<TWMGeneric&>(Message).WParam);
    if (GetEnabled() && IsAccel(key, FText) && CanFocus()) {
      SelectNext(nullptr, true, true);
      Message.Result = 1;
      return;
    }
  }
  inherited::WndProc(Message);
  if (IsCaptionChange(Message.Msg)) Realign();
}

// The frame runs through the middle of the caption line; the caption sits
// on it over the control's colour.
void TCustomGroupBox::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  const int32_t lineHeight = LineHeight(canvas);
  const TRect frame = Rect(0, lineHeight / 2, FWidth, FHeight);
  canvas->GetBrush()->SetColor(clBtnShadow);
  canvas->FrameRect(frame);
  if (FCtl3D) {
    canvas->GetBrush()->SetColor(clBtnHighlight);
    canvas->FrameRect(Rect(frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1));
  }
  const std::string shown = StripAccelChars(FText, true);
  if (shown.empty()) return;
  const TRect box = Bounds(kGroupCaptionLeft, 0, canvas->TextWidth(shown), lineHeight);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(box);
  DrawCaption(this, canvas, box, FText, true, {});
}

// --------------------------------------------------------------- TCustomLabel

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csReplicatable);
  FAutoSize = true;
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (ChangeField(FAlignment, Value)) Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (ChangeField(FLayout, Value)) Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (ChangeField(FWordWrap, Value)) AdjustBounds();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (ChangeField(FTransparent, Value)) Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (ChangeField(FShowAccelChar, Value)) AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) { LinkFocusControl(this, FFocusControl, Value); }

void TCustomLabel::SetAutoSize(bool Value) {
  inherited::SetAutoSize(Value);
  AdjustBounds();
}

// A label read with its size keeps it: the form file's designer measured
// the caption with the fonts of its machine, which the form is shown as.
// The parent's font taken on loading does not measure it again either; the
// size follows the caption again once it or the font changes later.
void TCustomLabel::Loaded() {
  const bool keepSize = FAutoSize && WasPropertyRead(this, "Width").value_or(false);
  if (keepSize) FAutoSize = false;
  try {
    inherited::Loaded();
  } catch (...) {
    FAutoSize = FAutoSize || keepSize;
    throw;
  }
  FAutoSize = FAutoSize || keepSize;
  if (!keepSize) AdjustBounds();
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  ForgetFocusControl(FFocusControl, AComponent, Operation);
}

void TCustomLabel::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    Message.Result = FocusByAccelerator(this, FFocusControl, FShowAccelChar, Message);
    return;
  }
  inherited::WndProc(Message);
  if (IsCaptionChange(Message.Msg)) AdjustBounds();
}

// Redraws the caption and, with AutoSize, fits the label to it: a wrapping
// label keeps its width and takes the height of its lines.
void TCustomLabel::AdjustBounds() {
  Invalidate();
  if (!FAutoSize || GetComponentState().Contains(csLoading)) return;
  TSize size = CaptionExtent(GetFont(), StripAccelChars(FText, FShowAccelChar), FWordWrap, FWidth);
  if (FWordWrap) size.cx = FWidth;
  SetBoundsRect(FittedBounds(GetBoundsRect(), size, 0, FAlignment));
}

void TCustomLabel::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = Rect(0, 0, FWidth, FHeight);
  if (!FTransparent) {
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(client);
  }
  DrawCaption(this, canvas, client, FText, FShowAccelChar, {FAlignment, FLayout, FWordWrap});
}

// ---------------------------------------------------------- TCustomStaticText

TCustomStaticText::TCustomStaticText(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
  FAutoSize = true;
  SetBounds(0, 0, 65, 17);
}

void TCustomStaticText::SetAlignment(TAlignment Value) {
  if (ChangeField(FAlignment, Value)) Invalidate();
}

void TCustomStaticText::SetBorderStyle(TStaticBorderStyle Value) {
  if (ChangeField(FBorderStyle, Value)) AdjustBounds();
}

void TCustomStaticText::SetShowAccelChar(bool Value) {
  if (ChangeField(FShowAccelChar, Value)) AdjustBounds();
}

void TCustomStaticText::SetFocusControl(TWinControl* Value) { LinkFocusControl(this, FFocusControl, Value); }

void TCustomStaticText::SetAutoSize(bool Value) {
  inherited::SetAutoSize(Value);
  AdjustBounds();
}

void TCustomStaticText::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

void TCustomStaticText::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  ForgetFocusControl(FFocusControl, AComponent, Operation);
}

void TCustomStaticText::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    Message.Result = FocusByAccelerator(this, FFocusControl, FShowAccelChar, Message);
    return;
  }
  inherited::WndProc(Message);
  if (IsCaptionChange(Message.Msg)) AdjustBounds();
}

// Redraws the caption and, with AutoSize, fits the control to it.
void TCustomStaticText::AdjustBounds() {
  Invalidate();
  if (!FAutoSize || GetComponentState().Contains(csLoading)) return;
  const TSize size = CaptionExtent(GetFont(), StripAccelChars(FText, FShowAccelChar), false, FWidth);
  SetBoundsRect(FittedBounds(GetBoundsRect(), size, BorderWidth(), FAlignment));
}

// A single border is a line of the window frame colour; a sunken one has
// its top and left edges in the shadow colour and the others highlighted.
void TCustomStaticText::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = Rect(0, 0, FWidth, FHeight);
  if (FBorderStyle == sbsSingle) {
    canvas->GetBrush()->SetColor(clWindowFrame);
    canvas->FrameRect(client);
  } else if (FBorderStyle == sbsSunken) {
    canvas->GetBrush()->SetColor(clBtnHighlight);
    canvas->FrameRect(client);
    canvas->GetBrush()->SetColor(clBtnShadow);
    canvas->FrameRect(Rect(0, 0, FWidth - 1, FHeight - 1));
  }
  const int32_t frame = BorderWidth();
  const TRect box = Rect(frame, frame, FWidth - frame, FHeight - frame);
  DrawCaption(this, canvas, box, FText, FShowAccelChar, {FAlignment, tlTop, false});
}

}  // namespace host
