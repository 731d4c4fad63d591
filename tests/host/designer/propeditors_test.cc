// The standard property editors, each on a property of its kind, as the
// inspector uses them: the shown text, the typed text, the lists, and bad
// text that leaves the objects as they were.
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"
#include "tests/host/designer/designer_test.h"

namespace host::designertest {
namespace {

// A component with the kinds of properties the controls lack, and a setter
// that refuses a value.
class TGadget : public TComponent {
  HOST_CLASS(TGadget, TComponent)
  using TCreateArg = TComponent;
  explicit TGadget(TComponent* AOwner) : TComponent(AOwner) {}
  int16_t GetLevel() const { return FLevel; }
  void SetLevel(int16_t Value) {
    if (Value < 0) throw ERangeError("A level cannot be negative");
    FLevel = Value;
  }
  double Ratio = 0.5;
  Variant Data;
  char Mark = 'x';
  int64_t Big = 0;

 private:
  int16_t FLevel = 1;
};
HOST_IMPL(TGadget, TComponent)

class PropertyEditorsTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    RegisterProperties(&TGadget::StaticMetaClass, {
                                                      Prop<&TGadget::GetLevel, &TGadget::SetLevel>("Level"),
                                                      Prop<&TGadget::Ratio, &TGadget::Ratio>("Ratio"),
                                                      Prop<&TGadget::Data, &TGadget::Data>("Data"),
                                                      Prop<&TGadget::Mark, &TGadget::Mark>("Mark"),
                                                      Prop<&TGadget::Big, &TGadget::Big>("Big"),
                                                  });
    RegisterClass(&TGadget::StaticMetaClass);
  }
  void TearDown() override {
    DesignerTest::TearDown();
    UnRegisterClass(&TGadget::StaticMetaClass);
    UnregisterProperties(&TGadget::StaticMetaClass);
  }
  TOwned<TPropertyEditor> EditorFor(std::vector<TPersistent*> Instances, const std::string& Name) {
    return CreatePropertyEditor(designer.get(), Instances, Name);
  }
  static std::vector<std::string> Values(TPropertyEditor* Editor) {
    std::vector<std::string> values;
    Editor->GetValues([&](const std::string& v) { values.push_back(v); });
    return values;
  }
};

TEST_F(PropertyEditorsTest, IntegersCharsAndFloatsTakeTheirTextAndRefuseBadText) {
  TEdit* edit = Drop<TEdit>(nullptr, 8, 8);
  TOwned<TPropertyEditor> left = EditorFor({edit}, "left");
  EXPECT_EQ(left->GetName(), "Left");
  EXPECT_EQ(left->GetValue(), "8");
  listener.Log.clear();
  left->SetValue(" 40 ");
  EXPECT_EQ(edit->GetLeft(), 40);
  EXPECT_EQ(listener.Log, std::vector<std::string>{"modified"}) << "a write tells the designer";
  EXPECT_RAISES(left->SetValue("forty"), EPropertyError, "Invalid property value");
  EXPECT_RAISES(left->SetValue("3000000000"), EPropertyError, "Value must be between -2147483648 and 2147483647");
  EXPECT_EQ(edit->GetLeft(), 40);
  EXPECT_EQ(listener.Log.size(), 1u) << "a refused text changes nothing";

  // A type with identifiers shows and takes them.
  TOwned<TPropertyEditor> color = EditorFor({edit}, "Color");
  EXPECT_EQ(color->GetValue(), "clWindow");
  color->SetValue("clRed");
  EXPECT_EQ(edit->GetColor(), clRed);
  color->SetValue("$00FF00");
  EXPECT_EQ(color->GetValue(), "clLime");

  TGadget* gadget = Drop<TGadget>();
  TOwned<TPropertyEditor> level = EditorFor({gadget}, "Level");
  EXPECT_RAISES(level->SetValue("40000"), EPropertyError, "Value must be between -32768 and 32767");
  EXPECT_RAISES(level->SetValue("-1"), ERangeError, "A level cannot be negative") << "the setter's own error";
  EXPECT_EQ(gadget->GetLevel(), 1);
  TOwned<TPropertyEditor> big = EditorFor({gadget}, "Big");
  big->SetValue("-9000000000");
  EXPECT_EQ(gadget->Big, -9000000000LL);

  TOwned<TPropertyEditor> mark = EditorFor({gadget}, "Mark");
  EXPECT_EQ(mark->ClassName(), "TCharProperty");
  EXPECT_EQ(mark->GetValue(), "x");
  mark->SetValue("#65");
  EXPECT_EQ(gadget->Mark, 'A');
  mark->SetValue("#9");
  EXPECT_EQ(mark->GetValue(), "#9");
  EXPECT_RAISES(mark->SetValue("ab"), EPropertyError, "Invalid property value");
  EXPECT_RAISES(mark->SetValue("#300"), EPropertyError, "Value must be between 0 and 255");
  EXPECT_EQ(gadget->Mark, '\t');

  TOwned<TPropertyEditor> ratio = EditorFor({gadget}, "Ratio");
  EXPECT_EQ(ratio->GetValue(), "0.5");
  ratio->SetValue("2.25");
  EXPECT_EQ(gadget->Ratio, 2.25);
  EXPECT_RAISES(ratio->SetValue("2,5"), EPropertyError, "Invalid property value");
  EXPECT_EQ(gadget->Ratio, 2.25);
}

