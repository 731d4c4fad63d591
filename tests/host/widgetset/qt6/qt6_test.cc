// The Qt widgetset as a user meets it: forms in Qt windows, real Qt mouse
// and key events reaching the host and the wiring, what the window shows,
// modal loops, timers and closing on Qt's event loop.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QTimer>
#include <QtGui/QAccessible>
#include <QtGui/QImage>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QSlider>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOption>

#include "host/forms/application.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/menus/menus.h"
#include "host/forms/form.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/scrollbar.h"
#include "host/stdctrls/texts.h"
#include "host/comctrls/pagecontrol.h"
#include "host/comctrls/ranges.h"
#include "host/comctrls/statusbar.h"
#include "host/extctrls/panels.h"
#include "host/extctrls/timer.h"
#include "host/widgetset/qt6/qt6.h"
#include "host/widgetset/qt6/qt6menus.h"
#include "host/widgetset/qt6/qt6windows.h"
#include "tools/formfiles.h"

namespace host::qt6 {
namespace {

TQt6WidgetSet& Qt() { return dynamic_cast<TQt6WidgetSet&>(WidgetSet()); }

// A form file of the examples, read at run time and shown.
struct TShownExample {
  TOwned<TComponent> Root;
  TWinControl* Window = nullptr;
  QWidget* Widget = nullptr;

  explicit TShownExample(const std::string& Path) : Root(corvane::ReadRunTimeForm(Path)) {
    Window = dynamic_cast<TWinControl*>(Root.get());
    Window->Show();
    Application->ProcessMessages();
    Widget = Qt().QtWindows().WidgetOf(Window->GetWindowHandle());
  }
  template <class T>
  T* Find(const std::string& Name) const {
    return dynamic_cast<T*>(Root->FindComponent(Name));
  }
};

QPoint Middle(const TControl* Control) {
  return {Control->GetLeft() + Control->GetWidth() / 2, Control->GetTop() + Control->GetHeight() / 2};
}

// What the host drew for Window on its surface, as an image.
QImage HostImage(HWND Window) {
  const HBITMAP captured = WidgetSet().Windows().CaptureWindow(Window);
  TBitmapBits bits;
  QImage image;
  if (WidgetSet().GetBitmapBits(captured, bits)) {
    image = QImage(bits.Width, bits.Height, QImage::Format_RGB32);
    for (int32_t y = 0; y < bits.Height; ++y)
      for (int32_t x = 0; x < bits.Width; ++x) image.setPixel(x, y, bits.Row(y)[x] | 0xFF000000u);
  }
  WidgetSet().DeleteObject(captured);
  return image;
}

// How many pixels of two images of one size differ in colour; -1 when their
// sizes differ.
int DifferingPixels(const QImage& A, const QImage& B) {
  if (A.size() != B.size()) return -1;
  int count = 0;
  for (int y = 0; y < A.height(); ++y)
    for (int x = 0; x < A.width(); ++x) count += (A.pixel(x, y) & 0xFFFFFF) != (B.pixel(x, y) & 0xFFFFFF);
  return count;
}

TOwned<TForm> NewForm(TRect Bounds) {
  TOwned<TForm> form(static_cast<TForm*>(TCustomForm::CreateNew(&TForm::StaticMetaClass, nullptr)));
  form->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  return form;
}

// Pixels of text inside Rect (window coordinates): those nearer to the
// text colour than to the background, which the rectangle's top-left
// pixel shows. Text is drawn smoothed, so its edges blend into both.
int TextPixels(const QImage& Image, const TRect& Rect, COLORREF Text) {
  const QColor text(GetRValue(Text), GetGValue(Text), GetBValue(Text));
  const QColor background = Image.pixelColor(Rect.Left, Rect.Top);
  auto distance = [](const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
  };
  int count = 0;
  for (int y = Rect.Top; y < Rect.Bottom; ++y)
    for (int x = Rect.Left; x < Rect.Right; ++x) {
      const QColor c = Image.pixelColor(x, y);
      count += distance(c, text) < distance(c, background) ? 1 : 0;
    }
  return count;
}

QImage Screenshot(HWND Window) {
  const std::string path = (std::filesystem::temp_directory_path() / "corvane_qt6_test.png").string();
  Qt().SaveWindowImage(Window, path);
  QImage image(QString::fromStdString(path));
  std::filesystem::remove(path);
  return image.convertToFormat(QImage::Format_RGB32);
}

TEST(Qt6WidgetSet, ARealClickOnTheRoadExampleClearsTheListThroughItsConnection) {
  TShownExample road("examples/road.dfm");
  ASSERT_NE(road.Widget, nullptr);
  EXPECT_TRUE(road.Widget->isVisible());
  EXPECT_EQ(road.Widget->geometry(), QRect(road.Window->GetLeft(), road.Window->GetTop(), road.Window->GetWidth(),
                                           road.Window->GetHeight()));
  auto* names = road.Find<TListBox>("Names");
  auto* clear = road.Find<TButton>("ClearButton");
  ASSERT_EQ(names->GetItems()->GetCount(), 3);
  // A click beside the button does nothing; on the button's own widget,
  // the connection clears.
  QTest::mouseClick(road.Widget, Qt::LeftButton, {}, QPoint(clear->GetLeft() + clear->GetWidth() + 30, 5));
  EXPECT_EQ(names->GetItems()->GetCount(), 3);
  QWidget* button = Qt().QtWindows().WidgetOf(clear->GetHandle());
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  EXPECT_EQ(names->GetItems()->GetCount(), 0);
}

TEST(Qt6WidgetSet, EveryWindowedControlIsAQtWidgetThatFollowsIt) {
  TShownExample flows("examples/connections/flows.dfm");
  auto* typed = flows.Find<TEdit>("Typed");
  auto* secret = flows.Find<TEdit>("Secret");
  QWidget* edit = Qt().QtWindows().WidgetOf(typed->GetHandle());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->parentWidget(), flows.Widget);
  EXPECT_EQ(edit->objectName(), "TEdit");
  // Screen readers meet it as an edit with the control's text as its name.
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::EditableText);
  EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), typed->GetText());
  EXPECT_EQ(edit->geometry(), QRect(typed->GetLeft(), typed->GetTop(), typed->GetWidth(), typed->GetHeight()));
  EXPECT_TRUE(edit->isVisible());

  // Place, visibility and state follow the control.
  typed->SetBounds(typed->GetLeft() + 7, typed->GetTop(), typed->GetWidth() + 10, typed->GetHeight());
  EXPECT_EQ(edit->geometry(), QRect(typed->GetLeft(), typed->GetTop(), typed->GetWidth(), typed->GetHeight()));
  typed->SetEnabled(false);
  EXPECT_FALSE(edit->isEnabled());
  typed->SetEnabled(true);
  typed->SetVisible(false);
  EXPECT_FALSE(edit->isVisible());
  typed->SetVisible(true);
  EXPECT_TRUE(edit->isVisible());

  // Typing into the edit's own widget after a click on it: Qt's focus
  // follows the host's, and the keys reach the edit.
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
  EXPECT_EQ(flows.Widget->focusWidget(), edit);
  QTest::keyClicks(edit, "Qt");
  EXPECT_EQ(typed->GetText(), "Qt");
  secret->SetFocus();
  EXPECT_EQ(flows.Widget->focusWidget(), Qt().QtWindows().WidgetOf(secret->GetHandle()));

  // A control put into another parent moves its widget there; a freed
  // control's widget goes.
  auto* panel = New<TPanel>(flows.Root.get());
  panel->SetParent(flows.Window);
  panel->SetBounds(5, 5, 120, 60);
  Application->ProcessMessages();
  QWidget* panelWidget = Qt().QtWindows().WidgetOf(panel->GetHandle());
  ASSERT_NE(qobject_cast<QFrame*>(panelWidget), nullptr) << "a panel is a frame";
  typed->SetParent(panel);
  typed->SetBounds(3, 4, 100, 21);
  EXPECT_EQ(Qt().QtWindows().WidgetOf(typed->GetHandle())->parentWidget(), panelWidget);
  EXPECT_EQ(Qt().QtWindows().WidgetOf(typed->GetHandle())->geometry(), QRect(3, 4, 100, 21));
  const HWND gone = typed->GetHandle();
  typed->Free();
  EXPECT_EQ(Qt().QtWindows().WidgetOf(gone), nullptr);
}

