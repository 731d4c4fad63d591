// The text control descriptors: group box, label, static text, edit, memo.
#include "descriptors/kelstdctrls_texts.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace kel {

KEL_DESCRIPTOR_IMPL(TCustomGroupBoxClassInfo)
KEL_DESCRIPTOR_IMPL(TGroupBoxClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomLabelClassInfo)
KEL_DESCRIPTOR_IMPL(TLabelClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomEditClassInfo)
KEL_DESCRIPTOR_IMPL(TEditClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomMemoClassInfo)
KEL_DESCRIPTOR_IMPL(TMemoClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomStaticTextClassInfo)
KEL_DESCRIPTOR_IMPL(TStaticTextClassInfo)

using host::TCustomEdit;

namespace {

// PasswordChar as a string: the character, or "" for none.
std::string PasswordText(TCustomEdit& e) {
  const char c = e.GetPasswordChar();
  return c ? std::string(1, c) : std::string();
}

// The first character of the string; "" clears the password character.
void SetPasswordText(TCustomEdit& e, const std::string& text) { e.SetPasswordChar(text.empty() ? '\0' : text[0]); }

// Copies the selection into `buffer`: at most BufSize - 1 characters, the
// count returned.
int32_t SelTextBuf(TCustomEdit& e, std::string& buffer, int32_t size) {
  if (size < 0) throw host::ERangeError("GetSelTextBuf: BufSize must not be negative (%d)", {size});
  std::string text = e.GetSelText();
  text.resize(std::min(text.size(), static_cast<std::size_t>(std::max(size - 1, 0))));
  buffer = std::move(text);
  return static_cast<int32_t>(buffer.size());
}

}  // namespace

void TCustomLabelClassInfo::MapFeatures(Map& m) {
  using L = host::TCustomLabel;
  m.Prop("Alignment", &L::GetAlignment, OrdinalSetter(&L::SetAlignment, host::taCenter, "Alignment"))
      .Prop("AutoSize", &L::GetAutoSize, &L::SetAutoSize)
      .Prop("FocusControl", &L::GetFocusControl, &L::SetFocusControl)
      .Prop("ShowAccelChar", &L::GetShowAccelChar, &L::SetShowAccelChar)
      .Prop("Transparent", &L::GetTransparent, &L::SetTransparent)
      .Prop("Layout", &L::GetLayout, OrdinalSetter(&L::SetLayout, host::tlBottom, "Layout"))
      .Prop("WordWrap", &L::GetWordWrap, &L::SetWordWrap);
}

void TCustomEditClassInfo::MapFeatures(Map& m) {
  using E = TCustomEdit;
  m.Prop("AutoSelect", &E::GetAutoSelect, &E::SetAutoSelect)
      .Prop("AutoSize", &E::GetAutoSize, &E::SetAutoSize)
      .Prop("BorderStyle", &E::GetBorderStyle, OrdinalSetter(&E::SetBorderStyle, host::bsSingle, "BorderStyle"))
      .Prop("CharCase", &E::GetCharCase, OrdinalSetter(&E::SetCharCase, host::ecLowerCase, "CharCase"))
      .Prop("HideSelection", &E::GetHideSelection, &E::SetHideSelection)
      .Prop("MaxLength", &E::GetMaxLength, &E::SetMaxLength)
      .Prop("OEMConvert", &E::GetOEMConvert, &E::SetOEMConvert)
      .Prop("PasswordChar", PasswordText, SetPasswordText)
      .Prop("ReadOnly", &E::GetReadOnly, &E::SetReadOnly)
      .Prop("CanUndo", &E::GetCanUndo)
      .Prop("Modified", &E::GetModified, &E::SetModified)
      .Prop("SelLength", &E::GetSelLength, &E::SetSelLength)
      .Prop("SelStart", &E::GetSelStart, &E::SetSelStart)
      .Prop("SelText", &E::GetSelText, &E::SetSelText);
  m.Method("Clear", &E::Clear)
      .Method("ClearSelection", &E::ClearSelection)
      .Method("CopyToClipboard", &E::CopyToClipboard)
      .Method("CutToClipboard", &E::CutToClipboard)
      .Method("PasteFromClipboard", &E::PasteFromClipboard)
      .Method("Undo", &E::Undo)
      .Method("ClearUndo", &E::ClearUndo)
      .Method("GetSelTextBuf", SelTextBuf)
      .Method("SelectAll", &E::SelectAll)
      .Method("SetSelTextBuf", [](E& e, const std::string& buffer) { e.SetSelText(buffer); });
  m.Event("OnChange", &E::OnChange);
}

void TCustomMemoClassInfo::MapFeatures(Map& m) {
  using M = host::TCustomMemo;
  m.Prop("Alignment", &M::GetAlignment, OrdinalSetter(&M::SetAlignment, host::taCenter, "Alignment"))
      .Prop("ScrollBars", &M::GetScrollBars, OrdinalSetter(&M::SetScrollBars, host::ssBoth, "ScrollBars"))
      .Prop("WantReturns", &M::GetWantReturns, &M::SetWantReturns)
      .Prop("WantTabs", &M::GetWantTabs, &M::SetWantTabs)
      .Prop("WordWrap", &M::GetWordWrap, &M::SetWordWrap)
      .Prop("CaretPos", &M::GetCaretPos)  // a point, by address
      .Prop("Lines", &M::GetLines, &M::SetLines);
}

void TCustomStaticTextClassInfo::MapFeatures(Map& m) {
  using S = host::TCustomStaticText;
  m.Prop("Alignment", &S::GetAlignment, OrdinalSetter(&S::SetAlignment, host::taCenter, "Alignment"))
      .Prop("AutoSize", &S::GetAutoSize, &S::SetAutoSize)
      .Prop("BorderStyle", &S::GetBorderStyle, OrdinalSetter(&S::SetBorderStyle, host::sbsSunken, "BorderStyle"))
      .Prop("FocusControl", &S::GetFocusControl, &S::SetFocusControl)
      .Prop("ShowAccelChar", &S::GetShowAccelChar, &S::SetShowAccelChar);
}

}  // namespace kel
