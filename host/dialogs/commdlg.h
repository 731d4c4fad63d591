// The common dialog components: TCommonDialog and the modal file, font,
// colour and print dialogs (the find and replace dialogs are in finddlg.h).
//
// Execute shows the dialog through the widgetset (TWSWindows::
// ShowCommonDialog: a real dialog on a backend with windows, the queued
// answers on the headless one), with the main form as its owner: OnShow
// fires before it shows and OnClose after it closed. It answers true when
// the user chose OK: the dialog's properties then hold what the user chose
// (FileName and Files, Font, Color, Copies...). Cancel, or a backend that
// cannot show dialogs, answers false and changes nothing.
//
// The properties are the classic published ones with their classic
// defaults, so classic form files stream them; the options a backend has
// no use for are kept as they are set.
#pragma once

#include <cstdint>
#include <string>

#include "host/classes/component.h"
#include "host/forms/formtypes.h"
#include "host/graphics/graphics.h"
#include "host/widgetset/wsdialogs.h"

namespace host {

class TStrings;
class TStringList;

// ---------------------------------------------------------------- TCommonDialog

class TCommonDialog : public TComponent {
  HOST_CLASS(TCommonDialog, TComponent)

  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value) { FCtl3D = Value; }
  int32_t GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t Value) { FHelpContext = Value; }
  // The dialog's kind, as the widgetset shows it.
  TCommonDialogKind GetKind() const { return FKind; }

  // Shows the dialog; true when the user chose OK.
  virtual bool Execute();

  TNotifyEvent OnClose;
  TNotifyEvent OnShow;

 protected:
  TCommonDialog(TComponent* AOwner, TCommonDialogKind Kind) : TComponent(AOwner), FKind(Kind) {}
  // Only the dialogs of a kind are made.
  ~TCommonDialog() override = 0;
  // What the dialog shows with (the base fills in its kind).
  virtual void PutRequest(TCommonDialogRequest& Request) const;
  // Takes what the user chose; false when the dialog refuses it (and then
  // changes nothing).
  virtual bool TakeRequest(const TCommonDialogRequest& /*Request*/) { return true; }
  // Shows Request through the widgetset between OnShow and OnClose;
  // answers IDOK, IDCANCEL or 0 when no backend shows dialogs.
  int32_t ShowRequest(TCommonDialogRequest& Request);
  void DoShow();
  void DoClose();

 private:
  TCommonDialogKind FKind;
  bool FCtl3D = true;
  int32_t FHelpContext = 0;
};

// ------------------------------------------------------------------ TOpenDialog

enum TOpenOption : uint8_t {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate,
  ofNoNetworkButton,
  ofNoLongNames,
  ofOldStyleDialog,
  ofNoDereferenceLinks,
  ofEnableIncludeNotify,
  ofEnableSizing,
  ofDontAddToRecent,
  ofForceShowHidden
};
HOST_ENUM_INFO(TOpenOption, "ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp",
               "ofNoValidate", "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist",
               "ofCreatePrompt", "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton",
               "ofNoLongNames", "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing",
               "ofDontAddToRecent", "ofForceShowHidden")
using TOpenOptions = TSet<TOpenOption, 22>;
inline constexpr TOpenOptions DefaultOpenOptions{ofHideReadOnly, ofEnableSizing};

enum TOpenOptionEx : uint8_t { ofExNoPlacesBar };
HOST_ENUM_INFO(TOpenOptionEx, "ofExNoPlacesBar")
using TOpenOptionsEx = TSet<TOpenOptionEx, 1>;

// A file open dialog. After OK, FileName is the (first) name chosen and
// Files every name chosen (several with ofAllowMultiSelect); a name
// without extension gets DefaultExt, and ofExtensionDifferent tells
// whether the extension differs from DefaultExt. OnCanClose may refuse
// the names chosen (Execute then answers false with nothing changed);
// OnTypeChange fires when the user chose another filter (FilterIndex).
class TOpenDialog : public TCommonDialog {
  HOST_CLASS(TOpenDialog, TCommonDialog)
  using TCreateArg = TComponent;
  explicit TOpenDialog(TComponent* AOwner) : TOpenDialog(AOwner, TCommonDialogKind::OpenFile) {}