// The figures QPainter draws land on the pixels the headless raster gives
// them: the same calls on two bitmaps, one drawn by Qt and one by the
// raster, must agree exactly for lines and rectangles and nearly for
// curves; a mix mode Qt does not draw still works (through the raster).
TEST(Qt6WidgetSet, FiguresAreDrawnByQPainterOnTheClassicPixels) {
  TQt6WidgetSet& qt = Qt();
  auto& raster = static_cast<headless::THeadlessWidgetSet&>(qt);
  struct TSheet {
    HDC DC;
    HBITMAP Bitmap;
  };
  auto sheet = [&] {
    TSheet s{qt.CreateCompatibleDC(0), qt.CreateBitmap(64, 48)};
    qt.SelectObject(s.DC, s.Bitmap);
    const HBRUSH white = qt.CreateBrushIndirect({BS_SOLID, RGB(255, 255, 255)});
    qt.FillRect(s.DC, {0, 0, 64, 48}, white);
    qt.DeleteObject(white);
    qt.SelectObject(s.DC, qt.CreatePenIndirect({PS_SOLID, 1, RGB(0, 0, 128)}));
    qt.SelectObject(s.DC, qt.CreateBrushIndirect({BS_SOLID, RGB(200, 30, 30)}));
    return s;
  };
  auto differing = [&](const TSheet& a, const TSheet& b) {
    TBitmapBits x, y;
    EXPECT_TRUE(qt.GetBitmapBits(a.Bitmap, x) && qt.GetBitmapBits(b.Bitmap, y));
    int count = 0;
    for (int32_t row = 0; row < x.Height; ++row)
      for (int32_t col = 0; col < x.Width; ++col) count += (x.Row(row)[col] & 0xFFFFFF) != (y.Row(row)[col] & 0xFFFFFF);
    return count;
  };
  auto drop = [&](TSheet& s) {
    qt.DeleteObject(qt.SelectObject(s.DC, qt.GetStockObject(BLACK_PEN)));
    qt.DeleteObject(qt.SelectObject(s.DC, qt.GetStockObject(WHITE_BRUSH)));
    qt.DeleteDC(s.DC);
    qt.DeleteObject(s.Bitmap);
  };
  TSheet byQt = sheet(), byRaster = sheet();
  const TPoint zigzag[] = {{2, 40}, {12, 30}, {22, 40}, {40, 31}};
  const HBRUSH green = qt.CreateBrushIndirect({BS_SOLID, RGB(0, 160, 0)});
  qt.Rectangle(byQt.DC, {3, 4, 20, 15});
  raster.headless::THeadlessWidgetSet::Rectangle(byRaster.DC, {3, 4, 20, 15});
  qt.MoveToEx(byQt.DC, 30, 2, nullptr);
  qt.LineTo(byQt.DC, 60, 2);
  qt.LineTo(byQt.DC, 60, 20);
  raster.MoveToEx(byRaster.DC, 30, 2, nullptr);
  raster.headless::THeadlessWidgetSet::LineTo(byRaster.DC, 60, 2);
  raster.headless::THeadlessWidgetSet::LineTo(byRaster.DC, 60, 20);
  qt.FillRect(byQt.DC, {30, 8, 50, 14}, green);
  raster.headless::THeadlessWidgetSet::FillRect(byRaster.DC, {30, 8, 50, 14}, green);
  qt.FrameRect(byQt.DC, {44, 24, 60, 44}, green);
  raster.headless::THeadlessWidgetSet::FrameRect(byRaster.DC, {44, 24, 60, 44}, green);
  qt.Polyline(byQt.DC, zigzag);
  raster.headless::THeadlessWidgetSet::Polyline(byRaster.DC, zigzag);
  EXPECT_EQ(differing(byQt, byRaster), 0);
  // The right and bottom edges and a line's last point stay untouched.
  EXPECT_EQ(qt.GetPixel(byQt.DC, 19, 14), RGB(0, 0, 128));
  EXPECT_EQ(qt.GetPixel(byQt.DC, 20, 15), RGB(255, 255, 255));
  EXPECT_EQ(qt.GetPixel(byQt.DC, 10, 10), RGB(200, 30, 30));
  EXPECT_EQ(qt.GetPixel(byQt.DC, 60, 20), RGB(255, 255, 255));

  // Curves: an ellipse of 26 x 20 pixels may differ at its rim only.
  qt.Ellipse(byQt.DC, {4, 20, 30, 40});
  raster.headless::THeadlessWidgetSet::Ellipse(byRaster.DC, {4, 20, 30, 40});
  const int curve = differing(byQt, byRaster);
  EXPECT_LT(curve, 40);
  EXPECT_EQ(qt.GetPixel(byQt.DC, 17, 30), RGB(200, 30, 30));
  // A pie from three o'clock counter-clockwise to twelve: the upper right
  // quarter only; its outline (about 80 pixels) may lie a pixel off.
  qt.Pie(byQt.DC, {34, 18, 62, 46}, {62, 32}, {48, 18});
  raster.headless::THeadlessWidgetSet::Pie(byRaster.DC, {34, 18, 62, 46}, {62, 32}, {48, 18});
  EXPECT_LT(differing(byQt, byRaster) - curve, 80);
  EXPECT_EQ(qt.GetPixel(byQt.DC, 54, 26), RGB(200, 30, 30));
  EXPECT_EQ(qt.GetPixel(byQt.DC, 42, 38), RGB(255, 255, 255));

  // An XOR pen goes through the raster: drawn twice, the line is gone.
  qt.SetROP2(byQt.DC, R2_XORPEN);
  for (int pass = 0; pass < 2; ++pass) {
    qt.MoveToEx(byQt.DC, 0, 46, nullptr);
    qt.LineTo(byQt.DC, 64, 46);
    EXPECT_EQ(qt.GetPixel(byQt.DC, 5, 46), pass == 0 ? RGB(255, 255, 127) : RGB(255, 255, 255));
  }
  EXPECT_FALSE(qt.Rectangle(0, {0, 0, 5, 5}));
  qt.DeleteObject(green);
  drop(byQt);
  drop(byRaster);
}

