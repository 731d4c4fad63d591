// Controls in form files: the published bounds, cursor, hint and help
// context, size constraints, and children nested under their parent
// control, through the text form and back; a control placed inside a
// control that cannot hold controls is refused.
#include "host/controls/controlprops.h"
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {

// Test-only controls that publish a few properties of their own.
class TTestPanel : public TCustomControl {
  HOST_CLASS(TTestPanel, TCustomControl)
  using TCreateArg = TComponent;
  explicit TTestPanel(TComponent* AOwner) : TCustomControl(AOwner) { FControlStyle.Include(csAcceptsControls); }

 protected:
  ~TTestPanel() override = default;
};

class TTestShape : public TGraphicControl {
  HOST_CLASS(TTestShape, TGraphicControl)
  using TCreateArg = TComponent;
  explicit TTestShape(TComponent* AOwner) : TGraphicControl(AOwner) {}

 protected:
  ~TTestShape() override = default;
};

HOST_IMPL(TTestPanel, TCustomControl)
HOST_IMPL(TTestShape, TGraphicControl)

namespace {

class ControlStreaming : public ControlsTest {
 protected:
  static void SetUpTestSuite() {
    ControlsTest::SetUpTestSuite();
    for (TClass c : {&TTestPanel::StaticMetaClass, &TTestShape::StaticMetaClass}) {
      RegisterProperties(c, PublishedControlProps({"Align", "Caption", "Color", "Constraints", "ParentColor"}));
      RegisterClass(c);
    }
  }
  static void TearDownTestSuite() {
    for (TClass c : {&TTestPanel::StaticMetaClass, &TTestShape::StaticMetaClass}) {
      UnRegisterClass(c);
      UnregisterProperties(c);
    }
    ControlsTest::TearDownTestSuite();
  }
};

template <class T>
T* Make(TComponent* Owner, TWinControl* Parent, const char* Name, TRect Bounds) {
  T* control = new T(Owner);
  control->SetName(Name);
  control->SetParent(Parent);
  control->SetBoundsRect(Bounds);
  return control;
}

TEST_F(ControlStreaming, ATreeOfControlsRoundTripsWithItsParentsAndProperties) {
  TOwned<TTestPanel> form = MakeOwned<TTestPanel>(nullptr);
  form->SetName("Form1");
  form->SetBounds(0, 0, 300, 200);
  auto* top = Make<TTestPanel>(form.get(), form.get(), "Panel1", Rect(0, 0, 300, 40));
  top->SetAlign(alTop);
  top->SetCaption("Tools");
  top->SetColor(clRed);
  top->SetHelpContext(12);
  top->GetConstraints()->SetMinHeight(30);
  auto* shape = Make<TTestShape>(form.get(), top, "Shape1", Rect(4, 4, 20, 20));
  shape->SetHint("A shape");
  shape->SetCursor(crHandPoint);
  Make<TTestPanel>(form.get(), form.get(), "Panel2", Rect(10, 50, 110, 150));

  const auto [binary, text] = RoundTrip(form.get());
  EXPECT_NE(text.find("  object Panel1: TTestPanel\n"
                      "    Left = 0\n    Top = 0\n    Width = 300\n    Height = 40\n"
                      "    HelpContext = 12\n"
                      "    Align = alTop\n    Caption = 'Tools'\n    Color = clRed\n"
                      "    Constraints.MinHeight = 30\n    ParentColor = False\n"
                      "    object Shape1: TTestShape\n"
                      "      Left = 4\n      Top = 4\n      Width = 16\n      Height = 16\n"
                      "      Cursor = crHandPoint\n      Hint = 'A shape'\n"
                      "    end\n"
                      "  end\n"
                      "  object Panel2: TTestPanel\n"),
            std::string::npos)
      << text;

  // Read back, every control is in its parent again; its properties give
  // the same form.
  TOwned<TTestPanel> copy = ReadNewRoot<TTestPanel>(binary);
  auto* panel1 = As<TTestPanel>(copy->FindComponent("Panel1"));
  auto* shape1 = As<TTestShape>(copy->FindComponent("Shape1"));
  auto* panel2 = As<TTestPanel>(copy->FindComponent("Panel2"));
  ASSERT_TRUE(panel1 && shape1 && panel2);
  EXPECT_EQ(shape1->GetParent(), panel1);
  EXPECT_EQ(panel2->GetParent(), copy.get());
  ASSERT_EQ(copy->GetControlCount(), 2);
  EXPECT_EQ(copy->GetControls(0), panel1);
  EXPECT_EQ(panel1->GetConstraints()->GetMinHeight(), 30);
  EXPECT_EQ(FormText(copy.get()), text);
}

TEST_F(ControlStreaming, AControlPlacedInsideANonWindowedControlIsRefusedByName) {
  const std::string text =
      "object Form1: TTestPanel\n"
      "  object Shape1: TTestShape\n"
      "    object Panel3: TTestPanel\n"
      "      Caption = 'Lost'\n"
      "    end\n"
      "  end\n"
      "end\n";
  const std::string message = RaisedMessage([&] { ReadNewRoot<TTestPanel>(TextToBinary(text)); });
  EXPECT_NE(message.find("Control 'Panel3' cannot be placed on 'Shape1': it is not a windowed control"),
            std::string::npos)
      << message;
}

TEST_F(ControlStreaming, ControlsAtTheTopOfADataModuleStayWithoutParentAndKeepTheirChildren) {
  const std::string text =
      "object Module1: TDataModule\n"
      "  object Panel1: TTestPanel\n"
      "    object Shape1: TTestShape\n"
      "    end\n"
      "  end\n"
      "end\n";
  TOwned<TDataModule> module = MakeOwned<TDataModule>(nullptr);
  ReadForm(TextToBinary(text), module.get());
  auto* panel = As<TTestPanel>(module->FindComponent("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->GetParent(), nullptr);
  EXPECT_EQ(As<TControl>(module->FindComponent("Shape1"))->GetParent(), panel);
}

}  // namespace
}  // namespace host::controlstest

namespace host::controlstest {
namespace {

TEST_F(ControlStreaming, SharedPropertiesAreChosenByNameAndAColourTakenFromTheParentIsNotWritten) {
  EXPECT_RAISES(PublishedControlProps({"Align", "Colour"}), EInvalidOperation,
                "No shared control property is called 'Colour'");
  TOwned<TTestPanel> form = MakeOwned<TTestPanel>(nullptr);
  form->SetName("Form1");
  form->SetColor(clYellow);
  auto* inherits = Make<TTestPanel>(form.get(), form.get(), "Inherits", Rect(0, 0, 10, 10));
  auto* own = Make<TTestPanel>(form.get(), form.get(), "Own", Rect(0, 0, 10, 10));
  own->SetColor(clYellow);
  const TFormRoundTrip written = RoundTrip(form.get());
  const std::string& binary = written.Binary;
  const std::string& text = written.Text;
  auto block = [&text](const std::string& name) {
    const std::size_t start = text.find("object " + name);
    return text.substr(start, text.find("end", start) - start);
  };
  EXPECT_EQ(block("Inherits").find("Color"), std::string::npos) << text;
  EXPECT_NE(block("Own").find("Color = clYellow"), std::string::npos) << text;
  EXPECT_NE(block("Own").find("ParentColor = False"), std::string::npos) << text;
  TOwned<TTestPanel> read = MakeOwned<TTestPanel>(nullptr);
  ReadForm(binary, read.get());
  auto* readInherits = static_cast<TControl*>(read->FindComponent("Inherits"));
  ASSERT_NE(readInherits, nullptr);
  EXPECT_TRUE(readInherits->GetParentColor());
  EXPECT_EQ(readInherits->GetColor(), clYellow);
  EXPECT_FALSE(static_cast<TControl*>(read->FindComponent("Own"))->GetParentColor());
  EXPECT_EQ(inherits->GetParent(), form.get());
}

}  // namespace
}  // namespace host::controlstest
