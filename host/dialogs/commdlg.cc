// The common dialogs: each fills a widgetset request with what it shows
// and takes the user's choices back from it.
#include "host/dialogs/commdlg.h"

#include <algorithm>

#include "host/classes/strings.h"
#include "host/dialogs/dialogs_p.h"
#include "host/forms/application.h"
#include "host/forms/form.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TCommonDialog, TComponent)
HOST_IMPL(TOpenDialog, TCommonDialog)
HOST_IMPL(TSaveDialog, TOpenDialog)
HOST_IMPL(TFontDialog, TCommonDialog)
HOST_IMPL(TColorDialog, TCommonDialog)
HOST_IMPL(TPrintDialog, TCommonDialog)

// --------------------------------------------------------------- TCommonDialog

TCommonDialog::~TCommonDialog() = default;

void TCommonDialog::PutRequest(TCommonDialogRequest& Request) const { Request.Kind = FKind; }

void TCommonDialog::DoShow() {
  if (OnShow) OnShow(this);
}

void TCommonDialog::DoClose() {
  if (OnClose) OnClose(this);
}

int32_t TCommonDialog::ShowRequest(TCommonDialogRequest& Request) {
  TWSWindows* windows = RunningWindows();
  if (!windows) return 0;
  TForm* main = Application ? Application->GetMainForm() : nullptr;
  const HWND owner = main ? main->GetWindowHandle() : 0;
  return windows->ShowCommonDialog(owner, Request);
}

bool TCommonDialog::Execute() {
  TCommonDialogRequest request;
  PutRequest(request);
  DoShow();
  const int32_t answer = ShowRequest(request);
  DoClose();
  return answer == IDOK && TakeRequest(request);
}

// ----------------------------------------------------------------- TOpenDialog

TOpenDialog::TOpenDialog(TComponent* AOwner, TCommonDialogKind Kind) : TCommonDialog(AOwner, Kind) {
  FFiles = New<TStringList>();
}

void TOpenDialog::Destroy() {
  FreeAndNil(FFiles);
  inherited::Destroy();
}

TStrings* TOpenDialog::GetFiles() const { return FFiles; }

void TOpenDialog::PutRequest(TCommonDialogRequest& Request) const {
  inherited::PutRequest(Request);
  Request.Title = FTitle;
  Request.Filter = FFilter;
  Request.FilterIndex = FFilterIndex;
  Request.InitialDir = FInitialDir;
  Request.DefaultExt = FDefaultExt;
  Request.MultiSelect = FOptions.Contains(ofAllowMultiSelect);
  Request.FileMustExist = FOptions.Contains(ofFileMustExist);
  Request.OverwritePrompt = FOptions.Contains(ofOverwritePrompt);
  if (!FFileName.empty()) Request.Files.push_back(FFileName);
}

namespace {

// The extension of a file name without its dot; empty when it has none.
std::string ExtensionOf(const std::string& Name) {
  const std::size_t dot = Name.find_last_of("./\\");
  return dot == std::string::npos || Name[dot] != '.' ? std::string() : Name.substr(dot + 1);
}

}  // namespace

std::string TOpenDialog::WithDefaultExt(const std::string& Name) const {
  return FDefaultExt.empty() || !ExtensionOf(Name).empty() ? Name : Name + "." + FDefaultExt;
}

bool TOpenDialog::TakeRequest(const TCommonDialogRequest& Request) {
  if (Request.Files.empty()) return false;
  const std::string oldName = FFileName;
  const std::string oldFiles = FFiles->GetTextStr();
  FFileName = WithDefaultExt(Request.Files.front());
  FFiles->BeginUpdate();
  FFiles->Clear();
  for (const std::string& name : Request.Files) FFiles->Add(WithDefaultExt(name));
  FFiles->EndUpdate();
  bool canClose = true;
  if (OnCanClose) OnCanClose(this, canClose);
  if (!canClose) {
    FFileName = oldName;
    FFiles->SetTextStr(oldFiles);
    return false;
  }
  if (!FDefaultExt.empty() && !SameText(ExtensionOf(FFileName), FDefaultExt))
    FOptions.Include(ofExtensionDifferent);
  else
    FOptions.Exclude(ofExtensionDifferent);
  if (Request.FilterIndex != FFilterIndex) {
    FFilterIndex = Request.FilterIndex;
    if (OnTypeChange) OnTypeChange(this);
  }
  return true;
}

// ----------------------------------------------------------------- TFontDialog

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner, TCommonDialogKind::Font) { FFont = New<TFont>(); }

void TFontDialog::Destroy() {
  FreeAndNil(FFont);
  inherited::Destroy();
}

void TFontDialog::SetDevice(TFontDialogDevice Value) {
  dialogsdetail::CheckEnum(Value, "Device", this);
  FDevice = Value;
}

void TFontDialog::SetMinFontSize(int32_t Value) { dialogsdetail::SetNotNegative(FMinFontSize, Value, "MinFontSize"); }