TEST(Qt6WidgetSet, TypedKeysReachAWiredOnKeyPressAndTheFocusedEditOnly) {
  TShownExample flows("examples/connections/flows.dfm");
  auto* secret = flows.Find<TEdit>("Secret");
  auto* typed = flows.Find<TEdit>("Typed");
  QTest::mouseClick(flows.Widget, Qt::LeftButton, {}, Middle(typed));
  QTest::keyClicks(flows.Widget, "Hi");
  EXPECT_EQ(typed->GetText(), "Hi");
  // The connection turns every key typed into Secret into '*'.
  QTest::mouseClick(flows.Widget, Qt::LeftButton, {}, Middle(secret));
  QTest::keyClicks(flows.Widget, "aB1");
  EXPECT_EQ(secret->GetText(), "***");
  EXPECT_EQ(typed->GetText(), "Hi");
  // Backspace is a character too: masked in Secret, deleting in Typed.
  QTest::keyClick(flows.Widget, Qt::Key_Backspace);
  EXPECT_EQ(secret->GetText(), "****");
  QTest::mouseClick(flows.Widget, Qt::LeftButton, {}, Middle(typed));
  QTest::keyClick(flows.Widget, Qt::Key_End);
  QTest::keyClick(flows.Widget, Qt::Key_Backspace);
  EXPECT_EQ(typed->GetText(), "H");
}

