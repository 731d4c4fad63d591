// The headless windows' common dialogs: answered from the message box
// answers, the user's choices read from the queued dialog texts (see
// headlesswindows.h for their format).
#include <algorithm>
#include <cctype>
#include <string_view>

#include "host/rtl/sysutils.h"
#include "host/widgetset/headless/headlesswindows.h"

namespace host::headless {

namespace {

template <class TOpen>
auto FindOpen(TOpen& Open, THandle Dialog) {
  return std::find_if(Open.begin(), Open.end(), [&](const auto& open) { return open.first == Dialog; });
}

bool IsModeless(TCommonDialogKind Kind) {
  return Kind == TCommonDialogKind::Find || Kind == TCommonDialogKind::Replace;
}

std::vector<std::string> SplitText(std::string_view Text, char Separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = Text.find(Separator, start)) != std::string_view::npos; start = at + 1)
    parts.emplace_back(Text.substr(start, at - start));
  parts.emplace_back(Text.substr(start));
  return parts;
}

[[noreturn]] void BadText(std::string_view Text, const char* Expected) {
  throw EConvertError("'%s' is not a valid dialog answer (%s expected)", {std::string(Text), std::string(Expected)});
}

uint32_t FontStyleOf(std::string_view Letters) {
  static constexpr std::string_view kLetters = "BIUS";
  uint32_t style = 0;
  for (char c : Letters) {
    const std::size_t bit = kLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (bit == std::string_view::npos) BadText(Letters, "font style letters B, I, U, S");
    style |= 1u << bit;
  }
  return style;
}

void ReadFont(std::string_view Text, TCommonDialogRequest& Request) {
  const std::vector<std::string> parts = SplitText(Text, ',');
  int32_t size = 0;
  if (parts.size() != 3 || Trim(parts[0]).empty() || !TryStrToInt(parts[1], size) || size <= 0)
    BadText(Text, "\"Name,Size,Style\"");
  const uint32_t style = FontStyleOf(Trim(parts[2]));
  Request.FontName = Trim(parts[0]);
  Request.FontSize = size;
  Request.FontStyle = style;
}

void ReadPrint(std::string_view Text, TCommonDialogRequest& Request) {
  const std::vector<std::string> parts = SplitText(Text, ',');
  int32_t values[3] = {0, 0, 0};
  for (std::size_t i = 0; i < parts.size() && i < 3; ++i)
    if (!TryStrToInt(parts[i], values[i]) || values[i] < (i == 0 ? 1 : 0)) BadText(Text, "\"Copies[,From,To]\"");
  if (parts.size() != 1 && parts.size() != 3) BadText(Text, "\"Copies[,From,To]\"");
  Request.Copies = values[0];
  Request.PageRange = parts.size() == 3;
  if (Request.PageRange) {
    Request.FromPage = values[1];
    Request.ToPage = values[2];
  }
}

// The user's choice in Text, put into Request as its kind reads it.
void ReadDialogText(std::string_view Text, TCommonDialogRequest& Request) {
  switch (Request.Kind) {
    case TCommonDialogKind::OpenFile:
    case TCommonDialogKind::SaveFile:
      Request.Files = SplitText(Text, '|');
      break;
    case TCommonDialogKind::Font:
      ReadFont(Text, Request);
      break;
    case TCommonDialogKind::Color: {
      int64_t color = 0;
      if (!TryStrToInt64(Text, color) || color < 0 || color > 0xFFFFFF) BadText(Text, "a colour number");
      Request.Color = static_cast<COLORREF>(color);
      break;
    }
    case TCommonDialogKind::Print:
      ReadPrint(Text, Request);
      break;
    case TCommonDialogKind::Find:
      Request.FindText = Text;
      break;
    case TCommonDialogKind::Replace: {
      const std::vector<std::string> parts = SplitText(Text, '|');
      if (parts.size() != 2) BadText(Text, "\"find|replace\"");
      Request.FindText = parts[0];
      Request.ReplaceText = parts[1];
      break;
    }
  }
}

// What an answer presses in an open find or replace dialog.
TCommonDialogAction ActionOf(TCommonDialogKind Kind, int32_t Answer) {
  if (Answer == IDCANCEL) return TCommonDialogAction::Close;
  if (Answer == IDYES) return TCommonDialogAction::ReplaceAll;
  return Kind == TCommonDialogKind::Replace ? TCommonDialogAction::Replace : TCommonDialogAction::Find;
}

}  // namespace

bool THeadlessWindows::NextAnswer(int32_t& Answer) {
  if (FMessageBoxAnswers.empty()) return false;
  Answer = FMessageBoxAnswers.front();
  FMessageBoxAnswers.pop_front();
  return true;
}

int32_t THeadlessWindows::ShowCommonDialog(HWND /*Owner*/, TCommonDialogRequest& Request) {
  const bool modeless = IsModeless(Request.Kind);
  if (modeless) Request.Dialog = ++FLastDialog;
  if (FPresenter && FMessageBoxAnswers.empty()) {
    TCommonDialogRequest before = Request;
    if (const int32_t shown = FPresenter->ShowCommonDialog(Request)) {
      FCommonDialogs.push_back({Request.Kind, Request.Title, shown, false, std::move(before)});
      return shown;
    }
  }
  int32_t answer = modeless ? IDOK : IDCANCEL;
  const bool unanswered = !NextAnswer(answer);
  // The text is read before anything is recorded: a malformed one changes nothing.
  TCommonDialogRequest chosen = Request;
  if (answer != IDCANCEL && !unanswered && !FDialogTexts.empty()) {
    ReadDialogText(FDialogTexts.front(), chosen);
    FDialogTexts.pop_front();
  }
  FCommonDialogs.push_back({Request.Kind, Request.Title, answer, unanswered, Request});
  if (!modeless) {
    if (answer != IDCANCEL) Request = std::move(chosen);
    return answer == IDCANCEL ? IDCANCEL : IDOK;
  }
  FModeless.emplace_back(Request.Dialog, Request);
  if (!unanswered) {
    Request.FindText = chosen.FindText;
    Request.ReplaceText = chosen.ReplaceText;
    const THandle dialog = Request.Dialog;
    const TCommonDialogAction action = ActionOf(Request.Kind, answer);
    if (action == TCommonDialogAction::Close) CloseCommonDialog(dialog);
    if (Request.OnAction) Request.OnAction(action, chosen);
  }
  return IDOK;
}

bool THeadlessWindows::CloseCommonDialog(THandle Dialog) {
  auto it = FindOpen(FModeless, Dialog);
  if (it == FModeless.end()) return FPresenter && FPresenter->CloseCommonDialog(Dialog);
  FModeless.erase(it);
  return true;
}

std::vector<THandle> THeadlessWindows::OpenCommonDialogs() const {
  std::vector<THandle> open;
  for (const auto& dialog : FModeless) open.push_back(dialog.first);
  return open;
}

bool THeadlessWindows::PressCommonDialog(THandle Dialog, TCommonDialogAction Action, const std::string& Text) {
  auto it = FindOpen(FModeless, Dialog);
  if (it == FModeless.end()) return false;
  TCommonDialogRequest state = it->second;
  if (!Text.empty()) ReadDialogText(Text, state);
  it->second.FindText = state.FindText;
  it->second.ReplaceText = state.ReplaceText;
  // The handler may close the dialog (and so drop the record): it runs on a copy.
  if (Action == TCommonDialogAction::Close) CloseCommonDialog(Dialog);
  if (state.OnAction) state.OnAction(Action, state);
  return true;
}

}  // namespace host::headless
