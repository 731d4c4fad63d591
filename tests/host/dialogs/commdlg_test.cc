// The common dialog components on the headless backend: Execute answered
// from the queued answers and dialog texts, the user's choices taken back
// (or refused, leaving the component as it was), the modeless find and
// replace dialogs firing their events, and the components through a form
// file and back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/actnlist/actnlist.h"
#include "host/classes/strings.h"
#include "host/dialogs/commdlg.h"
#include "host/dialogs/dialogs.h"
#include "host/dialogs/finddlg.h"
#include "host/forms/forms.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/stdctrls.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/formtest.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

namespace host::commdlgtest {
namespace {

using namespace testkit;
using headless::THeadlessWindows;

constexpr TUnitClasses kUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {RegisterFormsClasses, UnregisterFormsClasses},       {RegisterDialogsClasses, UnregisterDialogsClasses},
};

class CommonDialogsTest : public THandlesTest<kUnits> {
 protected:
  void SetUp() override {
    THandlesTest::SetUp();
    Windows().ClearMessageBoxes();
    module = NewModule("Editor");
  }
  void TearDown() override {
    module.reset();
    Windows().ClearMessageBoxes();
    THandlesTest::TearDown();
  }
  static THeadlessWindows& Windows() { return static_cast<THeadlessWindows&>(WidgetSet().Windows()); }
  // Queues the user's next answer and, for OK, the text of what they chose.
  static void Answer(int32_t Id, const std::string& Text = {}) {
    Windows().QueueMessageBoxAnswer(Id);
    if (!Text.empty()) Windows().QueueDialogText(Text);
  }
  template <class T>
  T* Add(const std::string& Name) {
    T* dialog = New<T>(module.get());
    dialog->SetName(Name);
    return dialog;
  }
  // Logs OnShow and OnClose into log.
  void Record(TCommonDialog* Dialog) {
    Dialog->OnShow = [this](TObject*) { log.push_back("show"); };
    Dialog->OnClose = [this](TObject*) { log.push_back("close"); };
  }

  TOwned<TDataModule> module;
  std::vector<std::string> log;
};

TEST_F(CommonDialogsTest, AnOpenDialogTakesTheNamesChosenOnOkAndKeepsItsOwnOnCancel) {
  auto* open = Add<TOpenDialog>("OpenDialog");
  Record(open);
  open->SetTitle("Open a report");
  open->SetFileName("old.txt");
  open->SetDefaultExt("txt");
  open->SetFilter("Text files (*.txt)|*.txt|All|*.*");
  Answer(IDOK, "/data/report");
  EXPECT_TRUE(open->Execute());
  EXPECT_EQ(open->GetFileName(), "/data/report.txt") << "a name without extension gets DefaultExt";
  EXPECT_EQ(open->GetFiles()->GetTextStr(), "/data/report.txt\n");
  EXPECT_FALSE(open->GetOptions().Contains(ofExtensionDifferent));
  EXPECT_EQ(log, (std::vector<std::string>{"show", "close"}));

  Answer(IDCANCEL, "/data/other.txt");
  EXPECT_FALSE(open->Execute());
  EXPECT_EQ(open->GetFileName(), "/data/report.txt");

  const auto& shown = Windows().CommonDialogsShown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].Kind, TCommonDialogKind::OpenFile);
  EXPECT_EQ(shown[0].Title, "Open a report");
  EXPECT_EQ(shown[0].Shown.Files, std::vector<std::string>{"old.txt"}) << "the dialog starts with FileName";
  EXPECT_EQ(shown[0].Shown.Filter, "Text files (*.txt)|*.txt|All|*.*");
  EXPECT_EQ(shown[1].Shown.Files, std::vector<std::string>{"/data/report.txt"});
  EXPECT_EQ(shown[1].Answer, IDCANCEL);

  // Nobody answering cancels the dialog, and the record says so.
  Windows().ClearMessageBoxes();
  EXPECT_FALSE(open->Execute());
  EXPECT_TRUE(Windows().CommonDialogsShown().at(0).Unanswered);
  EXPECT_EQ(open->GetFileName(), "/data/report.txt");
}