TEST(Qt6WidgetSet, TheScreenshotShowsWhatTheHostDrewTheCaptionAndTheItems) {
  TShownExample road("examples/road.dfm");
  const HWND window = road.Window->GetWindowHandle();
  const QImage shot = Screenshot(window);
  ASSERT_EQ(shot.size(), QSize(road.Window->GetWidth(), road.Window->GetHeight()));
  // Pixel for pixel what the host drew on the window's surface, but for the
  // button and the list box's frame, which Qt's style draws.
  auto* clear = road.Find<TButton>("ClearButton");
  auto* names = road.Find<TListBox>("Names");
  QWidget* list = Qt().QtWindows().WidgetOf(names->GetHandle());
  ASSERT_NE(list, nullptr);
  const int frame = list->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, list);
  const TRect listBounds = names->GetBoundsRect();
  const TRect inside{listBounds.Left + frame, listBounds.Top + frame, listBounds.Right - frame,
                     listBounds.Bottom - frame};
  const QImage host = HostImage(window);
  ASSERT_EQ(host.size(), shot.size());
  int differing = 0, differingOnTheButton = 0, differingOnTheFrame = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const bool differs = (shot.pixel(x, y) & 0xFFFFFF) != (host.pixel(x, y) & 0xFFFFFF);
      const bool onFrame = PtInRect(listBounds, {x, y}) && !PtInRect(inside, {x, y});
      (PtInRect(clear->GetBoundsRect(), {x, y}) ? differingOnTheButton
       : onFrame                                ? differingOnTheFrame
                                                : differing) += differs;
    }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(differingOnTheButton, 0);
  EXPECT_GT(differingOnTheFrame, 0);

  // The button's caption and each list item are drawn where the host puts
  // them; once the list is cleared its item places are empty.
  const TRect button{clear->GetLeft() + 3, clear->GetTop() + 3, clear->GetLeft() + clear->GetWidth() - 3,
                     clear->GetTop() + clear->GetHeight() - 3};
  EXPECT_GT(TextPixels(shot, button, ColorToRGB(clBtnText)), 10);
  auto itemPlace = [&](int i) {
    const TRect item = names->ItemRect(i);
    const TPoint at = names->GetClientOrigin();
    const TPoint form = road.Window->GetClientOrigin();
    return TRect{item.Left + at.X - form.X, item.Top + at.Y - form.Y, item.Right + at.X - form.X,
                 item.Bottom + at.Y - form.Y};
  };
  const TRect places[] = {itemPlace(0), itemPlace(1), itemPlace(2)};
  const COLORREF text = ColorToRGB(names->GetFont()->GetColor());
  for (const TRect& place : places) EXPECT_GT(TextPixels(shot, place, text), 5);
  names->Clear();
  const QImage cleared = Screenshot(window);
  for (const TRect& place : places) EXPECT_EQ(TextPixels(cleared, place, text), 0);
}

