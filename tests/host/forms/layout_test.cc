// Form classes that read their layout when created: the form's own
// properties and its controls come from the text (or a form file),
// ancestors' layouts first; CreateNew reads none; a bad layout leaves
// nothing behind.
#include "tests/host/forms/forms_test.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "host/classes/formtext.h"
#include "host/classes/streams.h"

namespace host::formstest {

class TLayoutForm : public TForm {
  HOST_CLASS(TLayoutForm, TForm)
  using TCreateArg = TComponent;
  explicit TLayoutForm(TComponent* AOwner) : TForm(AOwner) {}

 protected:
  ~TLayoutForm() override = default;
};
HOST_IMPL(TLayoutForm, TForm)

class TDerivedForm : public TLayoutForm {
  HOST_CLASS(TDerivedForm, TLayoutForm)
  using TCreateArg = TComponent;
  explicit TDerivedForm(TComponent* AOwner) : TLayoutForm(AOwner) {}

 protected:
  ~TDerivedForm() override = default;
};
HOST_IMPL(TDerivedForm, TLayoutForm)

namespace {

constexpr char kLayout[] = R"(object LayoutForm: TLayoutForm
  Left = 10
  Top = 20
  Caption = 'Hello'
  ClientHeight = 120
  ClientWidth = 200
  ActiveControl = NameEdit
  KeyPreview = True
  object NameEdit: TEdit
    Left = 8
    Top = 8
    Width = 100
    Height = 21
    TabOrder = 0
  end
  object Ok: TButton
    Left = 8
    Top = 40
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
end
)";

constexpr char kDerivedLayout[] = R"(inherited LayoutForm: TDerivedForm
  Caption = 'Derived'
  inherited Ok: TButton
    Caption = 'Fine'
  end
  object Cancel: TButton
    Left = 90
    Top = 40
    Width = 75
    Height = 25
    Cancel = True
    ModalResult = 2
    TabOrder = 2
  end
end
)";

class LayoutTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    RegisterFormLayout(&TLayoutForm::StaticMetaClass, kLayout);
    RegisterFormLayout(&TDerivedForm::StaticMetaClass, kDerivedLayout);
  }
  void TearDown() override {
    UnregisterFormLayout(&TLayoutForm::StaticMetaClass);
    UnregisterFormLayout(&TDerivedForm::StaticMetaClass);
    FormsTest::TearDown();
  }
};

TEST_F(LayoutTest, AFormReadsItsLayoutAndRunsModallyFromIt) {
  TOwned<TLayoutForm> form(New<TLayoutForm>(nullptr));
  EXPECT_EQ(form->GetName(), "LayoutForm");
  EXPECT_EQ(form->GetCaption(), "Hello");
  EXPECT_EQ(form->GetClientRect(), Bounds(0, 0, 200, 120));
  EXPECT_EQ(form->GetBoundsRect(), Bounds(10, 20, 208, 147));  // with a sizeable frame and a title bar
  EXPECT_TRUE(form->GetKeyPreview());
  auto* edit = dynamic_cast<TEdit*>(form->FindComponent("NameEdit"));
  auto* ok = dynamic_cast<TButton*>(form->FindComponent("Ok"));
  ASSERT_TRUE(edit && ok);
  EXPECT_EQ(edit->GetParent(), form.get());
  EXPECT_EQ(form->GetActiveControl(), edit);
  EXPECT_FALSE(form->GetFormState().Contains(fsCreating));
  // The user types a name into the focused edit and presses Enter.
  Drive({[&] { Robot().Type("Ann\n"); }});
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(edit->GetText(), "Ann");
}

TEST_F(LayoutTest, ASecondFormOfAClassBesideTheFirstIsNamedApart) {
  TOwned<TForm> owner = NewForm("Owner");
  auto* first = New<TLayoutForm>(owner.get());
  auto* second = New<TLayoutForm>(owner.get());
  auto* third = New<TLayoutForm>(owner.get());
  EXPECT_EQ(first->GetName(), "LayoutForm");
  EXPECT_EQ(second->GetName(), "LayoutForm_1");
  EXPECT_EQ(third->GetName(), "LayoutForm_2");
  EXPECT_EQ(second->GetComponentCount(), 2);
}