  std::string GetDefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
  std::string GetFileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  TStrings* GetFiles() const;
  std::string GetFilter() const { return FFilter; }
  void SetFilter(const std::string& Value) { FFilter = Value; }
  int32_t GetFilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int32_t Value) { FFilterIndex = Value; }
  std::string GetInitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
  TOpenOptions GetOptions() const { return FOptions; }
  void SetOptions(TOpenOptions Value) { FOptions = Value; }
  TOpenOptionsEx GetOptionsEx() const { return FOptionsEx; }
  void SetOptionsEx(TOpenOptionsEx Value) { FOptionsEx = Value; }
  std::string GetTitle() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }

  TCloseQueryEvent OnCanClose;
  TNotifyEvent OnFolderChange;
  TNotifyEvent OnSelectionChange;
  TNotifyEvent OnTypeChange;

 protected:
  TOpenDialog(TComponent* AOwner, TCommonDialogKind Kind);
  ~TOpenDialog() override = default;
  void Destroy() override;
  void PutRequest(TCommonDialogRequest& Request) const override;
  bool TakeRequest(const TCommonDialogRequest& Request) override;

 private:
  // Name with DefaultExt added when it has no extension.
  std::string WithDefaultExt(const std::string& Name) const;
  std::string FDefaultExt;
  std::string FFileName;
  TStringList* FFiles = nullptr;
  std::string FFilter;
  int32_t FFilterIndex = 1;
  std::string FInitialDir;
  TOpenOptions FOptions = DefaultOpenOptions;
  TOpenOptionsEx FOptionsEx;
  std::string FTitle;
};

// A file save dialog: the open dialog asking for a name to write
// (ofOverwritePrompt has the backend confirm an existing file).
class TSaveDialog : public TOpenDialog {
  HOST_CLASS(TSaveDialog, TOpenDialog)
  using TCreateArg = TComponent;
  explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner, TCommonDialogKind::SaveFile) {}

 protected:
  ~TSaveDialog() override = default;
};

// ------------------------------------------------------------------ TFontDialog

enum TFontDialogOption : uint8_t {
  fdAnsiOnly,
  fdTrueTypeOnly,
  fdEffects,
  fdFixedPitchOnly,
  fdForceFontExist,
  fdNoFaceSel,
  fdNoOEMFonts,
  fdNoSimulations,
  fdNoSizeSel,
  fdNoStyleSel,
  fdNoVectorFonts,
  fdShowHelp,
  fdWysiwyg,
  fdLimitSize,
  fdScalableOnly,
  fdApplyButton
};
HOST_ENUM_INFO(TFontDialogOption, "fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly", "fdForceFontExist",
               "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations", "fdNoSizeSel", "fdNoStyleSel", "fdNoVectorFonts",
               "fdShowHelp", "fdWysiwyg", "fdLimitSize", "fdScalableOnly", "fdApplyButton")
using TFontDialogOptions = TSet<TFontDialogOption, 16>;

enum TFontDialogDevice : uint8_t { fdScreen, fdPrinter, fdBoth };
HOST_ENUM_INFO(TFontDialogDevice, "fdScreen", "fdPrinter", "fdBoth")

using TFDApplyEvent = TEvent<TObject*, HWND>;

// A font dialog: after OK, Font holds the name, size, style (and with
// fdEffects the colour) chosen. With fdLimitSize the size chosen is kept
// within MinFontSize..MaxFontSize (each limit applies when non-zero).
class TFontDialog : public TCommonDialog {
  HOST_CLASS(TFontDialog, TCommonDialog)
  using TCreateArg = TComponent;
  explicit TFontDialog(TComponent* AOwner);

  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TFontDialogDevice GetDevice() const { return FDevice; }
  void SetDevice(TFontDialogDevice Value);
  int32_t GetMinFontSize() const { return FMinFontSize; }
  void SetMinFontSize(int32_t Value);
  int32_t GetMaxFontSize() const { return FMaxFontSize; }
  void SetMaxFontSize(int32_t Value);
  TFontDialogOptions GetOptions() const { return FOptions; }
  void SetOptions(TFontDialogOptions Value) { FOptions = Value; }

  TFDApplyEvent OnApply;

 protected:
  ~TFontDialog() override = default;
  void Destroy() override;
  void PutRequest(TCommonDialogRequest& Request) const override;
  bool TakeRequest(const TCommonDialogRequest& Request) override;