// Buttons, check boxes and scroll bars wear the faces Qt's style draws, in
// the state the host gives them: a real click on a check box's widget
// checks it, and the wiring checks the other one, whose face follows; a
// button held down looks pressed; a scroll bar's thumb shows its position.
TEST(Qt6WidgetSet, StandardControlsWearTheStylesFacesInTheHostsState) {
  TShownExample flows("examples/connections/flows.dfm");
  auto* master = flows.Find<TCheckBox>("Master");
  auto* follower = flows.Find<TCheckBox>("Follower");
  auto* pick = flows.Find<TButton>("Pick");
  auto* bar = flows.Find<TScrollBar>("Bar");
  QWidget* masterWidget = Qt().QtWindows().WidgetOf(master->GetHandle());
  QWidget* followerWidget = Qt().QtWindows().WidgetOf(follower->GetHandle());
  QWidget* pickWidget = Qt().QtWindows().WidgetOf(pick->GetHandle());
  QWidget* barWidget = Qt().QtWindows().WidgetOf(bar->GetHandle());
  ASSERT_TRUE(masterWidget && followerWidget && pickWidget && barWidget);
  // Each is a widget of the Qt class that fits it.
  auto* followerBox = qobject_cast<QCheckBox*>(followerWidget);
  auto* pickButton = qobject_cast<QPushButton*>(pickWidget);
  ASSERT_TRUE(followerBox && pickButton && qobject_cast<QScrollBar*>(barWidget));

  // The box Qt's style draws: its pixels change with the check, the
  // caption's do not.
  QStyleOptionButton option;
  option.rect = followerWidget->rect();
  const QRect box = followerWidget->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, followerWidget);
  const QRect caption = followerWidget->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, followerWidget);
  ASSERT_FALSE(box.isEmpty());
  const QImage unchecked = followerWidget->grab().toImage();
  QTest::mouseClick(masterWidget, Qt::LeftButton, {}, masterWidget->rect().center());
  EXPECT_TRUE(master->GetChecked());
  EXPECT_TRUE(follower->GetChecked()) << "the wiring checks the follower";
  const QImage checked = followerWidget->grab().toImage();
  // The widget holds the state it shows, so screen readers hear it checked.
  EXPECT_TRUE(followerBox->isChecked());
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(followerWidget);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::CheckBox);
  EXPECT_TRUE(accessible->state().checked);
  EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), "Follower");
  EXPECT_NE(unchecked.copy(box), checked.copy(box));
  EXPECT_EQ(unchecked.copy(caption), checked.copy(caption));
  EXPECT_GT(TextPixels(checked, {caption.left(), 0, caption.right(), checked.height()},
                       ColorToRGB(follower->GetFont()->GetColor())),
            10);

  // Held down, the button looks pressed; let go, it clicks (the wiring
  // selects the fourth choice) and looks as before.
  const QImage up = pickWidget->grab().toImage();
  QTest::mousePress(pickWidget, Qt::LeftButton, {}, pickWidget->rect().center());
  EXPECT_NE(pickWidget->grab().toImage(), up);
  QTest::mouseRelease(pickWidget, Qt::LeftButton, {}, pickWidget->rect().center());
  EXPECT_TRUE(flows.Find<TListBox>("Choices")->GetSelected(3));
  pickWidget->grab();  // the widget takes the control's state when it paints
  EXPECT_EQ(pickButton->text().toStdString(), "Pick");
  EXPECT_FALSE(pickButton->isDown());
  EXPECT_TRUE(pick->Focused());
  EXPECT_NE(pickWidget->grab().toImage(), up) << "focused, the button shows it";
  pick->SetEnabled(false);
  const QImage disabled = pickWidget->grab().toImage();
  EXPECT_NE(disabled, up);

  // An edit's frame is the style's and shows where the focus is; without a
  // border the edit is all the host's drawing.
  auto* secret = flows.Find<TEdit>("Secret");
  QWidget* secretWidget = Qt().QtWindows().WidgetOf(secret->GetHandle());
  ASSERT_NE(qobject_cast<QLineEdit*>(secretWidget), nullptr);
  master->SetFocus();
  const QImage blurred = secretWidget->grab().toImage();
  secret->SetFocus();
  EXPECT_NE(secretWidget->grab().toImage(), blurred);
  secret->SetBorderStyle(bsNone);
  const QImage borderless = secretWidget->grab().toImage();  // painting lets the host draw what waits
  EXPECT_EQ(DifferingPixels(borderless, HostImage(secret->GetHandle())), 0);

  // A drop-down combo box: the style's frame and arrow around the host's
  // drawing of its text; a real click on the arrow drops the list down.
  auto* combo = New<TComboBox>(flows.Root.get());
  combo->SetParent(flows.Window);
  combo->SetBounds(120, 200, 120, 21);
  combo->SetStyle(csDropDownList);
  combo->GetItems()->Add("Tea");
  combo->SetItemIndex(0);
  Application->ProcessMessages();
  QWidget* comboWidget = Qt().QtWindows().WidgetOf(combo->GetHandle());
  ASSERT_NE(qobject_cast<QComboBox*>(comboWidget), nullptr);
  const QImage comboFace = comboWidget->grab().toImage();
  EXPECT_GT(DifferingPixels(comboFace, HostImage(combo->GetHandle())), 0);
  EXPECT_GT(TextPixels(comboFace, {2, 2, 60, 19}, ColorToRGB(combo->GetFont()->GetColor())), 5);
  QTest::mouseClick(comboWidget, Qt::LeftButton, {}, QPoint(comboWidget->width() - 6, comboWidget->height() / 2));
  EXPECT_TRUE(combo->GetDroppedDown());
  combo->SetDroppedDown(false);

  // A list box is a QListWidget and a memo a QPlainTextEdit, each showing
  // only its viewport: a real click on the viewport picks the item under
  // it, keys typed into the memo's widget reach the memo.
  auto* choices = flows.Find<TListBox>("Choices");
  auto* list = qobject_cast<QListWidget*>(Qt().QtWindows().WidgetOf(choices->GetHandle()));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->viewport()->geometry(), list->rect());
  const TRect second = choices->ItemRect(1);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(second.Left + 5, (second.Top + second.Bottom) / 2));
  EXPECT_EQ(choices->GetItemIndex(), 1);
  auto* memo = New<TMemo>(flows.Root.get());
  memo->SetParent(flows.Window);
  memo->SetBounds(250, 200, 80, 40);
  Application->ProcessMessages();
  auto* memoWidget = qobject_cast<QPlainTextEdit*>(Qt().QtWindows().WidgetOf(memo->GetHandle()));
  ASSERT_NE(memoWidget, nullptr);
  QTest::mouseClick(memoWidget->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::keyClicks(memoWidget, "hi");
  EXPECT_EQ(memo->GetText(), "hi");
  EXPECT_TRUE(memoWidget->toPlainText().isEmpty()) << "the text is the host's";

  // The thumb moves with the position, whoever sets it: code, or a real
  // click on the scroll bar's arrow. (The example's own bar is held by its
  // wiring; this one is free.)
  auto* free = New<TScrollBar>(flows.Root.get());
  free->SetParent(flows.Window);
  free->SetBounds(8, 230, 200, 17);
  Application->ProcessMessages();
  QWidget* freeWidget = Qt().QtWindows().WidgetOf(free->GetHandle());
  ASSERT_NE(freeWidget, nullptr);
  const QImage atStart = freeWidget->grab().toImage();
  free->SetPosition(50);
  const QImage atMiddle = freeWidget->grab().toImage();
  EXPECT_NE(atMiddle, atStart);
  QTest::mouseClick(freeWidget, Qt::LeftButton, {}, QPoint(freeWidget->width() - 4, freeWidget->height() / 2));
  EXPECT_EQ(free->GetPosition(), 51);
  EXPECT_NE(freeWidget->grab().toImage(), atMiddle);
  EXPECT_EQ(qobject_cast<QScrollBar*>(freeWidget)->value(), 51);
  free->SetPosition(0);
  EXPECT_EQ(freeWidget->grab().toImage(), atStart);
  EXPECT_EQ(barWidget->grab().toImage(), atStart) << "the same state, the same face";
}

