// The designer window as an author meets it, on the headless widgetset:
// palette clicks and clicks on the designed form drop components, the
// mouse moves them, the inspector takes typed values, a double-click opens
// the connection list editor, and the File menu saves, opens, asks and
// runs.
#include <filesystem>
#include <fstream>

#include "designer/designerwindow.h"
#include "host/forms/application.h"
#include "host/forms/screen.h"
#include "tests/editors/editors_test.h"
#include "tools/scriptinput.h"

namespace kel::editorstest {
namespace {

using namespace host;
using corvane::designer::TDesignerWindow;

class DesignerWindowTest : public EditorsTest {
 protected:
  void SetUp() override {
    EditorsTest::SetUp();
    registration = std::make_unique<corvane::designer::TDesignRegistration>();
    window = MakeOwned<TDesignerWindow>(nullptr);
    window->Show();
    window->Surface()->Refresh();
    Idle();
    folder = std::filesystem::temp_directory_path() / ("corvane_designer_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    Windows().SetIdleDriver(nullptr);
    window.reset();
    registration.reset();
    std::filesystem::remove_all(folder);
    EditorsTest::TearDown();
  }

  static headless::THeadlessRobot& Robot() {
    return static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot();
  }
  static void Idle() { Application->ProcessMessages(); }
  template <class T = TControl>
  T* Part(const std::string& Name) const {
    auto* found = dynamic_cast<T*>(window->FindComponent(Name));
    if (!found) throw std::runtime_error("the designer window has no " + Name);
    return found;
  }
  TCustomForm* Designed() const { return window->DesignedForm(); }
  template <class T = TControl>
  T* Designed(const std::string& Name) const {
    return dynamic_cast<T*>(window->Designer()->GetComponent(Name));
  }
  // A palette button, then a click at X, Y of the designed form.
  void DropAt(const std::string& PaletteName, int32_t X, int32_t Y) {
    TControl* button = Part("Palette" + PaletteName);
    auto* sheet = dynamic_cast<TTabSheet*>(button->GetParent()->GetParent());
    corvane::RunInput("select", Part("Palette"), "'" + sheet->GetCaption() + "'");
    corvane::RunInput("click", button, "");
    Robot().Click(Designed()->ClientToScreen({X, Y}));
    Idle();
  }
  static TPoint Center(TControl* Control) {
    return Control->ClientToScreen({Control->GetWidth() / 2, Control->GetHeight() / 2});
  }
  // Types Value into the inspector row Name, as an author does: a click on
  // the row, the whole old text replaced, Enter.
  void TypeProperty(const std::string& Name, const std::string& Value) {
    auto* grid = Part<TStringGrid>("Properties");
    int row = -1;
    for (int i = 0; i < window->Inspector()->Model()->GetRowCount(); ++i)
      if (window->Inspector()->Model()->GetRow(i).Name == Name) row = i;
    ASSERT_GE(row, 0) << Name;
    grid->SetTopRow(std::max(0, row - 3));
    const TRect cell = grid->CellRect(0, row);
    Robot().Click(grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2}));
    Idle();
    auto* edit = Part<TEdit>("ValueEdit");
    ASSERT_TRUE(edit->GetVisible());
    corvane::RunInput("click", edit, "");
    corvane::RunInput("key", edit, "Ctrl+A");
    corvane::RunInput("type", edit, Value);
    corvane::RunInput("key", edit, "Enter");
    Idle();
  }
  // An item of the designer window's menu bar, chosen as with the mouse.
  void ChooseMenu(const std::string& Path) {
    auto& headless = static_cast<headless::THeadlessWidgetSet&>(WidgetSet());
    ASSERT_TRUE(headless.Menus().ChooseMenuItem(WidgetSet().Windows().GetMenu(window->GetWindowHandle()), Path));
    Idle();
  }
  std::vector<std::string> TreeItems() const {
    std::vector<std::string> items;
    TStrings* lines = window->Tree()->GetItems();
    for (int i = 0; i < lines->GetCount(); ++i) items.push_back(lines->GetStrings(i));
    return items;
  }