TEST_F(CommonDialogsTest, SeveralNamesOtherExtensionsAndARefusalOfOnCanClose) {
  auto* save = Add<TSaveDialog>("SaveDialog");
  save->SetOptions(DefaultOpenOptions + TOpenOptions{ofAllowMultiSelect});
  save->SetDefaultExt("txt");
  save->SetFileName("keep.txt");
  Answer(IDOK, "a.doc|b|c.TXT");
  ASSERT_TRUE(save->Execute());
  EXPECT_EQ(Windows().CommonDialogsShown().back().Kind, TCommonDialogKind::SaveFile);
  EXPECT_EQ(save->GetFileName(), "a.doc");
  EXPECT_EQ(save->GetFiles()->GetTextStr(), "a.doc\nb.txt\nc.TXT\n");
  EXPECT_TRUE(save->GetOptions().Contains(ofExtensionDifferent));

  std::string seen;
  save->OnCanClose = [&](TObject*, bool& CanClose) {
    seen = save->GetFileName();
    CanClose = false;
  };
  Answer(IDOK, "z.txt");
  EXPECT_FALSE(save->Execute());
  EXPECT_EQ(seen, "z.txt") << "OnCanClose sees the name chosen";
  EXPECT_EQ(save->GetFileName(), "a.doc") << "a refused choice leaves the dialog as it was";
  EXPECT_EQ(save->GetFiles()->GetCount(), 3);
  EXPECT_TRUE(save->GetOptions().Contains(ofExtensionDifferent));
}

TEST_F(CommonDialogsTest, FontColourAndPrintDialogsTakeWhatTheUserChose) {
  auto* font = Add<TFontDialog>("FontDialog");
  Answer(IDOK, "Courier New,14,BI");
  ASSERT_TRUE(font->Execute());
  EXPECT_EQ(font->GetFont()->GetName(), "Courier New");
  EXPECT_EQ(font->GetFont()->GetSize(), 14);
  EXPECT_EQ(font->GetFont()->GetStyle(), (TFontStyles{fsBold, fsItalic}));
  font->SetOptions({fdEffects, fdLimitSize});
  font->SetMaxFontSize(12);
  Answer(IDOK, "Arial,20,");
  ASSERT_TRUE(font->Execute());
  EXPECT_EQ(font->GetFont()->GetSize(), 12) << "fdLimitSize keeps the size within MaxFontSize";
  EXPECT_TRUE(font->GetFont()->GetStyle().Empty());

  auto* color = Add<TColorDialog>("ColorDialog");
  color->SetColor(clBtnFace);
  color->GetCustomColors()->SetTextStr("ColorA=FFFFFF\n\nnot a colour\nColorB=80FF\nColorC=1000000\n");
  Answer(IDOK, "$0000FF");
  ASSERT_TRUE(color->Execute());
  EXPECT_EQ(color->GetColor(), clRed);
  const TCommonDialogRequest& shown = Windows().CommonDialogsShown().back().Shown;
  EXPECT_EQ(shown.Color, static_cast<COLORREF>(ColorToRGB(clBtnFace))) << "a system colour shows as its RGB";
  EXPECT_EQ(shown.CustomColors, (std::vector<COLORREF>{0xFFFFFF, 0x80FF})) << "lines that are no colour are left out";
  EXPECT_EQ(color->GetCustomColors()->GetCount(), 5) << "and kept";

  auto* print = Add<TPrintDialog>("PrintDialog");
  print->SetOptions({poPageNums});
  print->SetMaxPage(9);
  print->SetToPage(1);
  Answer(IDOK, "2,3,5");
  ASSERT_TRUE(print->Execute());
  EXPECT_EQ(print->GetCopies(), 2);
  EXPECT_EQ(print->GetPrintRange(), prPageNums);
  EXPECT_EQ(print->GetFromPage(), 3);
  EXPECT_EQ(print->GetToPage(), 5);
  Answer(IDOK, "1");
  ASSERT_TRUE(print->Execute());
  EXPECT_EQ(print->GetPrintRange(), prAllPages);
  EXPECT_EQ(print->GetToPage(), 5) << "the page numbers stay for the next time";
}