 private:
  TFont* FFont = nullptr;
  TFontDialogDevice FDevice = fdScreen;
  int32_t FMinFontSize = 0;
  int32_t FMaxFontSize = 0;
  TFontDialogOptions FOptions{fdEffects};
};

// ----------------------------------------------------------------- TColorDialog

enum TColorDialogOption : uint8_t { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
HOST_ENUM_INFO(TColorDialogOption, "cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor")
using TColorDialogOptions = TSet<TColorDialogOption, 5>;

// A colour dialog: after OK, Color is the colour chosen. CustomColors
// holds the custom colours it offers, as the classic "ColorA=FFFFFF" lines
// (ColorA to ColorP, the colour in hex); lines that are no colour are left
// out of the dialog and kept.
class TColorDialog : public TCommonDialog {
  HOST_CLASS(TColorDialog, TCommonDialog)
  using TCreateArg = TComponent;
  explicit TColorDialog(TComponent* AOwner);

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TStrings* GetCustomColors() const;
  void SetCustomColors(TStrings* Value);
  TColorDialogOptions GetOptions() const { return FOptions; }
  void SetOptions(TColorDialogOptions Value) { FOptions = Value; }

 protected:
  ~TColorDialog() override = default;
  void Destroy() override;
  void PutRequest(TCommonDialogRequest& Request) const override;
  bool TakeRequest(const TCommonDialogRequest& Request) override;

 private:
  TColor FColor = clBlack;
  TStringList* FCustomColors = nullptr;
  TColorDialogOptions FOptions;
};

// ----------------------------------------------------------------- TPrintDialog

enum TPrintRange : uint8_t { prAllPages, prSelection, prPageNums };
HOST_ENUM_INFO(TPrintRange, "prAllPages", "prSelection", "prPageNums")

enum TPrintDialogOption : uint8_t { poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile };
HOST_ENUM_INFO(TPrintDialogOption, "poPrintToFile", "poPageNums", "poSelection", "poWarning", "poHelp",
               "poDisablePrintToFile")
using TPrintDialogOptions = TSet<TPrintDialogOption, 6>;

// A print dialog: after OK, Copies, Collate, PrintRange and (for page
// numbers) FromPage and ToPage are what the user chose. Page numbers are
// offered with poPageNums, between MinPage and MaxPage. A page range out
// of MinPage..MaxPage (when MaxPage is set) raises ERangeError at Execute.
class TPrintDialog : public TCommonDialog {
  HOST_CLASS(TPrintDialog, TCommonDialog)
  using TCreateArg = TComponent;
  explicit TPrintDialog(TComponent* AOwner) : TCommonDialog(AOwner, TCommonDialogKind::Print) {}

  bool GetCollate() const { return FCollate; }
  void SetCollate(bool Value) { FCollate = Value; }
  int32_t GetCopies() const { return FCopies; }
  void SetCopies(int32_t Value);
  int32_t GetFromPage() const { return FFromPage; }
  void SetFromPage(int32_t Value);
  int32_t GetToPage() const { return FToPage; }
  void SetToPage(int32_t Value);
  int32_t GetMinPage() const { return FMinPage; }
  void SetMinPage(int32_t Value);
  int32_t GetMaxPage() const { return FMaxPage; }
  void SetMaxPage(int32_t Value);
  TPrintDialogOptions GetOptions() const { return FOptions; }
  void SetOptions(TPrintDialogOptions Value) { FOptions = Value; }
  bool GetPrintToFile() const { return FPrintToFile; }
  void SetPrintToFile(bool Value) { FPrintToFile = Value; }
  TPrintRange GetPrintRange() const { return FPrintRange; }
  void SetPrintRange(TPrintRange Value);

  bool Execute() override;

 protected:
  ~TPrintDialog() override = default;
  void PutRequest(TCommonDialogRequest& Request) const override;
  bool TakeRequest(const TCommonDialogRequest& Request) override;

 private:
  bool FCollate = false;
  int32_t FCopies = 0;
  int32_t FFromPage = 0;
  int32_t FToPage = 0;
  int32_t FMinPage = 0;
  int32_t FMaxPage = 0;
  TPrintDialogOptions FOptions;
  bool FPrintToFile = false;
  TPrintRange FPrintRange = prAllPages;
};

}  // namespace host