// The common controls' widgets are of their Qt classes too, with Qt's own
// parts (a tab widget's tab bar and page stack, a status bar's size grip)
// out of the way: a real click on a page control's tab reaches the host,
// which switches the page; track and progress bars hold their position.
TEST(Qt6WidgetSet, CommonControlsAreWidgetsOfTheirQtClassesTheHostStillDrives) {
  TOwned<TForm> form = NewForm(Rect(50, 50, 450, 350));
  auto* pages = New<TPageControl>(form.get());
  pages->SetParent(form.get());
  pages->SetBounds(8, 8, 200, 120);
  TTabSheet* sheets[2];
  for (TTabSheet*& sheet : sheets) {
    sheet = New<TTabSheet>(form.get());
    sheet->SetPageControl(pages);
  }
  sheets[0]->SetCaption("One");
  sheets[1]->SetCaption("Two");
  auto* track = New<TTrackBar>(form.get());
  track->SetParent(form.get());
  track->SetBounds(8, 140, 150, 30);
  auto* progress = New<TProgressBar>(form.get());
  progress->SetParent(form.get());
  progress->SetBounds(8, 180, 150, 16);
  auto* status = New<TStatusBar>(form.get());
  status->SetParent(form.get());
  form->Show();
  Application->ProcessMessages();
  auto widget = [](TWinControl* Control) { return Qt().QtWindows().WidgetOf(Control->GetHandle()); };

  auto* tabs = qobject_cast<QTabWidget*>(widget(pages));
  ASSERT_NE(tabs, nullptr);
  auto* qtTabs = tabs->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
  auto* qtPages = tabs->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_TRUE(qtTabs && qtPages);
  EXPECT_FALSE(qtTabs->isVisible());
  EXPECT_FALSE(qtPages->isVisible());
  EXPECT_EQ(widget(sheets[0])->parentWidget(), tabs);
  const TRect second = pages->TabRect(1);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, QPoint((second.Left + second.Right) / 2, (second.Top + second.Bottom) / 2));
  EXPECT_EQ(pages->GetActivePage(), sheets[1]);
  EXPECT_TRUE(widget(sheets[1])->isVisible());
  EXPECT_FALSE(widget(sheets[0])->isVisible());

  auto* slider = qobject_cast<QSlider*>(widget(track));
  auto* bar = qobject_cast<QProgressBar*>(widget(progress));
  ASSERT_TRUE(slider && bar);
  track->SetPosition(7);
  progress->SetPosition(40);
  slider->grab();  // the widgets take the controls' state when they paint
  bar->grab();
  EXPECT_EQ(slider->value(), 7);
  EXPECT_EQ(slider->maximum(), track->GetMax());
  EXPECT_EQ(bar->value(), 40);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(bar);
  ASSERT_TRUE(accessible && accessible->valueInterface());
  EXPECT_EQ(accessible->valueInterface()->currentValue().toInt(), 40);

  auto* statusWidget = qobject_cast<QStatusBar*>(widget(status));
  ASSERT_NE(statusWidget, nullptr);
  EXPECT_FALSE(statusWidget->isSizeGripEnabled());
}

TEST(Qt6WidgetSet, TextIsMeasuredInQtsProportionalFonts) {
  TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
  bitmap->SetWidth(50);
  bitmap->SetHeight(20);
  TCanvas* canvas = bitmap->GetCanvas();
  // The headless font gives every character the same cell; Qt's do not.
  EXPECT_LT(canvas->TextWidth("iiii"), canvas->TextWidth("WWWW"));
  const int32_t normal = canvas->TextHeight("Hg");
  canvas->GetFont()->SetSize(24);
  EXPECT_GT(canvas->TextHeight("Hg"), normal);
  TTextMetric metric;
  ASSERT_TRUE(WidgetSet().GetTextMetrics(canvas->GetHandle(), metric));
  EXPECT_EQ(metric.Height, metric.Ascent + metric.Descent);
}

