// Registration: the palette, the choice of a property editor by the most
// specific registration, component editors by the nearest class, and the
// groups that drop registrations again.
#include "host/actnlist/actnlist.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"
#include "tests/host/designer/designer_test.h"

namespace host::designertest {
namespace {

using RegistrationTest = DesignerTest;

// Editors told apart by their class only.
class TEditorA : public TStringProperty {
  HOST_PROPERTY_EDITOR(TEditorA, TStringProperty)
};
class TEditorB : public TStringProperty {
  HOST_PROPERTY_EDITOR(TEditorB, TStringProperty)
};
class TEditorC : public TStringProperty {
  HOST_PROPERTY_EDITOR(TEditorC, TStringProperty)
};
class TEditorD : public TStringProperty {
  HOST_PROPERTY_EDITOR(TEditorD, TStringProperty)
};
class TRefEditor : public TComponentProperty {
  HOST_PROPERTY_EDITOR(TRefEditor, TComponentProperty)
};
class TWinRefEditor : public TComponentProperty {
  HOST_PROPERTY_EDITOR(TWinRefEditor, TComponentProperty)
};
class TControlEditor : public TComponentEditor {
  HOST_CLASS(TControlEditor, TComponentEditor)
  TControlEditor() = default;
};
class TButtonEditor : public TComponentEditor {
  HOST_CLASS(TButtonEditor, TComponentEditor)
  TButtonEditor() = default;
};
HOST_IMPL(TEditorA, TStringProperty)
HOST_IMPL(TEditorB, TStringProperty)
HOST_IMPL(TEditorC, TStringProperty)
HOST_IMPL(TEditorD, TStringProperty)
HOST_IMPL(TRefEditor, TComponentProperty)
HOST_IMPL(TWinRefEditor, TComponentProperty)
HOST_IMPL(TControlEditor, TComponentEditor)
HOST_IMPL(TButtonEditor, TComponentEditor)

const TTypeInfo* StringType() { return detail::TypeInfoOf<std::string>(); }

// The name of the editor class chosen for property Name of Instance.
std::string EditorOf(TPersistent* Instance, const char* Name) {
  return GetPropertyEditorClass(GetPropInfo(Instance->ClassType(), Name), Instance)->Name;
}

TEST_F(RegistrationTest, EveryKindOfPropertyHasItsStandardEditor) {
  TButton* button = Drop<TButton>();
  TLabel* label = Drop<TLabel>();
  EXPECT_EQ(EditorOf(button, "Caption"), "TStringProperty");
  EXPECT_EQ(EditorOf(button, "Left"), "TIntegerProperty");
  EXPECT_EQ(EditorOf(button, "Visible"), "TBoolProperty");
  EXPECT_EQ(EditorOf(button, "Anchors"), "TSetProperty");
  EXPECT_EQ(EditorOf(button, "Font"), "TClassProperty");
  EXPECT_EQ(EditorOf(button, "PopupMenu"), "TComponentProperty");
  EXPECT_EQ(EditorOf(label, "Alignment"), "TEnumProperty");
  EXPECT_EQ(EditorOf(label, "FocusControl"), "TComponentProperty");
  EXPECT_EQ(EditorOf(Form()->GetFont(), "Size"), "TIntegerProperty");
}

TEST_F(RegistrationTest, TheMostSpecificPropertyEditorRegistrationWins) {
  TButton* button = Drop<TButton>();
  TLabel* label = Drop<TLabel>();
  RegisterPropertyEditor(StringType(), nullptr, "", &TEditorA::StaticMetaClass);
  EXPECT_EQ(EditorOf(button, "Caption"), "TEditorA") << "an empty name covers every property of the type";
  EXPECT_EQ(EditorOf(button, "Name"), "TEditorA");

  RegisterPropertyEditor(StringType(), &TWinControl::StaticMetaClass, "", &TEditorB::StaticMetaClass);
  RegisterPropertyEditor(StringType(), &TControl::StaticMetaClass, "", &TEditorC::StaticMetaClass);
  EXPECT_EQ(EditorOf(button, "Caption"), "TEditorB") << "the nearer class beats the later, farther one";
  EXPECT_EQ(EditorOf(label, "Caption"), "TEditorC") << "a label is no windowed control";
  EXPECT_EQ(EditorOf(Form()->GetFont(), "Name"), "TEditorA") << "a font is no control";

  RegisterPropertyEditor(StringType(), nullptr, "caption", &TEditorD::StaticMetaClass);
  EXPECT_EQ(EditorOf(button, "Caption"), "TEditorD") << "a name beats any class; names ignore case";
  EXPECT_EQ(EditorOf(button, "Hint"), "TEditorB");

  RegisterPropertyEditor(StringType(), &TControl::StaticMetaClass, "Caption", &TEditorA::StaticMetaClass);
  EXPECT_EQ(EditorOf(label, "Caption"), "TEditorA") << "a name and a class beat the name alone";
  RegisterPropertyEditor(StringType(), &TEdit::StaticMetaClass, "Caption", &TEditorB::StaticMetaClass);
  EXPECT_EQ(EditorOf(button, "Caption"), "TEditorA") << "a registration for edits does not reach a button";

  RegisterPropertyEditor(StringType(), &TButton::StaticMetaClass, "Caption", &TEditorC::StaticMetaClass);
  RegisterPropertyEditor(StringType(), &TButton::StaticMetaClass, "Caption", &TEditorB::StaticMetaClass);
  EXPECT_EQ(EditorOf(button, "Caption"), "TEditorB") << "among equals the later registration wins";
  EXPECT_EQ(EditorOf(button, "Left"), "TIntegerProperty") << "another type is untouched";

  // Class types: the exact type beats an ancestor type, whatever the order.
  RegisterPropertyEditor(detail::TypeInfoOf<TWinControl*>(), nullptr, "", &TWinRefEditor::StaticMetaClass);
  RegisterPropertyEditor(detail::TypeInfoOf<TComponent*>(), nullptr, "", &TRefEditor::StaticMetaClass);
  EXPECT_EQ(EditorOf(label, "FocusControl"), "TWinRefEditor");
  EXPECT_EQ(EditorOf(button, "PopupMenu"), "TRefEditor") << "TComponent covers every component type";
  EXPECT_EQ(EditorOf(button, "Font"), "TClassProperty") << "a font is no component";
}

TEST_F(RegistrationTest, BadRegistrationsRaiseAndRegisterNothing) {
  TButton* button = Drop<TButton>();
  EXPECT_RAISES(RegisterPropertyEditor(nullptr, nullptr, "", &TEditorA::StaticMetaClass), EInvalidOperation,
                "A property editor needs a property type");
  EXPECT_RAISES(RegisterPropertyEditor(StringType(), nullptr, "", &TButton::StaticMetaClass), EInvalidOperation,
                "TButton is not a property editor class");
  EXPECT_RAISES(RegisterPropertyEditor(StringType(), &TEditorA::StaticMetaClass, "", &TEditorA::StaticMetaClass),
                EInvalidOperation, "TEditorA is not a persistent class");
  EXPECT_EQ(EditorOf(button, "Caption"), "TStringProperty");
  EXPECT_RAISES(RegisterComponentEditor(&TFont::StaticMetaClass, &TButtonEditor::StaticMetaClass), EInvalidOperation,
                "TFont is not a component class");
  EXPECT_RAISES(RegisterComponentEditor(&TButton::StaticMetaClass, &TEditorA::StaticMetaClass), EInvalidOperation,
                "TEditorA is not a component editor class");
  EXPECT_EQ(GetComponentEditor(button, designer.get())->ClassName(), "TDefaultEditor");
  EXPECT_RAISES(RegisterComponents("", {&TButton::StaticMetaClass}), EInvalidOperation, "A palette page needs a name");
  EXPECT_RAISES(RegisterComponents("Standard", {&TButton::StaticMetaClass, &TFont::StaticMetaClass}), EInvalidOperation,
                "TFont is not a component class");
  EXPECT_TRUE(PalettePages().empty());
}

TEST_F(RegistrationTest, ComponentEditorsComeFromTheNearestRegisteredClass) {
  RegisterComponentEditor(&TControl::StaticMetaClass, &TButtonEditor::StaticMetaClass);
  RegisterComponentEditor(&TButton::StaticMetaClass, &TButtonEditor::StaticMetaClass);
  RegisterComponentEditor(&TControl::StaticMetaClass, &TControlEditor::StaticMetaClass);
  TButton* button = Drop<TButton>();
  TOwned<TComponentEditor> editor = GetComponentEditor(button, designer.get());
  EXPECT_EQ(editor->ClassName(), "TButtonEditor") << "the nearer class beats the later registration";
  EXPECT_EQ(editor->GetComponent(), button);
  EXPECT_EQ(editor->GetDesigner(), designer.get());
  EXPECT_EQ(GetComponentEditor(Drop<TEdit>(), designer.get())->ClassName(), "TControlEditor")
      << "among equals the later registration wins";
  EXPECT_EQ(GetComponentEditor(Drop<TActionList>(), designer.get())->ClassName(), "TDefaultEditor");
}

TEST_F(RegistrationTest, PalettePagesKeepTheirOrderAndGroupsDropTheirRegistrations) {
  RegisterComponents("Standard", {&TButton::StaticMetaClass, &TEdit::StaticMetaClass});
  RegisterComponents("Additional", {&TGroupBox::StaticMetaClass});
  RegisterNoIcon({&TLabel::StaticMetaClass, &TActionList::StaticMetaClass});
  RegisterComponents("Standard", {&TLabel::StaticMetaClass});
  const std::vector<TPalettePage> pages = PalettePages();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].Name, "Standard");
  EXPECT_EQ(pages[0].Classes,
            (std::vector<TClass>{&TButton::StaticMetaClass, &TEdit::StaticMetaClass, &TLabel::StaticMetaClass}));
  EXPECT_EQ(pages[1].Classes, std::vector<TClass>{&TGroupBox::StaticMetaClass});
  EXPECT_FALSE(IsNoIconClass(&TLabel::StaticMetaClass)) << "a palette page gives it its button back";
  EXPECT_TRUE(IsNoIconClass(&TActionList::StaticMetaClass));
  EXPECT_EQ(GetClass("TActionList"), &TActionList::StaticMetaClass) << "registered for streaming too";

  // A later group's registrations go with it; the earlier ones stay.
  const int later = NewEditorGroup();
  RegisterComponents("Extra", {&TMemo::StaticMetaClass});
  RegisterPropertyEditor(StringType(), nullptr, "", &TEditorA::StaticMetaClass);
  RegisterComponentEditor(&TButton::StaticMetaClass, &TButtonEditor::StaticMetaClass);
  FreeEditorGroup(later);
  EXPECT_EQ(PalettePages().size(), 2u);
  TButton* button = Drop<TButton>();
  EXPECT_EQ(EditorOf(button, "Caption"), "TStringProperty");
  EXPECT_EQ(GetComponentEditor(button, designer.get())->ClassName(), "TDefaultEditor");
  FreeEditorGroup(group);
  EXPECT_TRUE(PalettePages().empty());
  EXPECT_FALSE(IsNoIconClass(&TActionList::StaticMetaClass));
}

}  // namespace
}  // namespace host::designertest
