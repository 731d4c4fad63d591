// Form files of classic applications: the application's own root class is
// read into a TForm that writes the class's name back, event handlers bound
// to the application's code and the classic properties the host has no use
// for are kept where they stood and written back, and whatever no classic
// form could hold is still refused.
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/keptprops.h"
#include "host/classes/datamodule.h"
#include "host/classes/streams.h"
#include "host/controls/cursors.h"
#include "host/forms/frame.h"
#include "host/menus/menu.h"
#include "host/stdctrls/lists.h"
#include "tests/host/forms/forms_test.h"

namespace host::formstest {
namespace {

using ClassicFormsTest = FormsTest;

constexpr char kClassicForm[] = R"(object frmMain: TfrmMain
  Left = 0
  Top = 0
  Caption = 'Main'
  ClientHeight = 120
  ClientWidth = 240
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Go: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Go'
    TabOrder = 0
    OnClick = GoClick
    ExplicitLeft = 10
    ExplicitTop = 12
  end
end
)";

TOwned<TComponent> ReadText(const std::string& Text) {
  TOwned<TStringStream> text = MakeOwned<TStringStream>(Text);
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  ObjectTextToBinary(text.get(), binary.get());
  binary->SetPosition(0);
  TOwned<TReader> reader = MakeOwned<TReader>(binary.get(), 4096);
  return TOwned<TComponent>(reader->ReadRootComponent(nullptr));
}

std::string WriteText(TComponent* Root) {
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  binary->WriteComponent(Root);
  binary->SetPosition(0);
  TOwned<TStringStream> text = MakeOwned<TStringStream>("");
  ObjectBinaryToText(binary.get(), text.get());
  return text->GetDataString();
}

TEST_F(ClassicFormsTest, AnApplicationsFormIsReadIntoATFormAndWrittenBackWithItsHandlersInPlace) {
  TOwned<TComponent> root = ReadText(kClassicForm);
  ASSERT_EQ(root->ClassName(), "TForm");
  EXPECT_EQ(WrittenClassName(root.get()), "TfrmMain");
  auto* go = dynamic_cast<TButton*>(root->FindComponent("Go"));
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(KeptHandlers(root.get()), (std::vector<std::pair<std::string, std::string>>{{"OnCreate", "FormCreate"}}));
  EXPECT_EQ(KeptHandlers(go), (std::vector<std::pair<std::string, std::string>>{{"OnClick", "GoClick"}}));
  // Bound to code: nothing runs here.
  go->Click();

  const std::string text = WriteText(root.get());
  EXPECT_EQ(text.rfind("object frmMain: TfrmMain\n", 0), 0u) << text;
  // Each kept property follows the property it followed in the file.
  for (const char* run : {"    TabOrder = 0\n    OnClick = GoClick\n    ExplicitLeft = 10\n    ExplicitTop = 12\n",
                          "  PixelsPerInch = 96\n  TextHeight = 13\n", "  OnCreate = FormCreate\n"})
    EXPECT_NE(text.find(run), std::string::npos) << run << "\n" << text;
  // The size as the file gave it: the client size here (the outer size of a
  // scrolling form otherwise).
  EXPECT_EQ(text.find("\n  Width = "), std::string::npos) << text;
  // And it reads again into the same.
  TOwned<TComponent> again = ReadText(text);
  EXPECT_EQ(WriteText(again.get()), text);
}

TEST_F(ClassicFormsTest, WhatNoClassicFormHoldsIsStillRefused) {
  EXPECT_RAISES(ReadText("object F: TForm1\n  Bogus = 1\nend\n"), EReadError,
                "Error reading F.Bogus: Property Bogus does not exist");
  EXPECT_RAISES(ReadText("object F: TForm1\n  OnCreate = 5\nend\n"), EReadError,
                "Error reading F.OnCreate: Property OnCreate does not exist");
  EXPECT_RAISES(ReadText("object F: TForm1\n  object X: TNoSuchPart\n  end\nend\n"), EClassNotFound,
                "Class TNoSuchPart not found");
  // A component that is no control takes no control's extras.
  EXPECT_RAISES(ReadText("object F: TForm1\n  object A: TActionList\n    ExplicitLeft = 1\n  end\nend\n"), EReadError,
                "Error reading F.A.ExplicitLeft: Property ExplicitLeft does not exist");
}

// The colour and font every classic form file gives its form.
#define kClassicLooks                                                                             \
  "  Color = clBtnFace\n  Font.Charset = DEFAULT_CHARSET\n  Font.Color = clWindowText\n" \
  "  Font.Height = -11\n  Font.Name = 'MS Sans Serif'\n  Font.Style = []\n"

// The text a form reads from comes back unchanged.
void ExpectRoundTrip(const std::string& Text) {
  TOwned<TComponent> root = ReadText(Text);
  EXPECT_EQ(WriteText(root.get()), Text);
}

TEST_F(ClassicFormsTest, AFramesOrADataModulesFileIsReadIntoThatStandardClass) {
  constexpr char kFrame[] = "object frmTools: TfrmTools\n  Left = 0\n  Top = 0\n  Width = 320\n  Height = 240\n"
                            "  TabOrder = 0\n  object Go: TButton\n    Left = 8\n    Top = 8\n    Width = 75\n"
                            "    Height = 25\n    Caption = 'Go'\n    TabOrder = 0\n  end\nend\n";
  constexpr char kDataModule[] = "object dmData: TdmData\n  OldCreateOrder = False\n  Height = 150\n"
                                 "  Width = 215\n  object Actions: TActionList\n    Left = 24\n    Top = 16\n  end\nend\n";
  TOwned<TComponent> frame = ReadText(kFrame);
  EXPECT_EQ(frame->ClassName(), "TFrame");
  EXPECT_EQ(WriteText(frame.get()), kFrame);
  TOwned<TComponent> module = ReadText(kDataModule);
  EXPECT_EQ(module->ClassName(), "TDataModule");
  EXPECT_EQ(WriteText(module.get()), kDataModule);
  // A form stays a form; asked for, any root is read into the class named.
  EXPECT_EQ(ReadText(kClassicForm)->ClassName(), "TForm");
  ForceGenericRootClass(&TFrame::StaticMetaClass);
  TOwned<TComponent> forced = ReadText("object X: TMyPanel\n  Left = 0\n  Top = 0\nend\n");
  ForceGenericRootClass(nullptr);
  EXPECT_EQ(forced->ClassName(), "TFrame");
}

TEST_F(ClassicFormsTest, ChildrenTakeTheTabOrderAndPlaceTheFileGaveThem) {
  // The file gives the first box a tab order beyond the children read so
  // far, and anchors a button to the right and bottom of a dialog.
  const std::string text =
      "object dlgOptions: TdlgOptions\n  Left = 0\n  Top = 0\n  BorderStyle = bsDialog\n  Caption = 'Options'\n"
      "  ClientHeight = 120\n  ClientWidth = 240\n" kClassicLooks "  OldCreateOrder = False\n"
      "  Position = poMainFormCenter\n"
      "  PixelsPerInch = 96\n  TextHeight = 13\n"
      "  object First: TEdit\n    Left = 8\n    Top = 8\n    Width = 121\n    Height = 21\n    TabOrder = 2\n  end\n"
      "  object Second: TEdit\n    Left = 8\n    Top = 32\n    Width = 121\n    Height = 21\n    TabOrder = 0\n  end\n"
      "  object Close: TButton\n    Left = 157\n    Top = 87\n    Width = 75\n    Height = 25\n"
      "    Anchors = [akRight, akBottom]\n    Cancel = True\n    Caption = 'Close'\n    ModalResult = 2\n"
      "    TabOrder = 1\n  end\nend\n";
  TOwned<TComponent> root = ReadText(text);
  auto* form = static_cast<TCustomForm*>(root.get());
  auto* first = static_cast<TWinControl*>(form->FindComponent("First"));
  auto* close = static_cast<TButton*>(form->FindComponent("Close"));
  EXPECT_EQ(first->GetTabOrder(), 2);
  EXPECT_EQ(close->GetTabOrder(), 1);
  EXPECT_EQ(close->GetBoundsRect(), Rect(157, 87, 232, 112));
  EXPECT_EQ(WriteText(root.get()), text);
  // The dialog keeps the border icons it was given; its frame has no
  // minimise or maximise box all the same.
  EXPECT_EQ(form->GetBorderIcons(), (TBorderIcons{biSystemMenu, biMinimize, biMaximize}));
  form->Show();
  uint32_t style = 0, exStyle = 0;
  ASSERT_TRUE(WidgetSet().Windows().GetWindowStyle(form->GetWindowHandle(), style, exStyle));
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_NE(style & WS_SYSMENU, 0u);
  // Anchored, the button follows the dialog's corner.
  form->SetClientWidth(300);
  EXPECT_EQ(close->GetLeft(), 217);
}

TEST_F(ClassicFormsTest, AnOwnerCentredFormIsCentredOnItsOwner) {
  TOwned<TForm> owner = NewForm("Owner");
  owner->SetBounds(100, 50, 400, 300);
  auto* dialog = static_cast<TForm*>(TCustomForm::CreateNew(&TForm::StaticMetaClass, owner.get()));
  dialog->SetBounds(0, 0, 200, 100);
  dialog->SetPosition(poOwnerFormCenter);
  dialog->Show();
  EXPECT_EQ(dialog->GetBoundsRect(), Rect(200, 150, 400, 250));
}

TEST_F(ClassicFormsTest, ALabelKeepsTheSizeItsFileGaveItUntilItsCaptionChanges) {
  const std::string text = "object F: TF\n  Left = 0\n  Top = 0\n  ClientHeight = 100\n  ClientWidth = 200\n"
                           kClassicLooks "  OldCreateOrder = False\n  PixelsPerInch = 96\n  TextHeight = 13\n"
                           "  object Prompt: TLabel\n    Left = 8\n    Top = 8\n    Width = 97\n    Height = 13\n"
                           "    Caption = 'Name:'\n  end\nend\n";
  TOwned<TComponent> root = ReadText(text);
  auto* prompt = static_cast<TLabel*>(root->FindComponent("Prompt"));
  EXPECT_EQ(prompt->GetWidth(), 97);
  EXPECT_EQ(WriteText(root.get()), text);
  prompt->SetCaption("Name");
  EXPECT_NE(prompt->GetWidth(), 97);
  EXPECT_EQ(prompt->GetWidth(), prompt->GetCanvas()->TextWidth("Name"));
}

TEST_F(ClassicFormsTest, ClassicPropertiesComeBackInTheirClassicOrderAndValues) {
  // Button properties in declaration order, a hand cursor, a later
  // library's margins, a combo box whose ItemIndex comes before its items,
  // a list box whose file held its item height.
  ExpectRoundTrip(
      "object F: TF\n  Left = 0\n  Top = 0\n  Width = 300\n  Height = 200\n  Color = clGradientActiveCaption\n"
      "  Font.Charset = DEFAULT_CHARSET\n  Font.Color = clWindowText\n  Font.Height = -11\n"
      "  Font.Name = 'MS Sans Serif'\n  Font.Style = []\n  OldCreateOrder = False\n  PixelsPerInch = 96\n"
      "  TextHeight = 13\n"
      "  object Ok: TButton\n    Left = 8\n    Top = 8\n    Width = 75\n    Height = 25\n    Cursor = crHandPoint\n"
      "    Margins.Left = 5\n    Margins.Top = 5\n    Cancel = True\n    Caption = 'OK'\n    Default = True\n"
      "    ModalResult = 1\n    TabOrder = 0\n    OnClick = OkClick\n  end\n"
      "  object Kind: TComboBox\n    Left = 8\n    Top = 40\n    Width = 145\n    Height = 21\n"
      "    Style = csDropDownList\n    ItemIndex = 1\n    TabOrder = 1\n    Text = 'Two'\n    OnChange = KindChange\n"
      "    Items.Strings = (\n      'One'\n      'Two')\n  end\n"
      "  object Names: TListBox\n    Left = 8\n    Top = 72\n    Width = 121\n    Height = 97\n"
      "    ItemHeight = 13\n    TabOrder = 2\n  end\nend\n");
  TOwned<TComponent> root = ReadText(
      "object F: TF\n  object Kind: TComboBox\n    Style = csDropDownList\n    ItemIndex = 1\n"
      "    Items.Strings = (\n      'One'\n      'Two')\n  end\nend\n");
  auto* kind = static_cast<TComboBox*>(root->FindComponent("Kind"));
  EXPECT_EQ(kind->GetItemIndex(), 1);
  EXPECT_EQ(kind->GetText(), "Two");
  std::string ident;
  ASSERT_TRUE(CursorToIdent(crHandPoint, ident));
  EXPECT_EQ(ident, "crHandPoint");
  EXPECT_RAISES(ReadText("object F: TF\n  Caption = 'F'\n  Cursor = crPointyHand\nend\n"), EReadError,
                "Error reading F.Cursor: Invalid property value: 'crPointyHand' is not a value of TCursor");
  EXPECT_RAISES(ReadText("object F: TF\n  Caption = 'F'\n  Margins.Middle = 1\nend\n"), EReadError,
                "Error reading F.Margins.Middle: Property Margins.Middle does not exist");
}

TEST_F(ClassicFormsTest, PropertiesReadFromAFileAreWrittenInTheFilesOrder) {
  // An era whose memos had TabStop before Anchors: the order read is kept,
  // and a property set afterwards goes after the one it follows in the
  // classic order.
  const std::string text = "object F: TF\n  Left = 0\n  Top = 0\n  Width = 300\n  Height = 200\n" kClassicLooks
                           "  OldCreateOrder = False\n  PixelsPerInch = 96\n  TextHeight = 13\n"
                           "  object Log: TMemo\n    Left = 8\n    Top = 8\n    Width = 200\n    Height = 100\n"
                           "    TabStop = False\n    Anchors = [akLeft, akTop, akBottom]\n    ReadOnly = True\n"
                           "    TabOrder = 0\n  end\nend\n";
  TOwned<TComponent> root = ReadText(text);
  EXPECT_EQ(WriteText(root.get()), text);
  static_cast<TMemo*>(root->FindComponent("Log"))->SetMaxLength(10);
  const std::string changed = WriteText(root.get());
  EXPECT_NE(changed.find("    Anchors = [akLeft, akTop, akBottom]\n    MaxLength = 10\n    ReadOnly = True\n"),
            std::string::npos)
      << changed;
}

// A form's Width and Height are its outer size: the client area is what the
// border, the title bar, the menu bar and BorderWidth leave, and the window
// the widgetset makes is that client area.
TEST_F(ClassicFormsTest, AFormsOuterSizeHoldsItsWindowFrame) {
  auto withPanel = [](const std::string& Size, const std::string& Panel) {
    return "object F: TF\n  Left = 100\n  Top = 50\n" + Size + kClassicLooks
           "  OldCreateOrder = False\n  PixelsPerInch = 96\n  TextHeight = 13\n"
           "  object Body: TListBox\n" + Panel + "    Align = alClient\n    TabOrder = 0\n  end\nend\n";
  };
  // A sizeable frame: 4 pixels a side and a 19-pixel title bar.
  const std::string sizeable = withPanel("  Width = 696\n  Height = 480\n",
                                         "    Left = 0\n    Top = 0\n    Width = 688\n    Height = 453\n");
  TOwned<TComponent> root = ReadText(sizeable);
  auto* form = static_cast<TForm*>(root.get());
  auto* body = static_cast<TListBox*>(root->FindComponent("Body"));
  EXPECT_EQ(form->GetClientRect(), Rect(0, 0, 688, 453));
  EXPECT_EQ(body->GetBoundsRect(), Rect(0, 0, 688, 453));
  EXPECT_EQ(WriteText(root.get()), sizeable);
  form->Show();
  TRect window;
  ASSERT_TRUE(Windows().GetWindowBounds(form->GetWindowHandle(), window));
  EXPECT_EQ(window, Rect(104, 73, 104 + 688, 73 + 453));
  EXPECT_EQ(body->ClientToScreen({0, 0}), (TPoint{104, 73}));
  // The window manager resizes the window: the form grows by as much.
  TWMSize size;
  size.Width = 700;
  size.Height = 500;
  form->Dispatch(&size);
  EXPECT_EQ(form->GetBoundsRect(), Rect(100, 50, 100 + 708, 50 + 527));
  EXPECT_EQ(body->GetBoundsRect(), Rect(0, 0, 700, 500));
  // A menu bar takes 20 pixels of the client area; a frame without a border
  // leaves it all.
  TMainMenu* menu = New<TMainMenu>(form);
  form->SetMenu(menu);
  EXPECT_EQ(body->GetHeight(), 480);
  form->SetMenu(nullptr);
  form->SetBorderStyle(static_cast<TFormBorderStyle>(bsNone));
  EXPECT_EQ(body->GetBoundsRect(), Rect(0, 0, 708, 527));

  // A file written where the title bar was taller: the children tell the
  // client area they filled, and it stays theirs until the frame changes.
  const std::string taller = withPanel("  Width = 535\n  Height = 731\n",
                                       "    Left = 0\n    Top = 0\n    Width = 527\n    Height = 700\n");
  root = ReadText(taller);
  form = static_cast<TForm*>(root.get());
  body = static_cast<TListBox*>(root->FindComponent("Body"));
  EXPECT_EQ(body->GetBoundsRect(), Rect(0, 0, 527, 700));
  EXPECT_EQ(WriteText(root.get()), taller);
  form->SetBorderStyle(static_cast<TFormBorderStyle>(bsSingle));
  EXPECT_EQ(body->GetBoundsRect(), Rect(0, 0, 529, 706));

  // A client size is taken once the menu is known; a form's BorderWidth is
  // part of its frame, not of its client area.
  const std::string client =
      "object F: TF\n  Left = 0\n  Top = 0\n  BorderStyle = bsNone\n  BorderWidth = 2\n  ClientHeight = 36\n"
      "  ClientWidth = 482\n" kClassicLooks "  Menu = Main\n  OldCreateOrder = False\n  PixelsPerInch = 96\n"
      "  TextHeight = 13\n  object Prompt: TLabel\n    Left = 0\n    Top = 0\n    Width = 482\n    Height = 36\n"
      "    Align = alClient\n    AutoSize = False\n  end\n  object Main: TMainMenu\n    Left = 8\n    Top = 8\n  end\nend\n";
  root = ReadText(client);
  form = static_cast<TForm*>(root.get());
  EXPECT_EQ(form->GetBoundsRect(), Rect(0, 0, 486, 36 + 20 + 4));
  EXPECT_EQ(static_cast<TLabel*>(root->FindComponent("Prompt"))->GetBoundsRect(), Rect(0, 0, 482, 36));
  EXPECT_EQ(WriteText(root.get()), client);
  // A border wider than the form leaves no client area.
  form->SetBorderWidth(2147483647);
  EXPECT_EQ(form->GetClientRect(), Rect(0, 0, 0, 0));
}

}  // namespace
}  // namespace host::formstest