TEST(Qt6WidgetSet, AModalFormRunsOnQtsEventLoopUntilARealClickEndsIt) {
  TOwned<TForm> dialog = NewForm({200, 150, 400, 300});
  auto* ok = New<TButton>(dialog.get());
  ok->SetParent(dialog.get());
  ok->SetBounds(20, 20, 80, 25);
  ok->SetModalResult(mrOk);
  QTimer::singleShot(30, [&] {
    QWidget* widget = Qt().QtWindows().WidgetOf(dialog->GetWindowHandle());
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton, {}, Middle(ok));
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(dialog->GetVisible());
  QWidget* widget = Qt().QtWindows().WidgetOf(dialog->GetWindowHandle());
  EXPECT_TRUE(widget == nullptr || !widget->isVisible());
}

TEST(Qt6WidgetSet, TimersFireOnRealTime) {
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  auto* timer = New<TTimer>(owner.get());
  struct TCounter {
    int Fired = 0;
    void OnTimer(TObject*) { ++Fired; }
  } counter;
  timer->SetInterval(20);
  timer->SetOnTimer(TNotifyEvent(&counter, &TCounter::OnTimer));
  const uint64_t start = WidgetSet().Windows().GetTickCount();
  QElapsedTimer real;
  real.start();
  while (real.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  timer->SetEnabled(false);
  EXPECT_GE(WidgetSet().Windows().GetTickCount() - start, 250u);
  EXPECT_GE(counter.Fired, 3);
  EXPECT_LE(counter.Fired, 15);
}

TEST(Qt6WidgetSet, ClosingTheQtWindowAsksTheForm) {
  TOwned<TForm> form = NewForm({50, 60, 300, 200});
  form->SetCaption("Closing");
  struct TGate {
    bool Allow = false;
    void CloseQuery(TObject*, bool& CanClose) { CanClose = Allow; }
  } gate;
  form->OnCloseQuery = TCloseQueryEvent(&gate, &TGate::CloseQuery);
  form->Show();
  Application->ProcessMessages();
  QWidget* widget = Qt().QtWindows().WidgetOf(form->GetWindowHandle());
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->windowTitle(), "Closing");
  widget->close();  // refused by the form: both stay
  EXPECT_TRUE(form->GetVisible());
  EXPECT_TRUE(widget->isVisible());
  gate.Allow = true;
  widget->close();
  EXPECT_FALSE(form->GetVisible());
  EXPECT_FALSE(widget->isVisible());
}

TEST(Qt6WidgetSet, WindowsAreFramedAsTheirFormsAskAndADropDownListTakesARealClick) {
  TOwned<TForm> form = NewForm({100, 100, 300, 200});
  form->SetBorderStyle(bsDialog);
  auto* combo = New<TComboBox>(form.get());
  combo->SetParent(form.get());
  combo->SetBounds(10, 10, 120, 21);
  combo->SetStyle(csDropDownList);
  for (const char* colour : {"red", "green", "blue"}) combo->GetItems()->Add(colour);
  form->Show();
  Application->ProcessMessages();
  QWidget* window = Qt().QtWindows().WidgetOf(form->GetWindowHandle());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowType(), Qt::Dialog);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window->minimumSize(), window->maximumSize());  // a dialog's size is fixed
  // The dialog frame left the border icons as they were: a sizeable frame
  // shows their boxes again, and without the icon the box goes.
  form->SetBorderStyle(bsSizeable);
  EXPECT_EQ(window->windowType(), Qt::Window);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  form->SetBorderIcons({biSystemMenu, biMinimize});
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  // The form's icon is the window's: its colours where its mask is black,
  // transparent where it is white.
  EXPECT_TRUE(window->windowIcon().isNull());
  TOwned<TBitmap> color = MakeOwned<TBitmap>();
  color->SetWidth(2);
  color->SetHeight(1);
  color->GetCanvas()->SetPixels(0, 0, clRed);
  TOwned<TBitmap> mask = MakeOwned<TBitmap>();
  mask->SetWidth(2);
  mask->SetHeight(1);
  mask->GetCanvas()->SetPixels(0, 0, clBlack);
  mask->GetCanvas()->SetPixels(1, 0, clWhite);
  form->GetIcon()->SetHandle(
      WidgetSet().CreateIconIndirect(TIconInfo{true, 0, 0, mask->GetHandle(), color->GetHandle()}));
  const QImage icon = window->windowIcon().pixmap(QSize(2, 1)).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(icon.size(), QSize(2, 1));
  EXPECT_EQ(icon.pixel(0, 0), qRgba(255, 0, 0, 255));
  EXPECT_EQ(qAlpha(icon.pixel(1, 0)), 0);
  EXPECT_TRUE(window->isVisible());
  EXPECT_NE(window->minimumSize(), window->maximumSize());

  // The combo box's button drops its list in a frameless window of its
  // own; a click on the second item there chooses it.
  QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(combo->GetLeft() + combo->GetWidth() - 5, 20));
  ASSERT_TRUE(combo->GetDroppedDown());
  QWidget* list = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->windowType() == Qt::ToolTip) list = w;
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->windowFlags() & Qt::WindowDoesNotAcceptFocus);
  QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(10, combo->GetItemHeight() + combo->GetItemHeight() / 2));
  EXPECT_FALSE(combo->GetDroppedDown());
  EXPECT_EQ(combo->GetItemIndex(), 1);
  EXPECT_EQ(combo->GetText(), "green");
}

