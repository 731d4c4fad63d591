#include "tests/editors/editors_test.h"

#include <unistd.h>

#include "editors/kelplacement.h"
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/grids/grids.h"
#include "host/registry/registry.h"
#include "host/widgetset/widgetset.h"
#include "tools/scriptinput.h"

namespace kel::editorstest {

using host::TComponent;

void EditorsTest::SetUp() {
  host::FreeAndNil(host::Application);
  host::Application = host::New<host::TApplication>(nullptr);
  Windows().ClearMessageBoxes();
  FStore = std::filesystem::temp_directory_path() / ("corvane_editors_" + std::to_string(::getpid())) / "registry.ini";
  std::filesystem::remove_all(FStore.parent_path());
  host::SetRegistryFileName(FStore.string());

  designer = host::TFormDesigner::CreateNew(&host::TForm::StaticMetaClass, "Form1");
  const auto drop = [this](host::TClass Class, TComponent* Parent, int32_t Left, int32_t Top) {
    return designer->CreateComponent(Class, Parent, Left, Top, 0, 0);
  };
  Button1 = static_cast<host::TButton*>(drop(&host::TButton::StaticMetaClass, nullptr, 8, 8));
  ListBox1 = static_cast<host::TListBox*>(drop(&host::TListBox::StaticMetaClass, nullptr, 8, 40));
  ListBox1->GetItems()->Add("first");
  ListBox1->GetItems()->Add("second");
  Edit1 = static_cast<host::TEdit*>(drop(&host::TEdit::StaticMetaClass, nullptr, 150, 8));
  List1 = static_cast<TkelConnectionList*>(drop(&TkelConnectionList::StaticMetaClass, nullptr, 200, 100));
  Connection = static_cast<TkelE2MConnection*>(drop(&TkelE2MConnection::StaticMetaClass, List1, 0, 0));
  designer->AddListener(&listener);
}

void EditorsTest::TearDown() {
  Windows().SetIdleDriver(nullptr);
  designer.reset();
  host::FreeAndNil(host::Application);
  host::Application = host::New<host::TApplication>(nullptr);
  Windows().ProcessMessages();
  Windows().ClearMessageBoxes();
  host::SetRegistryFileName({});
  std::filesystem::remove_all(FStore.parent_path());
}

host::headless::THeadlessWindows& EditorsTest::Windows() {
  return static_cast<host::headless::THeadlessWindows&>(host::WidgetSet().Windows());
}

void EditorsTest::Drive(std::vector<std::function<void()>> Steps) {
  FSteps = std::move(Steps);
  FNextStep = 0;
  Windows().SetIdleDriver([this] {
    if (FNextStep >= FSteps.size()) return false;
    FSteps[FNextStep++]();
    return true;
  });
}

host::TCustomForm* EditorsTest::Active() { return host::Screen->GetActiveCustomForm(); }

void EditorsTest::Click(const std::string& Name) { corvane::RunInput("click", Find(Name), ""); }
void EditorsTest::Type(const std::string& Name, const std::string& Text) { corvane::RunInput("type", Find(Name), Text); }
void EditorsTest::Key(const std::string& Name, const std::string& KeyName) {
  corvane::RunInput("key", Find(Name), KeyName);
}
void EditorsTest::Select(const std::string& Name, const std::string& Item) {
  corvane::RunInput("select", Find(Name), Item);
}

void EditorsTest::ClickCell(const std::string& Grid, int32_t Col, int32_t Row) {
  auto* grid = Find<host::TStringGrid>(Grid);
  const host::TRect r = grid->CellRect(Col, Row);
  auto& headless = static_cast<host::headless::THeadlessWidgetSet&>(host::WidgetSet());
  headless.Robot().Click(grid->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
}

void EditorsTest::Retype(const std::string& Name, const std::string& Text) {
  Key(Name, "Ctrl+A");
  Type(Name, Text);
}

std::vector<std::string> EditorsTest::Items(const std::string& Name) {
  host::TStrings* items = Find<host::TCustomListControl>(Name)->GetItems();
  std::vector<std::string> texts;
  for (int32_t i = 0; i < items->GetCount(); ++i) texts.push_back(items->GetStrings(i));
  return texts;
}

std::vector<std::string> EditorsTest::MessageBoxes() {
  std::vector<std::string> texts;
  for (const auto& box : Windows().MessageBoxesShown()) texts.push_back(box.Text);
  return texts;
}

int EditorsTest::Stored(const std::string& KeyName, const std::string& Name) {
  host::TOwned<host::TRegIniFile> store = host::MakeOwned<host::TRegIniFile>(kelPlacementKey(KeyName));
  return store->ReadInteger("", Name, -1);
}

void EditorsTest::Store(const std::string& KeyName, const std::string& Name, int Value) {
  host::TOwned<host::TRegIniFile> store = host::MakeOwned<host::TRegIniFile>(kelPlacementKey(KeyName));
  store->WriteInteger("", Name, Value);
}

bool EditorsTest::KeyExists(const std::string& KeyName) {
  host::TOwned<host::TRegistry> registry = host::MakeOwned<host::TRegistry>();
  return registry->KeyExists("\\" + kelPlacementKey(KeyName));
}

host::TOwned<TComponent> EditorsTest::SavedAndRead() {
  host::TOwned<host::TMemoryStream> text = host::MakeOwned<host::TMemoryStream>();
  designer->SaveToStream(text.get());
  text->SetPosition(0);
  host::TOwned<host::TMemoryStream> binary = host::MakeOwned<host::TMemoryStream>();
  host::ObjectToBinary(text.get(), binary.get());
  binary->SetPosition(0);
  host::TOwned<host::TReader> reader = host::MakeOwned<host::TReader>(binary.get(), 4096);
  return host::TOwned<TComponent>(reader->ReadRootComponent(nullptr));
}

}  // namespace kel::editorstest