TEST_F(PropertyEditorsTest, EnumerationsBooleansAndSetsOfferTheirMembers) {
  TLabel* label = Drop<TLabel>();
  TOwned<TPropertyEditor> alignment = EditorFor({label}, "Alignment");
  EXPECT_EQ(alignment->GetValue(), "taLeftJustify");
  EXPECT_EQ(Values(alignment.get()), (std::vector<std::string>{"taLeftJustify", "taRightJustify", "taCenter"}));
  EXPECT_TRUE(alignment->GetAttributes().Contains(paValueList));
  EXPECT_TRUE(alignment->GetAttributes().Contains(paSortList));
  alignment->SetValue("tacenter");
  EXPECT_EQ(label->GetAlignment(), taCenter);
  EXPECT_RAISES(alignment->SetValue("taMiddle"), EPropertyError, "Invalid property value");
  EXPECT_EQ(label->GetAlignment(), taCenter);
  alignment->Edit();
  EXPECT_EQ(label->GetAlignment(), taLeftJustify) << "a double-click steps to the next member, round";

  TOwned<TPropertyEditor> visible = EditorFor({label}, "Visible");
  EXPECT_EQ(Values(visible.get()), (std::vector<std::string>{"False", "True"}));
  EXPECT_FALSE(visible->GetAttributes().Contains(paSortList));
  visible->SetValue("False");
  EXPECT_FALSE(label->GetVisible());
  EXPECT_RAISES(visible->SetValue("maybe"), EPropertyError, "Invalid property value");

  TOwned<TPropertyEditor> anchors = EditorFor({label}, "Anchors");
  EXPECT_EQ(anchors->GetValue(), "[akLeft,akTop]");
  anchors->SetValue("[akRight, akBottom]");
  EXPECT_EQ(label->GetAnchors(), (TAnchors{akRight, akBottom}));
  EXPECT_RAISES(anchors->SetValue("[akLeft, akMiddle]"), EPropertyError,
                "Invalid property value: 'akMiddle' is not a member of TAnchorKind");
  EXPECT_RAISES(anchors->SetValue("[akLeft"), EPropertyError, "Invalid property value");
  EXPECT_RAISES(anchors->SetValue("[akLeft,,akTop]"), EPropertyError, "Invalid property value");
  EXPECT_EQ(label->GetAnchors(), (TAnchors{akRight, akBottom}));
  anchors->SetValue("[]");
  EXPECT_EQ(anchors->GetValue(), "[]");

  // The members as Boolean sub-properties.
  std::vector<TOwned<TPropertyEditor>> members;
  anchors->GetProperties([&](TOwned<TPropertyEditor> e) { members.push_back(std::move(e)); });
  ASSERT_EQ(members.size(), 4u);
  EXPECT_EQ(members[2]->GetName(), "akRight");
  members[2]->SetValue("True");
  members[0]->SetValue("true");
  EXPECT_EQ(label->GetAnchors(), (TAnchors{akLeft, akRight}));
  EXPECT_EQ(members[0]->GetValue(), "True");
  EXPECT_EQ(members[1]->GetValue(), "False");
  EXPECT_RAISES(members[1]->SetValue("yes"), EPropertyError, "Invalid property value");
}