TEST(Qt6WidgetSet, APopupMenuShowsAsAQMenuWhoseChoiceReachesTheItem) {
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  auto* popup = New<TPopupMenu>(owner.get());
  struct TClicks {
    std::string Last;
    void Click(TObject* Sender) { Last = static_cast<TMenuItem*>(Sender)->GetCaption(); }
  } clicks;
  auto item = [&](TMenuItem* parent, const std::string& caption) {
    auto* i = New<TMenuItem>(owner.get());
    i->SetCaption(caption);
    i->OnClick = TNotifyEvent(&clicks, &TClicks::Click);
    parent->Add(i);
    return i;
  };
  item(popup->GetItems(), "&Copy");
  item(popup->GetItems(), "-");
  item(popup->GetItems(), "&Paste")->SetEnabled(false);
  TMenuItem* more = item(popup->GetItems(), "&More");
  item(more, "&Special");
  popup->Popup(200, 150);
  QMenu* menu = Qt().QtMenus().Shown();
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 4);
  EXPECT_EQ(actions[0]->text(), "&Copy");
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_FALSE(actions[2]->isEnabled());
  ASSERT_NE(actions[3]->menu(), nullptr);
  // A real click on Copy: the item's OnClick runs and both menus close.
  const QPoint copy = menu->actionGeometry(actions[0]).center();
  QTest::mouseMove(menu, copy);
  QTest::mouseClick(menu, Qt::LeftButton, {}, copy);
  EXPECT_EQ(clicks.Last, "&Copy");
  EXPECT_EQ(Qt().QtMenus().Shown(), nullptr);
  EXPECT_EQ(Qt().Menus().OpenPopup(), nullptr);
  // Through the submenu; and closing the QMenu closes the host's pop-up.
  popup->Popup(200, 150);
  menu = Qt().QtMenus().Shown();
  ASSERT_NE(menu, nullptr);
  QMenu* submenu = menu->actions()[3]->menu();
  emit submenu->aboutToShow();
  ASSERT_EQ(submenu->actions().size(), 1);
  submenu->actions()[0]->trigger();
  EXPECT_EQ(clicks.Last, "&Special");
  popup->Popup(200, 150);
  Qt().QtMenus().Shown()->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(Qt().Menus().OpenPopup(), nullptr);
}

TEST(Qt6WidgetSet, TheMainMenuIsAMenuBarAboveTheFormWhoseItemsRunTheirActions) {
  TOwned<TComponent> todo = corvane::ReadRunTimeForm("examples/todo.dfm");
  auto* form = dynamic_cast<TForm*>(todo->FindComponent("MainForm"));
  auto* items = dynamic_cast<TListBox*>(todo->FindComponent("Items"));
  auto* edit = dynamic_cast<TEdit*>(todo->FindComponent("NewItem"));
  form->Show();
  Application->ProcessMessages();
  QWidget* window = Qt().QtWindows().WidgetOf(form->GetWindowHandle());
  ASSERT_NE(window, nullptr);
  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions()[0]->text(), "&File");
  // The bar sits above the host's client area, which keeps its size; a
  // click below the bar lands where the host has its controls.
  EXPECT_EQ(window->height(), form->GetClientHeight() + bar->height());
  EXPECT_EQ(window->width(), form->GetClientWidth());
  QTest::mouseClick(window, Qt::LeftButton, {}, Middle(edit) + QPoint(0, bar->height()));
  QTest::keyClicks(window, "Tea");
  const int before = items->GetItems()->GetCount();
  QMenu* file = bar->actions()[0]->menu();
  ASSERT_NE(file, nullptr);
  emit file->aboutToShow();
  ASSERT_GE(file->actions().size(), 3);
  EXPECT_EQ(file->actions()[0]->text(), "&Add\tCtrl+N");
  file->actions()[0]->trigger();  // File|Add runs the action, wired to add the text
  EXPECT_EQ(items->GetItems()->GetCount(), before + 1);
  EXPECT_EQ(items->GetItems()->GetStrings(before), "Tea");
  file->actions()[2]->trigger();  // File|Exit closes the form
  EXPECT_FALSE(form->GetVisible());
}

TEST(Qt6WidgetSet, TheDisplayProblemIsNamedBeforeQtIsTouched) {
  struct TSaved {
    const char* Name;
    std::string Value;
    bool Had;
  };
  std::vector<TSaved> saved;
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    saved.push_back({name, value ? value : "", value != nullptr});
    unsetenv(name);
  }
  EXPECT_NE(Qt6DisplayProblem().find("No display"), std::string::npos);
  setenv("QT_QPA_PLATFORM", "wayland", 1);
  setenv("DISPLAY", ":0", 1);
  EXPECT_FALSE(Qt6DisplayProblem().empty());  // X11 does not help Wayland
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  EXPECT_TRUE(Qt6DisplayProblem().empty());
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  unsetenv("DISPLAY");
  EXPECT_TRUE(Qt6DisplayProblem().empty());
  for (const TSaved& s : saved) {
    if (s.Had)
      setenv(s.Name, s.Value.c_str(), 1);
    else
      unsetenv(s.Name);
  }
}

}  // namespace
}  // namespace host::qt6
