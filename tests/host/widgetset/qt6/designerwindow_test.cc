// The designer window on the Qt widgetset, driven by real Qt mouse and key
// events on its widgets: a form is built from the palette, moved, resized,
// given a caption in the inspector, wired through the connection list
// editor, saved, opened again and run.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include "connections/kelconlist.h"
#include "connections/kele2m.h"
#include "designer/designerwindow.h"
#include "host/forms/application.h"
#include "host/forms/screen.h"
#include "host/widgetset/qt6/qt6.h"
#include "host/widgetset/qt6/qt6windows.h"

namespace host::qt6 {
namespace {

using corvane::designer::TDesignerWindow;

TQt6WidgetSet& Qt() { return dynamic_cast<TQt6WidgetSet&>(WidgetSet()); }

// The Qt widget under a host control and the point of the control's local
// position in it (a graphic control lies in its parent's widget).
std::pair<QWidget*, QPoint> WidgetAt(TControl* Control, TPoint Local) {
  TControl* windowed = Control;
  TPoint at = Local;
  while (!dynamic_cast<TWinControl*>(windowed)) {
    at = {at.X + windowed->GetLeft(), at.Y + windowed->GetTop()};
    windowed = windowed->GetParent();
  }
  return {Qt().QtWindows().WidgetOf(static_cast<TWinControl*>(windowed)->GetHandle()), QPoint(at.X, at.Y)};
}

void QtClick(TControl* Control, TPoint Local, Qt::MouseButton Button = Qt::LeftButton) {
  auto [widget, at] = WidgetAt(Control, Local);
  ASSERT_NE(widget, nullptr);
  QTest::mouseClick(widget, Button, {}, at);
}

TPoint Middle(TControl* Control) { return {Control->GetWidth() / 2, Control->GetHeight() / 2}; }

// A drag with the left button from Local by (DX, DY), in steps, as a hand
// makes it: each event at the widget's own position of the point the mouse
// reached (the widget under the mouse may move with the drag).
void QtDrag(TControl* Control, TPoint Local, int DX, int DY) {
  auto [widget, at] = WidgetAt(Control, Local);
  const QPoint start = widget->mapToGlobal(at);
  QTest::mousePress(widget, Qt::LeftButton, {}, at);
  for (int step = 1; step <= 4; ++step) {
    const QPoint global = start + QPoint(DX * step / 4, DY * step / 4);
    QMouseEvent move(QEvent::MouseMove, QPointF(widget->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(widget, &move);
  }
  QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->mapFromGlobal(start + QPoint(DX, DY)));
}

class DesignerOnQt : public ::testing::Test {
 protected:
  void SetUp() override {
    registration = std::make_unique<corvane::designer::TDesignRegistration>();
    window = MakeOwned<TDesignerWindow>(nullptr);
    window->Show();
    window->Surface()->Refresh();
    Application->ProcessMessages();
    folder = std::filesystem::temp_directory_path() / ("corvane_qt_designer_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
  }
  void TearDown() override {
    window.reset();
    registration.reset();
    std::filesystem::remove_all(folder);
  }
  template <class T = TControl>
  T* Part(const std::string& Name) const {
    return dynamic_cast<T*>(window->FindComponent(Name));
  }
  template <class T = TControl>
  T* Designed(const std::string& Name) const {
    return dynamic_cast<T*>(window->Designer()->GetComponent(Name));
  }
  void Drop(const std::string& PaletteName, TPoint At) {
    TControl* button = Part("Palette" + PaletteName);
    auto* sheet = dynamic_cast<TTabSheet*>(button->GetParent()->GetParent());
    Part<TPageControl>("Palette")->SetActivePage(sheet);
    Application->ProcessMessages();
    QtClick(button, Middle(button));
    QtClick(window->DesignedForm(), At);
    Application->ProcessMessages();
  }

  std::unique_ptr<corvane::designer::TDesignRegistration> registration;
  TOwned<TDesignerWindow> window;
  std::filesystem::path folder;
};

TEST_F(DesignerOnQt, AFormIsDesignedWiredSavedOpenedAndRunWithQtInput) {
  Drop("Button", {16, 16});
  Drop("ListBox", {16, 64});
  auto* button = Designed<TButton>("Button1");
  auto* list = Designed<TListBox>("ListBox1");
  ASSERT_NE(button, nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(button->GetParent(), window->DesignedForm());

  // Moved and resized with the mouse on the designed form's widgets.
  QtClick(button, Middle(button));
  QtDrag(button, Middle(button), 32, 8);
  EXPECT_EQ(button->GetBoundsRect().TopLeft(), (TPoint{48, 24}));
  QtDrag(window->DesignedForm(), {button->GetLeft() + button->GetWidth(), button->GetTop() + button->GetHeight()}, 13,
         0);
  EXPECT_EQ(button->GetLeft() + button->GetWidth(), 136);

  // The caption typed into the inspector's editor.
  ASSERT_TRUE(window->Inspector()->SelectProperty("Caption"));
  Application->ProcessMessages();
  auto* edit = Part<TEdit>("ValueEdit");
  QtClick(edit, Middle(edit));
  QWidget* editWidget = Qt().QtWindows().WidgetOf(edit->GetHandle());
  QTest::keyClick(editWidget, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editWidget, "Clear");
  QTest::keyClick(editWidget, Qt::Key_Return);
  Application->ProcessMessages();
  EXPECT_EQ(button->GetCaption(), "Clear");

  // A connection list, its editor opened with a double-click on its icon.
  Drop("kelConnectionList", {200, 200});
  auto* wiring = Designed<kel::TkelConnectionList>("kelConnectionList1");
  ASSERT_NE(wiring, nullptr);
  const TRect icon = window->Surface()->IconRect(wiring);
  const TPoint onForm = window->DesignedForm()->ScreenToClient({icon.Left + 4, icon.Top + 4});
  auto [formWidget, at] = WidgetAt(window->DesignedForm(), onForm);
  QTest::mouseDClick(formWidget, Qt::LeftButton, {}, at);
  Application->ProcessMessages();
  TCustomForm* editor = nullptr;
  for (int i = 0; i < Screen->GetCustomFormCount(); ++i)
    if (Screen->GetCustomForms(i)->ClassNameIs("TkelConnectionEditor")) editor = Screen->GetCustomForms(i);
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(Qt().QtWindows().WidgetOf(editor->GetWindowHandle())->isVisible());

  // Ctrl+Ins adds an event-to-method connection; Properties opens its
  // dialog, filled with typed names and a click on the method.
  auto* view = static_cast<TWinControl*>(editor->FindComponent("lvConnections"));
  QtClick(view, {5, 5});
  QTest::keyClick(Qt().QtWindows().WidgetOf(view->GetHandle()), Qt::Key_Insert, Qt::ControlModifier);
  auto* connection = dynamic_cast<kel::TkelE2MConnection*>(window->Designer()->GetComponent("E2MConnection1"));
  ASSERT_NE(connection, nullptr);
  bool filled = false;
  QTimer::singleShot(50, [&] {
    TCustomForm* dialog = Screen->GetActiveCustomForm();
    auto typed = [&](const char* Name, const char* Text) {
      auto* combo = static_cast<TWinControl*>(dialog->FindComponent(Name));
      QtClick(combo, {5, 5});
      QWidget* widget = Qt().QtWindows().WidgetOf(combo->GetHandle());
      QTest::keyClicks(widget, Text);
      QTest::keyClick(widget, Qt::Key_Return);
    };
    typed("cbSource", "Button1");
    typed("cbSourceEvent", "OnClick");
    typed("cbTarget", "ListBox1");
    auto* methods = static_cast<TListBox*>(dialog->FindComponent("lbTargetMethod"));
    const int clear = methods->GetItems()->IndexOf("Clear");
    methods->SetTopIndex(clear);  // scrolled to, as by the wheel
    const TRect shown = methods->ItemRect(clear);
    QtClick(methods, {(shown.Left + shown.Right) / 2, (shown.Top + shown.Bottom) / 2});
    filled = true;
    auto* close = static_cast<TControl*>(dialog->FindComponent("btClose"));
    QtClick(close, Middle(close));
  });
  auto* properties = static_cast<TControl*>(editor->FindComponent("tbProperties"));
  QtClick(properties, Middle(properties));
  EXPECT_TRUE(filled);
  EXPECT_EQ(connection->GetSource(), button);
  EXPECT_EQ(connection->GetSourceEvent(), "OnClick");
  EXPECT_EQ(connection->GetTarget(), list);
  EXPECT_EQ(connection->GetTargetMethod(), "Clear");
  editor->Close();
  Application->ProcessMessages();

  // Saved, opened again, run: a real click on the running copy's button
  // clears its list through the connection.
  const std::string path = (folder / "designed.dfm").string();
  ASSERT_TRUE(window->SaveAs(path));
  std::ifstream saved(path);
  const std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  for (const char* line : {"object E2MConnection1: TkelE2MConnection", "Source = Button1", "SourceEvent = 'OnClick'",
                           "Target = ListBox1", "TargetMethod = 'Clear'", "Caption = 'Clear'"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  ASSERT_TRUE(window->OpenFile(path));
  Designed<TListBox>("ListBox1")->GetItems()->Add("one");
  int itemsAfterClick = -1;
  QTimer::singleShot(50, [&] {
    TCustomForm* running = Screen->GetActiveCustomForm();
    auto* runButton = dynamic_cast<TButton*>(running->FindComponent("Button1"));
    auto* runList = dynamic_cast<TListBox*>(running->FindComponent("ListBox1"));
    runList->GetItems()->Add("two");
    QtClick(runButton, Middle(runButton));
    itemsAfterClick = runList->GetItems()->GetCount();
    running->Close();
  });
  window->RunForm();
  EXPECT_EQ(itemsAfterClick, 0);
}

}  // namespace
}  // namespace host::qt6