TEST_F(PropertyEditorsTest, StringsObjectsReferencesAndVariants) {
  TButton* b1 = Drop<TButton>();
  TButton* b2 = Drop<TButton>();
  TOwned<TPropertyEditor> caption = EditorFor({b1, b2}, "Caption");
  EXPECT_EQ(caption->GetPropCount(), 2);
  EXPECT_EQ(caption->GetComponent(1), b2);
  EXPECT_FALSE(caption->AllEqual());
  caption->SetValue("Both");
  EXPECT_EQ(b1->GetCaption(), "Both");
  EXPECT_EQ(b2->GetCaption(), "Both");
  EXPECT_TRUE(caption->AllEqual());
  EXPECT_RAISES(caption->GetComponent(2), EListError, "List index out of bounds (2)");

  // A setter that raises for the second object: the first gets its value back.
  TOwned<TPropertyEditor> name = EditorFor({b1, b2}, "Name");
  EXPECT_RAISES(name->SetValue("Same"), EComponentError, "A component named Same already exists");
  EXPECT_EQ(b1->GetName(), "Button1");
  EXPECT_EQ(b2->GetName(), "Button2");

  TOwned<TPropertyEditor> font = EditorFor({b1}, "Font");
  EXPECT_EQ(font->GetValue(), "(TFont)");
  EXPECT_TRUE(font->GetAttributes().Contains(paReadOnly));
  std::vector<TOwned<TPropertyEditor>> sub;
  font->GetProperties([&](TOwned<TPropertyEditor> e) { sub.push_back(std::move(e)); });
  auto size = std::find_if(sub.begin(), sub.end(), [](auto& e) { return e->GetName() == "Size"; });
  ASSERT_NE(size, sub.end());
  (*size)->SetValue("14");
  EXPECT_EQ(b1->GetFont()->GetSize(), 14);

  TLabel* label = Drop<TLabel>();
  Drop<TLabel>();
  TEdit* edit = Drop<TEdit>();
  TOwned<TPropertyEditor> focus = EditorFor({label}, "FocusControl");
  EXPECT_EQ(focus->GetValue(), "");
  EXPECT_EQ(Values(focus.get()), (std::vector<std::string>{"Form1", "Button1", "Button2", "Edit1"}))
      << "the windowed controls of the form, no labels";
  focus->SetValue("edit1");
  EXPECT_EQ(label->GetFocusControl(), edit);
  EXPECT_EQ(focus->GetValue(), "Edit1");
  EXPECT_RAISES(focus->SetValue("Label2"), EPropertyError, "Invalid property value");
  EXPECT_RAISES(focus->SetValue("Nobody"), EPropertyError, "Invalid property value");
  EXPECT_EQ(label->GetFocusControl(), edit);
  focus->SetValue("");
  EXPECT_EQ(label->GetFocusControl(), nullptr);

  TGadget* gadget = Drop<TGadget>();
  TOwned<TPropertyEditor> data = EditorFor({gadget}, "Data");
  EXPECT_EQ(data->ClassName(), "TVariantProperty");
  data->SetValue("hello");
  EXPECT_EQ(gadget->Data, Variant("hello"));
  EXPECT_EQ(data->GetValue(), "hello");
  data->SetVarValue(Variant::Null());
  EXPECT_EQ(data->GetValue(), "Null");
  data->SetValue("");
  EXPECT_TRUE(gadget->Data.IsEmpty());
}

TEST_F(PropertyEditorsTest, AnEditorForAPropertyAnObjectLacksIsRefused) {
  TButton* button = Drop<TButton>();
  TLabel* label = Drop<TLabel>();
  EXPECT_RAISES(EditorFor({button}, "Nope"), EPropertyError, "Property Nope does not exist");
  EXPECT_RAISES(EditorFor({label, button}, "FocusControl"), EPropertyError, "Property FocusControl does not exist");
  EXPECT_RAISES(EditorFor({}, "Caption"), EPropertyError, "No object is selected");
  TOwned<TStringProperty> editor = MakeOwned<TStringProperty>();
  EXPECT_RAISES(editor->Initialize(designer.get(), {{button, GetPropInfo(label->ClassType(), "FocusControl")}}),
                EPropertyError, "Property FocusControl does not exist");

  // The properties two objects share, each once, in declaration order.
  std::vector<std::string> common;
  GetComponentProperties(designer.get(), {button, label},
                         [&](TOwned<TPropertyEditor> e) { common.push_back(e->GetName()); });
  EXPECT_NE(std::find(common.begin(), common.end(), "Caption"), common.end());
  EXPECT_EQ(std::find(common.begin(), common.end(), "FocusControl"), common.end());
  EXPECT_EQ(std::find(common.begin(), common.end(), "TabOrder"), common.end()) << "labels have no tab order";
}

}  // namespace
}  // namespace host::designertest