void TFontDialog::SetMaxFontSize(int32_t Value) { dialogsdetail::SetNotNegative(FMaxFontSize, Value, "MaxFontSize"); }

void TFontDialog::PutRequest(TCommonDialogRequest& Request) const {
  inherited::PutRequest(Request);
  Request.FontName = FFont->GetName();
  Request.FontSize = FFont->GetSize();
  Request.FontStyle = FFont->GetStyle().Bits();
  Request.FontColor = static_cast<COLORREF>(ColorToRGB(FFont->GetColor()));
  if (FOptions.Contains(fdLimitSize)) {
    Request.MinFontSize = FMinFontSize;
    Request.MaxFontSize = FMaxFontSize;
  }
}

bool TFontDialog::TakeRequest(const TCommonDialogRequest& Request) {
  int32_t size = Request.FontSize;
  if (FOptions.Contains(fdLimitSize)) {
    if (FMinFontSize > 0) size = std::max(size, FMinFontSize);
    if (FMaxFontSize > 0) size = std::min(size, FMaxFontSize);
  }
  FFont->SetName(Request.FontName);
  FFont->SetSize(size);
  FFont->SetStyle(TFontStyles::FromBits(static_cast<uint8_t>(Request.FontStyle & 0x0F)));
  if (FOptions.Contains(fdEffects)) FFont->SetColor(static_cast<TColor>(Request.FontColor));
  return true;
}

// ---------------------------------------------------------------- TColorDialog

TColorDialog::TColorDialog(TComponent* AOwner) : TCommonDialog(AOwner, TCommonDialogKind::Color) {
  FCustomColors = New<TStringList>();
}

void TColorDialog::Destroy() {
  FreeAndNil(FCustomColors);
  inherited::Destroy();
}

TStrings* TColorDialog::GetCustomColors() const { return FCustomColors; }

void TColorDialog::SetCustomColors(TStrings* Value) { FCustomColors->Assign(Value); }

void TColorDialog::PutRequest(TCommonDialogRequest& Request) const {
  inherited::PutRequest(Request);
  Request.Color = static_cast<COLORREF>(ColorToRGB(FColor));
  for (int32_t i = 0; i < FCustomColors->GetCount(); ++i) {
    const std::string line = FCustomColors->GetStrings(i);
    const std::size_t eq = line.find('=');
    int64_t color = 0;
    if (eq != std::string::npos && TryStrToInt64("$" + line.substr(eq + 1), color) && color >= 0 && color <= 0xFFFFFF)
      Request.CustomColors.push_back(static_cast<COLORREF>(color));
  }
}

bool TColorDialog::TakeRequest(const TCommonDialogRequest& Request) {
  FColor = static_cast<TColor>(Request.Color);
  return true;
}

// ---------------------------------------------------------------- TPrintDialog

void TPrintDialog::SetCopies(int32_t Value) { dialogsdetail::SetNotNegative(FCopies, Value, "Copies"); }

void TPrintDialog::SetFromPage(int32_t Value) { dialogsdetail::SetNotNegative(FFromPage, Value, "FromPage"); }

void TPrintDialog::SetToPage(int32_t Value) { dialogsdetail::SetNotNegative(FToPage, Value, "ToPage"); }

void TPrintDialog::SetMinPage(int32_t Value) { dialogsdetail::SetNotNegative(FMinPage, Value, "MinPage"); }

void TPrintDialog::SetMaxPage(int32_t Value) { dialogsdetail::SetNotNegative(FMaxPage, Value, "MaxPage"); }

void TPrintDialog::SetPrintRange(TPrintRange Value) {
  dialogsdetail::CheckEnum(Value, "PrintRange", this);
  FPrintRange = Value;
}

// The classic print dialog refuses a page range outside the pages there are.
bool TPrintDialog::Execute() {
  if (FMaxPage > 0 && (FFromPage < FMinPage || FToPage > FMaxPage || FFromPage > FToPage))
    throw ERangeError("Page range %d..%d is outside %d..%d", {FFromPage, FToPage, FMinPage, FMaxPage});
  return inherited::Execute();
}

void TPrintDialog::PutRequest(TCommonDialogRequest& Request) const {
  inherited::PutRequest(Request);
  Request.Copies = std::max(FCopies, 1);
  Request.Collate = FCollate;
  Request.FromPage = FFromPage;
  Request.ToPage = FToPage;
  Request.MinPage = FMinPage;
  Request.MaxPage = FMaxPage;
  Request.PageRange = FPrintRange == prPageNums;
}

bool TPrintDialog::TakeRequest(const TCommonDialogRequest& Request) {
  FCopies = Request.Copies;
  FCollate = Request.Collate;
  if (Request.PageRange) {
    FFromPage = Request.FromPage;
    FToPage = Request.ToPage;
  }
  FPrintRange = Request.PageRange ? prPageNums : (FPrintRange == prPageNums ? prAllPages : FPrintRange);
  return true;
}

}  // namespace host