TEST_F(LayoutTest, ADerivedFormReadsItsAncestorsLayoutFirst) {
  TOwned<TDerivedForm> form(New<TDerivedForm>(nullptr));
  EXPECT_EQ(form->GetCaption(), "Derived");
  EXPECT_EQ(form->GetComponentCount(), 3);
  auto* ok = dynamic_cast<TButton*>(form->FindComponent("Ok"));
  auto* cancel = dynamic_cast<TButton*>(form->FindComponent("Cancel"));
  ASSERT_TRUE(ok && cancel);
  EXPECT_EQ(ok->GetCaption(), "Fine");
  EXPECT_EQ(ok->GetModalResult(), mrOk) << "kept from the ancestor's layout";
  Drive({[&] { Robot().Press(VK_ESCAPE); }});
  EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(LayoutTest, CreateNewReadsNoLayout) {
  TOwned<TCustomForm> form(TCustomForm::CreateNew(&TLayoutForm::StaticMetaClass, nullptr));
  EXPECT_EQ(form->ClassType(), &TLayoutForm::StaticMetaClass);
  EXPECT_EQ(form->GetComponentCount(), 0);
  EXPECT_EQ(form->GetCaption(), "");
  EXPECT_RAISES(TCustomForm::CreateNew(&TButton::StaticMetaClass, nullptr), EInvalidOperation,
                "Cannot create a form: 'TButton' is not a form class");
  // The next form made the ordinary way reads its layout again.
  TOwned<TLayoutForm> read(New<TLayoutForm>(nullptr));
  EXPECT_EQ(read->GetComponentCount(), 2);
}

// A program reads the layouts it ships as files, text or binary; a file
// that cannot be read says which and keeps the layout registered before.
TEST_F(LayoutTest, LayoutsComeFromFormFilesOfEitherFormat) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("corvane-layout-" + IntToStr(getpid()));
  std::filesystem::create_directories(dir);
  const auto write = [&dir](const char* Name, const std::string& Bytes) {
    std::ofstream(dir / Name, std::ios::binary) << Bytes;
    return (dir / Name).string();
  };
  TOwned<TStringStream> text = MakeOwned<TStringStream>(std::string(kLayout)), binary = MakeOwned<TStringStream>();
  ObjectTextToBinary(text.get(), binary.get());
  const std::string textFile = write("layout.dfm", std::string(kLayout));
  const std::string binaryFile = write("binary.dfm", binary->GetDataString());
  const std::string otherFile = write("other.dfm", "object LayoutForm: TLayoutForm\n  Caption = 'Other'\nend\n");
  for (const std::string& file : {binaryFile, textFile}) {
    RegisterFormLayoutFile(&TLayoutForm::StaticMetaClass, otherFile);
    RegisterFormLayoutFile(&TLayoutForm::StaticMetaClass, file);
    TOwned<TLayoutForm> form(New<TLayoutForm>(nullptr));
    EXPECT_EQ(form->GetCaption(), "Hello") << file;
    auto* edit = dynamic_cast<TEdit*>(form->FindComponent("NameEdit"));
    ASSERT_TRUE(edit) << file;
    Drive({[&] { Robot().Type("Bo\n"); }});
    EXPECT_EQ(form->ShowModal(), mrOk) << file;
    EXPECT_EQ(edit->GetText(), "Bo") << file;
  }
  const std::string missing = (dir / "missing.dfm").string();
  EXPECT_EQ(RaisedMessage<EFOpenError>([&] { RegisterFormLayoutFile(&TLayoutForm::StaticMetaClass, missing); })
                .find("Cannot open file \"" + missing + "\""),
            0u);
  EXPECT_RAISES(RegisterFormLayoutFile(&TLayoutForm::StaticMetaClass, write("notes.txt", "Buy milk\n")), EReadError,
                dir.string() + "/notes.txt: The stream holds no form (neither the text syntax nor the binary format)");
  EXPECT_RAISES(RegisterFormLayoutFile(&TLayoutForm::StaticMetaClass, write("cut.dfm", "object LayoutForm: TLayoutForm\n")),
                EParserError, dir.string() + "/cut.dfm: end expected on line 2");
  EXPECT_RAISES(RegisterFormLayoutFile(&TButton::StaticMetaClass, textFile), EInvalidOperation,
                "Cannot register a form layout: 'TButton' is not a form class");
  TOwned<TLayoutForm> kept(New<TLayoutForm>(nullptr));
  EXPECT_EQ(kept->GetCaption(), "Hello") << "the layout read last stays";
  std::filesystem::remove_all(dir);
}

TEST_F(LayoutTest, BadLayoutsAreRefusedAndABrokenOneLeavesNothing) {
  EXPECT_RAISES(RegisterFormLayout(&TButton::StaticMetaClass, kLayout), EInvalidOperation,
                "Cannot register a form layout: 'TButton' is not a form class");
  EXPECT_NE(RaisedMessage<EParserError>([] { RegisterFormLayout(&TLayoutForm::StaticMetaClass, "object X: TX\n  A = \n"); })
                .front(),
            '<');
  EXPECT_TRUE(HasFormLayout(&TLayoutForm::StaticMetaClass)) << "the good layout stays";
  RegisterFormLayout(&TLayoutForm::StaticMetaClass, "object LayoutForm: TLayoutForm\n  object X: TNoSuchControl\n  end\nend\n");
  const int forms = Screen->GetCustomFormCount();
  EXPECT_NE(RaisedMessage<EClassNotFound>([] { New<TLayoutForm>(nullptr); }).front(), '<');
  EXPECT_EQ(Screen->GetCustomFormCount(), forms) << "the form that failed left the screen again";
}

}  // namespace
}  // namespace host::formstest
