#include "designer/palette.h"

#include "host/actnlist/actnlist.h"
#include "host/buttons/buttons.h"
#include "host/checklst/checklst.h"
#include "host/comctrls/comctrls.h"
#include "host/dialogs/commdlg.h"
#include "host/dialogs/finddlg.h"
#include "host/extctrls/editboxes.h"
#include "host/forms/appevents.h"
#include "host/mask/mask.h"
#include "host/spin/spin.h"
#include "host/valedit/valedit.h"
#include "host/designer/designreg.h"
#include "host/extctrls/controlbar.h"
#include "host/extctrls/panels.h"
#include "host/extctrls/shapes.h"
#include "host/extctrls/splitter.h"
#include "host/extctrls/timer.h"
#include "host/grids/grids.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/scrollbar.h"
#include "host/stdctrls/texts.h"
#include "host/forms/scrolling.h"
#include "registration/kelreg.h"

namespace corvane::designer {

using namespace host;

HOST_IMPL(TPaletteView, TObject)

namespace {

constexpr int32_t kButtonHeight = 22;
constexpr int32_t kRowWidth = 600;

}  // namespace

void RegisterHostPalette() {
  RegisterComponents("Standard",
                     {&TMainMenu::StaticMetaClass, &TPopupMenu::StaticMetaClass, &TLabel::StaticMetaClass,
                      &TEdit::StaticMetaClass, &TMemo::StaticMetaClass, &TButton::StaticMetaClass,
                      &TCheckBox::StaticMetaClass, &TRadioButton::StaticMetaClass, &TListBox::StaticMetaClass,
                      &TComboBox::StaticMetaClass, &TScrollBar::StaticMetaClass, &TGroupBox::StaticMetaClass,
                      &TRadioGroup::StaticMetaClass, &TPanel::StaticMetaClass, &TActionList::StaticMetaClass});
  RegisterComponents("Additional",
                     {&TBitBtn::StaticMetaClass, &TSpeedButton::StaticMetaClass, &TMaskEdit::StaticMetaClass,
                      &TStringGrid::StaticMetaClass, &TDrawGrid::StaticMetaClass, &TImage::StaticMetaClass,
                      &TShape::StaticMetaClass, &TBevel::StaticMetaClass, &TScrollBox::StaticMetaClass,
                      &TCheckListBox::StaticMetaClass, &TSplitter::StaticMetaClass, &TStaticText::StaticMetaClass,
                      &TControlBar::StaticMetaClass, &TApplicationEvents::StaticMetaClass,
                      &TValueListEditor::StaticMetaClass, &TLabeledEdit::StaticMetaClass,
                      &TColorBox::StaticMetaClass});
  RegisterComponents("Win32",
                     {&TTabControl::StaticMetaClass, &TPageControl::StaticMetaClass, &TImageList::StaticMetaClass,
                      &TRichEdit::StaticMetaClass, &TTrackBar::StaticMetaClass, &TProgressBar::StaticMetaClass,
                      &TUpDown::StaticMetaClass, &THotKey::StaticMetaClass, &TDateTimePicker::StaticMetaClass,
                      &TMonthCalendar::StaticMetaClass, &TTreeView::StaticMetaClass, &TListView::StaticMetaClass,
                      &TStatusBar::StaticMetaClass, &TToolBar::StaticMetaClass, &TCoolBar::StaticMetaClass});
  RegisterComponents("System", {&TTimer::StaticMetaClass, &TPaintBox::StaticMetaClass});
  RegisterComponents("Dialogs", {&TOpenDialog::StaticMetaClass, &TSaveDialog::StaticMetaClass,
                                 &TFontDialog::StaticMetaClass, &TColorDialog::StaticMetaClass,
                                 &TPrintDialog::StaticMetaClass, &TFindDialog::StaticMetaClass,
                                 &TReplaceDialog::StaticMetaClass});
  RegisterComponents("Samples", {&TSpinEdit::StaticMetaClass});
}

TDesignRegistration::TDesignRegistration() : FGroup(NewEditorGroup()) {
  RegisterHostPalette();
  kel::kelreg::Register();
}

TDesignRegistration::~TDesignRegistration() { FreeEditorGroup(FGroup); }

TPaletteView::TPaletteView(TWinControl* Parent, std::function<TDesignSurface*()> Surface) : FSurface(std::move(Surface)) {
  TComponent* owner = Parent->GetOwner() ? Parent->GetOwner() : Parent;
  FPages = New<TPageControl>(owner);
  FPages->SetName("Palette");
  FPages->SetParent(Parent);
  FPages->SetAlign(alClient);
  for (const TPalettePage& page : PalettePages()) {
    auto* sheet = New<TTabSheet>(owner);
    sheet->SetPageControl(FPages);
    sheet->SetCaption(page.Name);
    // Rows of buttons: a new bar when the row is full.
    TToolBar* bar = nullptr;
    for (TClass cls : page.Classes) {
      if (IsNoIconClass(cls)) continue;
      if (!bar) bar = AddBar(sheet, owner);
      TToolButton* button = AddButton(bar, cls, owner);
      if (button->GetLeft() + button->GetWidth() > kRowWidth && bar->GetButtonCount() > 1) {
        bar = AddBar(sheet, owner);
        button->SetParent(bar);
      }
    }
  }
  if (FPages->GetPageCount() > 0) FPages->SetActivePageIndex(0);
}

TToolBar* TPaletteView::AddBar(TTabSheet* Sheet, TComponent* Owner) {
  auto* bar = New<TToolBar>(Owner);
  bar->SetParent(Sheet);
  bar->SetAlign(alTop);
  bar->SetTop(Sheet->GetControlCount() * 100);  // below the rows before it
  bar->SetShowCaptions(true);
  bar->SetButtonHeight(kButtonHeight);
  bar->SetHeight(kButtonHeight);
  return bar;
}

TToolButton* TPaletteView::AddButton(TToolBar* Bar, TClass Class, TComponent* Owner) {
  auto* button = New<TToolButton>(Owner);
  std::string caption = Class->Name;
  if (caption.size() > 1 && caption[0] == 'T') caption.erase(0, 1);
  button->SetName("Palette" + caption);
  button->SetParent(Bar);
  button->SetStyle(tbsCheck);
  button->SetCaption(caption);
  button->SetHint(Class->Name);
  button->OnClick = TNotifyEvent(this, &TPaletteView::ButtonClicked);
  FButtons.emplace_back(button, Class);
  return button;
}

TToolButton* TPaletteView::ButtonOf(TClass Class) const {
  for (const auto& [button, cls] : FButtons)
    if (cls == Class) return button;
  return nullptr;
}

void TPaletteView::Release() {
  for (const auto& [button, cls] : FButtons) button->SetDown(false);
}

void TPaletteView::ButtonClicked(TObject* Sender) {
  TDesignSurface* surface = FSurface ? FSurface() : nullptr;
  for (const auto& [button, cls] : FButtons) {
    if (button != Sender) {
      button->SetDown(false);
      continue;
    }
    // A check button is down after the click when it was up before.
    if (surface) surface->SetDropClass(button->GetDown() ? cls : nullptr);
  }
}

}  // namespace corvane::designer
