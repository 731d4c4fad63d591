// Start-up and shutdown of the dialogs unit: the published properties of
// the dialog components in the classic order with their classic defaults,
// and their streamable classes.
#include <span>
#include <vector>

#include "host/classes/strings.h"
#include "host/classes/typinfo.h"
#include "host/dialogs/commdlg.h"
#include "host/dialogs/dialogs.h"
#include "host/dialogs/finddlg.h"

namespace host {

namespace {

int dialogsCount = 0;

constexpr TClass kStreamedClasses[] = {&TOpenDialog::StaticMetaClass,   &TSaveDialog::StaticMetaClass,
                                       &TFontDialog::StaticMetaClass,   &TColorDialog::StaticMetaClass,
                                       &TPrintDialog::StaticMetaClass,  &TFindDialog::StaticMetaClass,
                                       &TReplaceDialog::StaticMetaClass};

void RegisterCommonDialog() {
  using C = TCommonDialog;
  RegisterProperties(&TCommonDialog::StaticMetaClass,
                     {Prop<&C::GetCtl3D, &C::SetCtl3D>("Ctl3D").Default(true),
                      Prop<&C::GetHelpContext, &C::SetHelpContext>("HelpContext").Default(0)});
}

void RegisterOpenDialog() {
  using O = TOpenDialog;
  RegisterProperties(&TOpenDialog::StaticMetaClass,
                     {Prop<&O::GetDefaultExt, &O::SetDefaultExt>("DefaultExt"),
                      Prop<&O::GetFileName, &O::SetFileName>("FileName"), Prop<&O::GetFilter, &O::SetFilter>("Filter"),
                      Prop<&O::GetFilterIndex, &O::SetFilterIndex>("FilterIndex").Default(1),
                      Prop<&O::GetInitialDir, &O::SetInitialDir>("InitialDir"),
                      Prop<&O::GetOptions, &O::SetOptions>("Options").Default(DefaultOpenOptions),
                      Prop<&O::GetOptionsEx, &O::SetOptionsEx>("OptionsEx").Default(TOpenOptionsEx{}),
                      Prop<&O::GetTitle, &O::SetTitle>("Title")});
}

void RegisterFontDialog() {
  using F = TFontDialog;
  RegisterProperties(
      &TFontDialog::StaticMetaClass,
      {Prop<&F::GetFont, &F::SetFont>("Font"), Prop<&F::GetDevice, &F::SetDevice>("Device").Default(fdScreen),
       Prop<&F::GetMinFontSize, &F::SetMinFontSize>("MinFontSize").Default(0),
       Prop<&F::GetMaxFontSize, &F::SetMaxFontSize>("MaxFontSize").Default(0),
       Prop<&F::GetOptions, &F::SetOptions>("Options").Default(TFontDialogOptions{fdEffects})});
}

void RegisterColorDialog() {
  using C = TColorDialog;
  RegisterProperties(&TColorDialog::StaticMetaClass,
                     {Prop<&C::GetColor, &C::SetColor>("Color").Default(clBlack),
                      Prop<&C::GetCustomColors, &C::SetCustomColors>("CustomColors"),
                      Prop<&C::GetOptions, &C::SetOptions>("Options").Default(TColorDialogOptions{})});
}

void RegisterPrintDialog() {
  using P = TPrintDialog;
  RegisterProperties(&TPrintDialog::StaticMetaClass,
                     {Prop<&P::GetCollate, &P::SetCollate>("Collate").Default(false),
                      Prop<&P::GetCopies, &P::SetCopies>("Copies").Default(0),
                      Prop<&P::GetFromPage, &P::SetFromPage>("FromPage").Default(0),
                      Prop<&P::GetMinPage, &P::SetMinPage>("MinPage").Default(0),
                      Prop<&P::GetMaxPage, &P::SetMaxPage>("MaxPage").Default(0),
                      Prop<&P::GetOptions, &P::SetOptions>("Options").Default(TPrintDialogOptions{}),
                      Prop<&P::GetPrintToFile, &P::SetPrintToFile>("PrintToFile").Default(false),
                      Prop<&P::GetPrintRange, &P::SetPrintRange>("PrintRange").Default(prAllPages),
                      Prop<&P::GetToPage, &P::SetToPage>("ToPage").Default(0)});
}

void RegisterFindDialogs() {
  using F = TFindDialog;
  RegisterProperties(&TFindDialog::StaticMetaClass,
                     {Prop<&F::GetFindText, &F::SetFindText>("FindText"),
                      Prop<&F::GetOptions, &F::SetOptions>("Options").Default(TFindOptions{frDown})});
  using R = TReplaceDialog;
  RegisterProperties(&TReplaceDialog::StaticMetaClass, {Prop<&R::GetReplaceText, &R::SetReplaceText>("ReplaceText")});
}

}  // namespace

void RegisterDialogsClasses() {
  if (dialogsCount++ > 0) return;
  RegisterCommonDialog();
  RegisterOpenDialog();
  RegisterFontDialog();
  RegisterColorDialog();
  RegisterPrintDialog();
  RegisterFindDialogs();
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterDialogsClasses() {
  if (dialogsCount == 0 || --dialogsCount > 0) return;
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
  UnregisterProperties(&TCommonDialog::StaticMetaClass);
}

std::span<const TClass> DialogsClasses() {
  static constexpr TClass kClasses[] = {&TCommonDialog::StaticMetaClass, &TOpenDialog::StaticMetaClass,
                                        &TSaveDialog::StaticMetaClass,   &TFontDialog::StaticMetaClass,
                                        &TColorDialog::StaticMetaClass,  &TPrintDialog::StaticMetaClass,
                                        &TFindDialog::StaticMetaClass,   &TReplaceDialog::StaticMetaClass};
  return kClasses;
}

}  // namespace host
