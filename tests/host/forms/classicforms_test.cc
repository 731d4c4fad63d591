// Form files of classic applications: the application's own root class is
// read into a TForm that writes the class's name back, event handlers bound
// to the application's code and the classic properties the host has no use
// for are kept where they stood and written back, and whatever no classic
// form could hold is still refused.
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/keptprops.h"
#include "host/classes/streams.h"
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

}  // namespace
}  // namespace host::formstest
