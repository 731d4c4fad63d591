// THeader: sections and their widths, resizing by the dividers, looks.
#include "host/extctrls/header.h"

#include <algorithm>

#include "host/classes/filer.h"
#include "host/graphics/graphicsobj.h"

namespace host {

namespace {
constexpr int32_t kDividerReach = 2;  // pixels either side of a divider that grab it
}  // namespace

HOST_IMPL(THeader, TCustomControl)

THeader::THeader(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
  FSections = New<TStringList>();
  FSections->OnChange = TNotifyEvent(this, &THeader::SectionsChanged);
  SetBounds(0, 0, 250, 25);
}

void THeader::Destroy() {
  inherited::Destroy();
  FreeAndNil(FSections);
}

void THeader::SectionsChanged(TObject* /*Sender*/) {
  FWidths.resize(static_cast<std::size_t>(FSections->GetCount()), DefaultSectionWidth);
  Invalidate();
}

void THeader::CheckSection(int32_t X) const {
  if (X < 0 || X >= static_cast<int32_t>(FWidths.size())) throw EListError(SListIndexError, {X});
}

int32_t THeader::GetSectionWidth(int32_t X) const {
  CheckSection(X);
  return FWidths[X];
}

void THeader::SetSectionWidth(int32_t X, int32_t Value) {
  CheckSection(X);
  if (Value < 0 || Value > MaxControlSize)
    throw EInvalidOperation("Section width %d of '%s' is outside 0..%d",
                            {Value, ControlDisplayName(this), MaxControlSize});
  if (FWidths[X] == Value) return;
  FWidths[X] = Value;
  Invalidate();
}

void THeader::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  Realign();
  Invalidate();
}

int64_t THeader::SectionLeft(int32_t X) const {
  int64_t left = 0;
  for (int32_t i = 0; i < X; ++i) left += FWidths[i];
  return left;
}

int32_t THeader::DividerAt(int32_t X) const {
  int64_t right = 0;
  for (int32_t i = 0; i < static_cast<int32_t>(FWidths.size()); ++i) {
    right += FWidths[i];
    if (X >= right - kDividerReach && X <= right + kDividerReach) return i;
  }
  return -1;
}

// The widths follow the sections, as a list of integers.
void THeader::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto read = [this](TReader* Reader) {
    std::vector<int32_t> widths;
    Reader->ReadListBegin();
    while (!Reader->EndOfList()) widths.push_back(std::clamp(Reader->ReadInteger(), 0, MaxControlSize));
    Reader->ReadListEnd();
    std::copy_n(widths.begin(), std::min(widths.size(), FWidths.size()), FWidths.begin());
  };
  auto write = [this](TWriter* Writer) {
    Writer->WriteListBegin();
    for (int32_t w : FWidths) Writer->WriteInteger(w);
    Writer->WriteListEnd();
  };
  Filer->DefineProperty("SectionWidths", read, write, !FWidths.empty());
}

void THeader::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  if (FBorderStyle == bsSingle) Rect = TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
}

void THeader::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft && FAllowResize) FSizing = DividerAt(X);
  inherited::MouseDown(Button, Shift, X, Y);
}

void THeader::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  if (FSizing >= 0) {
    const auto width = static_cast<int32_t>(std::clamp<int64_t>(X - SectionLeft(FSizing), 0, MaxControlSize));
    SetSectionWidth(FSizing, width);
    Sizing(FSizing, width);
  }
  inherited::MouseMove(Shift, X, Y);
}

void THeader::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft && FSizing >= 0) {
    const int32_t section = FSizing;
    FSizing = -1;
    Sized(section, FWidths[section]);
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

void THeader::Sizing(int32_t ASection, int32_t AWidth) {
  if (OnSizing) OnSizing(this, ASection, AWidth);
}

void THeader::Sized(int32_t ASection, int32_t AWidth) {
  if (OnSized) OnSized(this, ASection, AWidth);
}

// Each section a raised button face with its caption; the rest is empty.
void THeader::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetColor(clBtnFace);
  canvas->FillRect(GetClientRect());
  int64_t left = 0;
  for (int32_t i = 0; i < static_cast<int32_t>(FWidths.size()) && left < GetWidth(); ++i) {
    const TRect box{static_cast<int32_t>(left), 0, static_cast<int32_t>(left) + FWidths[i], GetHeight()};
    canvas->GetPen()->SetColor(clBtnShadow);
    canvas->MoveTo(box.Right - 1, box.Top);
    canvas->LineTo(box.Right - 1, box.Bottom);
    canvas->TextRect(box, box.Left + 3, box.Top + 2, FSections->GetStrings(i));
    left = box.Right;
  }
  if (FBorderStyle == bsSingle) {
    canvas->GetBrush()->SetColor(clWindowFrame);
    canvas->FrameRect(TRect{0, 0, GetWidth(), GetHeight()});
  }
}

}  // namespace host
