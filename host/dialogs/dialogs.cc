// Message dialogs shown as the widgetset's message boxes.
#include "host/dialogs/dialogs.h"

#include <bit>
#include <iterator>

#include "host/forms/application.h"
#include "host/widgetset/widgetset.h"
#include "host/widgetset/wswindows.h"

namespace host {

namespace {

// The message box button sets, smallest first, with the buttons they hold.
struct TBoxButtons {
  uint32_t Flags;
  TMsgDlgButtons Buttons;
};
constexpr TBoxButtons kBoxes[] = {
    {MB_OK, {mbOK}},
    {MB_YESNO, {mbYes, mbNo}},
    {MB_OKCANCEL, {mbOK, mbCancel}},
    {MB_RETRYCANCEL, {mbRetry, mbCancel}},
    {MB_YESNOCANCEL, {mbYes, mbNo, mbCancel}},
    {MB_ABORTRETRYIGNORE, {mbAbort, mbRetry, mbIgnore}},
};
constexpr TMsgDlgButtons kBoxless{mbAll, mbNoToAll, mbYesToAll, mbHelp};

int Shared(TMsgDlgButtons A, TMsgDlgButtons B) { return std::popcount(static_cast<unsigned>((A * B).Bits())); }

uint32_t ButtonFlags(TMsgDlgButtons Buttons) {
  const TMsgDlgButtons wanted = Buttons - kBoxless;
  const TBoxButtons* best = &kBoxes[0];
  for (const TBoxButtons& box : kBoxes) {
    if ((wanted - box.Buttons).Empty() && !wanted.Empty()) return box.Flags;
    if (Shared(wanted, box.Buttons) > Shared(wanted, best->Buttons)) best = &box;
  }
  return best->Flags;
}

uint32_t IconFlags(TMsgDlgType DlgType) {
  static constexpr uint32_t kIcons[] = {MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION};
  const auto index = static_cast<std::size_t>(DlgType);
  return index < std::size(kIcons) ? kIcons[index] : 0;
}

TModalResult ShowBox(const std::string& Msg, const std::string& Caption, uint32_t Flags) {
  if (Application) return Application->MessageBox(Msg.c_str(), Caption.c_str(), Flags);
  TWSWindows* windows = RunningWindows();
  return windows ? windows->MessageBox(0, Msg, Caption, Flags) : mrNone;
}

std::string ApplicationTitle() { return Application ? Application->GetTitle() : std::string(); }

}  // namespace

std::string MessageDlgCaption(TMsgDlgType DlgType) {
  static constexpr const char* kCaptions[] = {"Warning", "Error", "Information", "Confirm"};
  const auto index = static_cast<std::size_t>(DlgType);
  return index < std::size(kCaptions) ? kCaptions[index] : ApplicationTitle();
}

uint32_t MessageDlgFlags(TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  return ButtonFlags(Buttons) | IconFlags(DlgType);
}

// The message box answers (IDOK...) are the modal results of their buttons.
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int32_t HelpCtx) {
  return MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, -1, -1);
}

TModalResult MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int32_t /*HelpCtx*/,
                           int32_t /*X*/, int32_t /*Y*/) {
  return ShowBox(Msg, MessageDlgCaption(DlgType), MessageDlgFlags(DlgType, Buttons));
}

void ShowMessage(const std::string& Msg) { ShowBox(Msg, ApplicationTitle(), MB_OK); }

}  // namespace host