TEST_F(CommonDialogsTest, BadInputRaisesAndChangesNothing) {
  auto* font = Add<TFontDialog>("FontDialog");
  font->GetFont()->SetName("Tahoma");
  Answer(IDOK, "Arial,big,B");
  EXPECT_EQ(RaisedMessage<EConvertError>([&] { font->Execute(); }),
            "'Arial,big,B' is not a valid dialog answer (\"Name,Size,Style\" expected)");
  EXPECT_EQ(font->GetFont()->GetName(), "Tahoma");
  EXPECT_EQ(RaisedMessage<ERangeError>([&] { font->SetMinFontSize(-1); }), "MinFontSize must not be negative (-1)");
  EXPECT_EQ(font->GetMinFontSize(), 0);
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { font->SetDevice(static_cast<TFontDialogDevice>(7)); }),
            "Invalid property value for Device of 'FontDialog'");
  EXPECT_EQ(font->GetDevice(), fdScreen);

  auto* print = Add<TPrintDialog>("PrintDialog");
  print->SetMinPage(1);
  print->SetMaxPage(4);
  print->SetFromPage(2);
  print->SetToPage(6);
  const std::size_t before = Windows().CommonDialogsShown().size();
  EXPECT_EQ(RaisedMessage<ERangeError>([&] { print->Execute(); }), "Page range 2..6 is outside 1..4");
  EXPECT_EQ(Windows().CommonDialogsShown().size(), before) << "a bad page range shows nothing";
}

TEST_F(CommonDialogsTest, AFindDialogStaysOpenAndFiresOnFindForEachPress) {
  auto* find = Add<TFindDialog>("FindDialog");
  Record(find);
  std::vector<std::string> found;
  find->OnFind = [&](TObject*) {
    found.push_back(find->GetFindText() + (find->GetOptions().Contains(frFindNext) ? " next" : ""));
  };
  Answer(IDOK, "needle");
  EXPECT_TRUE(find->Execute());
  EXPECT_EQ(found, std::vector<std::string>{"needle next"});
  ASSERT_NE(find->GetHandle(), 0u);
  EXPECT_EQ(Windows().OpenCommonDialogs(), std::vector<THandle>{find->GetHandle()});
  EXPECT_TRUE(find->Execute()) << "executing an open dialog leaves it showing";
  EXPECT_EQ(Windows().CommonDialogsShown().size(), 1u);

  EXPECT_TRUE(Windows().PressCommonDialog(find->GetHandle(), TCommonDialogAction::Find, "thread"));
  EXPECT_EQ(found.back(), "thread next");
  find->CloseDialog();
  EXPECT_EQ(find->GetHandle(), 0u);
  EXPECT_TRUE(Windows().OpenCommonDialogs().empty());
  EXPECT_EQ(log, (std::vector<std::string>{"show", "close"}));

  // Shown without an answer: open, nothing pressed yet; then the user closes it.
  log.clear();
  EXPECT_TRUE(find->Execute());
  EXPECT_EQ(found.size(), 2u);
  const THandle dialog = find->GetHandle();
  EXPECT_TRUE(Windows().PressCommonDialog(dialog, TCommonDialogAction::Close));
  EXPECT_EQ(find->GetHandle(), 0u);
  EXPECT_FALSE(Windows().PressCommonDialog(dialog, TCommonDialogAction::Find)) << "a closed dialog takes no press";
  EXPECT_EQ(log, (std::vector<std::string>{"show", "close"}));

  // A dialog freed while it shows goes from the screen.
  EXPECT_TRUE(find->Execute());
  find->Free();
  EXPECT_TRUE(Windows().OpenCommonDialogs().empty());
}