  std::unique_ptr<corvane::designer::TDesignRegistration> registration;
  TOwned<TDesignerWindow> window;
  std::filesystem::path folder;
};

TEST_F(DesignerWindowTest, AFormIsBuiltFromThePaletteTheMouseAndTheInspector) {
  EXPECT_EQ(window->GetCaption(), "Corvane Designer - Untitled");
  // One tab per palette page; classes registered without an icon have no button.
  auto* pages = Part<TPageControl>("Palette");
  ASSERT_EQ(pages->GetPageCount(), 7);
  EXPECT_EQ(pages->GetPage(4)->GetCaption(), "Dialogs");
  EXPECT_EQ(pages->GetPage(6)->GetCaption(), "Corvane");
  EXPECT_NE(window->FindComponent("PalettekelConnectionList"), nullptr);
  EXPECT_EQ(window->FindComponent("PalettekelE2MConnection"), nullptr);
  DropAt("Button", 21, 22);
  auto* button = Designed<TButton>("Button1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->GetParent(), Designed());
  EXPECT_EQ(button->GetBoundsRect().TopLeft(), (TPoint{24, 24}));
  EXPECT_FALSE(Part<TToolButton>("PaletteButton")->GetDown()) << "the palette lets go after the drop";
  DropAt("ListBox", 20, 70);
  auto* list = Designed<TListBox>("ListBox1");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(TreeItems(), (std::vector<std::string>{"Form1", "  Button1", "  ListBox1"}));
  EXPECT_EQ(window->GetCaption(), "Corvane Designer - Untitled *");

  // Moved and made wider with the mouse.
  Robot().Click(Center(button));
  Robot().Drag(Center(button), {Center(button).X + 40, Center(button).Y});
  Idle();
  EXPECT_EQ(button->GetLeft(), 64);
  const TPoint corner = button->ClientToScreen({button->GetWidth(), button->GetHeight()});
  Robot().Drag(corner, {corner.X + 16, corner.Y});
  Idle();
  EXPECT_EQ(button->GetWidth(), 88) << "the right edge snaps to 152";

  // The inspector shows the selection and takes a typed caption; a value
  // that does not fit shows the reason and keeps the old one.
  EXPECT_EQ(Part<TComboBox>("Components")->GetText(), "Button1: TButton");
  TypeProperty("Caption", "Clear");
  EXPECT_EQ(button->GetCaption(), "Clear");
  TypeProperty("Width", "wide");
  EXPECT_EQ(button->GetWidth(), 88);
  ASSERT_FALSE(MessageBoxes().empty());
  EXPECT_EQ(MessageBoxes().back(), "Invalid property value.");

  // The tree selects what it is clicked on; Ctrl+Z undoes the caption.
  corvane::RunInput("select", window->Tree(), "'  ListBox1'");
  EXPECT_EQ(window->Designer()->Selection(), std::vector<TPersistent*>{list});
  corvane::RunInput("key", window->Tree(), "Ctrl+Z");
  Idle();
  EXPECT_EQ(Designed<TButton>("Button1")->GetCaption(), "Button1");
  // The short cuts work on the designed form too.
  Robot().Click(Center(Designed<TButton>("Button1")));
  Robot().Press('Y', TShiftState{ssCtrl});
  Idle();
  EXPECT_EQ(Designed<TButton>("Button1")->GetCaption(), "Clear");
}

TEST_F(DesignerWindowTest, AFormIsWiredThroughTheConnectionListEditorAndRuns) {
  DropAt("Button", 8, 8);
  DropAt("ListBox", 8, 48);
  Designed<TListBox>("ListBox1")->GetItems()->Add("guest");
  DropAt("kelConnectionList", 200, 200);
  TComponent* wiring = window->Designer()->GetComponent("kelConnectionList1");
  ASSERT_NE(wiring, nullptr);
  EXPECT_EQ(TreeItems().back(), "  kelConnectionList1");
  const TRect icon = window->Surface()->IconRect(wiring);
  ASSERT_FALSE(icon.IsEmpty());

  // The right button lists the list editor's verbs ("-" a line); the last
  // opens the connection list editor, as a double-click does. Ctrl+Ins
  // adds an event-to-method connection, Properties fills it in its dialog.
  Robot().Click({icon.Left + 4, icon.Top + 4}, headless::TMouseButtonKind::Right);
  Idle();
  TMenuItem* verbs = window->ComponentMenu()->GetItems();
  ASSERT_EQ(verbs->GetCount(), 5);
  EXPECT_TRUE(verbs->GetItems(2)->IsLine());
  static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Menus().ChoosePopupItem("Edit connections...");
  Idle();
  ASSERT_TRUE(Active() && Active()->ClassNameIs("TkelConnectionEditor")) << "the connection list editor opened";
  Key("lvConnections", "Ctrl+Ins");
  auto* connection = dynamic_cast<TkelE2MConnection*>(window->Designer()->GetComponent("E2MConnection1"));
  ASSERT_NE(connection, nullptr);
  Drive({[&] {
           Select("cbSource", "'Button1'");
           Select("cbSourceEvent", "'OnClick'");
         },
         [&] {
           Select("cbTarget", "'ListBox1'");
           Select("lbTargetMethod", "'Clear'");
         },
         [&] { Click("btClose"); }});
  Click("tbProperties");
  EXPECT_TRUE(Driven());
  EXPECT_EQ(connection->GetSourceEvent(), "OnClick");
  EXPECT_EQ(connection->GetTargetMethod(), "Clear");
  EXPECT_EQ(TreeItems().back(), "    E2MConnection1");
  Active()->Close();
  Idle();

  // The connection's parameters row has a "..." button that opens their list.
  corvane::RunInput("select", window->Tree(), "'    E2MConnection1'");
  ASSERT_TRUE(window->Inspector()->SelectProperty("TargetMethodParameters"));
  ASSERT_TRUE(Part("ValueDialog")->GetVisible());
  corvane::RunInput("click", Part("ValueDialog"), "");
  Idle();
  ASSERT_TRUE(Active() && Active()->ClassNameIs("TkelMethodParameterEditor")) << Active()->ClassName();
  Active()->Close();
  Idle();

  // The connection edit is one step back.
  window->Surface()->Undo();
  EXPECT_EQ(dynamic_cast<TkelE2MConnection*>(window->Designer()->GetComponent("E2MConnection1"))->GetTargetMethod(),
            "");
  window->Surface()->Redo();
  EXPECT_TRUE(window->DesignedForm()->GetEnabled()) << "the dialogs disabled the designed form as a window only";

  // Run: a click on the running copy's button clears its list.
  int left = -1;
  Drive({[&] {
    TCustomForm* running = Screen->GetActiveCustomForm();
    ASSERT_NE(running, Designed());
    EXPECT_FALSE(running->GetComponentState().Contains(csDesigning));
    corvane::RunInput("click", running->FindComponent("Button1"), "");
    left = dynamic_cast<TListBox*>(running->FindComponent("ListBox1"))->GetItems()->GetCount();
    running->Close();
  }});
  window->RunForm();
  EXPECT_EQ(left, 0);
  EXPECT_EQ(Designed<TListBox>("ListBox1")->GetItems()->GetCount(), 1) << "the designed form is untouched";
}

TEST_F(DesignerWindowTest, FilesAreSavedOpenedRunAndNothingIsLostWithoutAsking) {
  DropAt("Button", 8, 8);
  const std::string path = (folder / "wired.dfm").string();
  // File|Save on a new form asks for the name.
  Drive({[&] { Retype("Value", path); }, [&] { Click("OK"); }});
  ChooseMenu("File|Save");
  Idle();
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(window->GetCaption(), "Corvane Designer - wired.dfm");
  std::ifstream saved(path);
  const std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("object Button1: TButton"), std::string::npos) << text;

  // Text Form File unchecked: Save As writes a binary form, which opens too.
  ChooseMenu("File|Text Form File");
  EXPECT_FALSE(window->GetTextFormFile());
  const std::string binary = (folder / "wired.bin").string();
  ASSERT_TRUE(window->SaveAs(binary));
  std::ifstream bytes(binary, std::ios::binary);
  char signature[4] = {};
  bytes.read(signature, 4);
  EXPECT_EQ(std::string(signature, 4), "TPF0");
  EXPECT_TRUE(window->OpenFile(binary));
  EXPECT_NE(Designed<TButton>("Button1"), nullptr);
  ChooseMenu("File|Text Form File");
  ASSERT_TRUE(window->SaveAs(path));

  // A file that is no form: the reader's message, the form stays.
  const std::string junk = (folder / "junk.dfm").string();
  std::ofstream(junk) << "this is not a form";
  EXPECT_FALSE(window->OpenFile(junk));
  EXPECT_NE(Designed<TButton>("Button1"), nullptr);
  ASSERT_FALSE(MessageBoxes().empty());

  // Unsaved work: Cancel keeps it, No drops it.
  DropAt("Edit", 8, 60);
  Windows().QueueMessageBoxAnswer(IDCANCEL);
  EXPECT_FALSE(window->NewForm());
  EXPECT_NE(Designed<TEdit>("Edit1"), nullptr);
  EXPECT_NE(MessageBoxes().back().find("Save changes to wired.dfm?"), std::string::npos);
  Windows().QueueMessageBoxAnswer(IDNO);
  EXPECT_TRUE(window->OpenFile(path));
  EXPECT_EQ(Designed<TEdit>("Edit1"), nullptr) << "the saved form, without the edit";
  EXPECT_NE(Designed<TButton>("Button1"), nullptr);

}

}  // namespace
}  // namespace kel::editorstest