TEST_F(CommonDialogsTest, AReplaceDialogTellsReplaceFromReplaceAll) {
  auto* replace = Add<TReplaceDialog>("ReplaceDialog");
  std::vector<std::string> events;
  auto options = [&] {
    const TFindOptions o = replace->GetOptions();
    return std::string(o.Contains(frReplace) ? " one" : "") + (o.Contains(frReplaceAll) ? " all" : "") +
           (o.Contains(frFindNext) ? " next" : "");
  };
  replace->OnFind = [&](TObject*) { events.push_back("find " + replace->GetFindText() + options()); };
  replace->OnReplace = [&](TObject*) {
    events.push_back("replace " + replace->GetFindText() + ">" + replace->GetReplaceText() + options());
  };
  Answer(IDYES, "cat|dog");
  ASSERT_TRUE(replace->Execute());
  Windows().PressCommonDialog(replace->GetHandle(), TCommonDialogAction::Replace, "cow|ox");
  Windows().PressCommonDialog(replace->GetHandle(), TCommonDialogAction::Find);
  EXPECT_EQ(events, (std::vector<std::string>{"replace cat>dog all", "replace cow>ox one", "find cow next"}));
  EXPECT_TRUE(replace->GetOptions().Contains(frDown));

  // Cancel at once: shown and closed again.
  replace->CloseDialog();
  Answer(IDCANCEL);
  EXPECT_TRUE(replace->Execute());
  EXPECT_EQ(replace->GetHandle(), 0u);
  EXPECT_TRUE(Windows().OpenCommonDialogs().empty());
}

TEST_F(CommonDialogsTest, DialogsGoThroughAFormFileAndBack) {
  Add<TOpenDialog>("OpenDialog")->SetFilter("|*.txt");
  auto* save = Add<TSaveDialog>("SaveDialog");
  save->SetFilter("MP4 Video (*.mp4)|*.mp4|WAV Audio (*.wav)|*.wav");
  save->SetOptions({ofOverwritePrompt});
  save->SetFilterIndex(2);
  auto* font = Add<TFontDialog>("FontDialog");
  font->GetFont()->SetName("Arial");
  font->SetOptions({fdEffects, fdLimitSize});
  font->SetMaxFontSize(24);
  auto* color = Add<TColorDialog>("ColorDialog");
  color->SetColor(clRed);
  color->GetCustomColors()->Add("ColorA=FFFFFF");
  auto* print = Add<TPrintDialog>("PrintDialog");
  print->SetCopies(2);
  print->SetPrintRange(prPageNums);
  auto* find = Add<TFindDialog>("FindDialog");
  find->SetFindText("needle");
  find->SetOptions({frDown, frMatchCase});
  Add<TReplaceDialog>("ReplaceDialog")->SetReplaceText("thread");

  const TFormRoundTrip form = RoundTrip(module.get());
  for (const char* line :
       {"Filter = '|*.txt'", "Options = [ofOverwritePrompt]", "FilterIndex = 2", "Font.Name = 'Arial'",
        "MaxFontSize = 24", "Options = [fdEffects, fdLimitSize]", "Color = clRed", "CustomColors.Strings = (\n",
        "'ColorA=FFFFFF')", "Copies = 2", "PrintRange = prPageNums", "Options = [frDown, frMatchCase]",
        "FindText = 'needle'", "ReplaceText = 'thread'"})
    EXPECT_NE(form.Text.find(line), std::string::npos) << line << " missing from\n" << form.Text;
  for (const char* absent : {"Ctl3D", "HelpContext", "Device", "OptionsEx", "Collate", "Options = [frDown]\n"})
    EXPECT_EQ(form.Text.find(absent), std::string::npos) << absent << " is a default and not written";

  TOwned<TDataModule> copy = ReadNewRoot<TDataModule>(form.Binary);
  EXPECT_EQ(FormBinary(copy.get()), form.Binary);
  auto* readSave = static_cast<TSaveDialog*>(copy->FindComponent("SaveDialog"));
  ASSERT_NE(readSave, nullptr);
  EXPECT_EQ(readSave->GetOptions(), TOpenOptions{ofOverwritePrompt});
  EXPECT_EQ(static_cast<TOpenDialog*>(copy->FindComponent("OpenDialog"))->GetOptions(), DefaultOpenOptions);
  EXPECT_EQ(static_cast<TColorDialog*>(copy->FindComponent("ColorDialog"))->GetCustomColors()->GetValues("ColorA"),
            "FFFFFF");
}

}  // namespace
}  // namespace host::commdlgtest
