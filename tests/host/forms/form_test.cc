// A form's own behaviour: its form text, OnShow and OnHide, its menu's
// short cuts, painting and its image.
#include "tests/host/forms/forms_test.h"
#include "tests/support/formtest.h"

#include "host/controls/hintwindow.h"

namespace host::formstest {
namespace {

using FormTest = FormsTest;

TEST_F(FormTest, AFormRoundTripsThroughTheFormText) {
  TOwned<TForm> form = NewForm("Form");
  TMainMenu* menu = New<TMainMenu>(form.get());
  menu->SetName("Menu");
  TEdit* edit = Add<TEdit>(form.get(), "Edit", Bounds(10, 10, 100, 22));
  form->SetCaption("Options");
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetKeyPreview(true);
  form->SetMenu(menu);
  form->SetActiveControl(edit);
  form->SetBorderIcons({biSystemMenu});
  const TFormRoundTrip trip = RoundTrip(form.get());
  for (const char* line : {"BorderStyle = bsDialog", "BorderIcons = [biSystemMenu]", "Position = poScreenCenter",
                           "KeyPreview = True", "Menu = Menu", "ActiveControl = Edit", "Width = 400"})
    EXPECT_NE(trip.Text.find(line), std::string::npos) << line << "\n" << trip.Text;
  // A scrolling form stores its outer size, one that does not scroll its
  // client size.
  EXPECT_EQ(trip.Text.find("ClientWidth"), std::string::npos) << trip.Text;
  form->SetAutoScroll(false);
  const std::string fixed = RoundTrip(form.get()).Text;
  EXPECT_NE(fixed.find("ClientWidth = 394"), std::string::npos) << fixed;  // a dialog frame is 3 a side
  EXPECT_EQ(fixed.find("\n  Width = "), std::string::npos) << fixed;
  form->SetAutoScroll(true);
  EXPECT_EQ(trip.Text.find("Visible"), std::string::npos) << "a hidden form stores no Visible";
  TOwned<TForm> copy(static_cast<TForm*>(TCustomForm::CreateNew(&TForm::StaticMetaClass, nullptr)));
  ReadForm(trip.Binary, copy.get());
  EXPECT_EQ(copy->GetCaption(), "Options");
  EXPECT_EQ(copy->GetBorderStyle(), bsDialog);
  EXPECT_EQ(copy->GetBorderIcons(), TBorderIcons{biSystemMenu});
  EXPECT_EQ(copy->GetMenu(), copy->FindComponent("Menu"));
  EXPECT_EQ(copy->GetActiveControl(), copy->FindComponent("Edit"));
  EXPECT_EQ(copy->GetBoundsRect(), form->GetBoundsRect());
}

TEST_F(FormTest, OnShowAndOnHideRunAroundTheWindowAndCannotChangeVisible) {
  TOwned<TForm> form = NewForm("Form");
  std::vector<std::string> reported;
  Application->OnException = [&](TObject*, Exception* E) { reported.push_back(E->Message()); };
  form->OnShow = [&](TObject*) {
    log.push_back(std::string("show, window shown: ") +
                  (form->HandleAllocated() && Windows().IsWindowVisible(form->GetHandle()) ? "yes" : "no"));
    form->SetVisible(false);
  };
  form->OnHide = [&](TObject*) { log.push_back("hide"); };
  form->Show();
  EXPECT_EQ(log, (std::vector<std::string>{"show, window shown: no"}));
  EXPECT_EQ(reported, (std::vector<std::string>{"Cannot change Visible in OnShow or OnHide (form 'Form')"}));
  EXPECT_TRUE(form->GetVisible());
  EXPECT_TRUE(Windows().IsWindowVisible(form->GetHandle())) << "the showing went on";
  EXPECT_TRUE(form->GetFormState().Contains(fsVisible));
  form->Hide();
  EXPECT_EQ(log.back(), "hide");
  EXPECT_FALSE(Windows().IsWindowVisible(form->GetHandle()));
}

TEST_F(FormTest, TheWindowIsFramedAsBorderStyleAndBorderIconsSay) {
  TOwned<TForm> form = NewForm("Framed");
  form->Show();
  const HWND window = form->GetWindowHandle();
  auto styles = [&] {
    uint32_t style = 0, exStyle = 0;
    EXPECT_TRUE(Windows().GetWindowStyle(window, style, exStyle));
    return std::pair{style, exStyle};
  };
  EXPECT_EQ(styles(), std::pair(WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0u));
  // The window shown takes a new frame at once; a dialog has no boxes but
  // the system menu.
  form->SetBorderStyle(bsDialog);
  EXPECT_EQ(styles(), std::pair(WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME));
  form->SetBorderIcons({});
  EXPECT_EQ(styles(), std::pair(WS_CAPTION, WS_EX_DLGMODALFRAME));
  form->SetBorderStyle(bsSizeToolWin);
  EXPECT_EQ(styles(), std::pair(WS_CAPTION | WS_THICKFRAME, WS_EX_TOOLWINDOW));
  form->SetBorderIcons({biSystemMenu});
  form->SetBorderStyle(static_cast<TFormBorderStyle>(bsNone));  // no frame: no icons either
  EXPECT_EQ(styles(), std::pair(WS_POPUP, 0u));
  // A refused border style changes nothing.
  EXPECT_THROW(form->SetBorderStyle(static_cast<TFormBorderStyle>(9)), Exception);
  EXPECT_EQ(styles(), std::pair(WS_POPUP, 0u));
  // A hint window is a frameless window above the rest that is never activated.
  TOwned<THintWindow> hint(New<THintWindow>(nullptr));
  hint->ActivateHint(Rect(10, 10, 80, 30), "Hint");
  uint32_t style = 0, exStyle = 0;
  ASSERT_TRUE(Windows().GetWindowStyle(hint->GetWindowHandle(), style, exStyle));
  EXPECT_EQ(style, WS_POPUP);
  EXPECT_EQ(exStyle, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
}

TEST_F(FormTest, TheWindowShowsTheFormsIcon) {
  TOwned<TForm> form = NewForm("Iconic");
  form->Show();
  const HWND window = form->GetWindowHandle();
  EXPECT_EQ(Windows().GetWindowIcon(window), 0u) << "an empty icon leaves the backend's own";
  TOwned<TBitmap> color = MakeOwned<TBitmap>();
  color->SetWidth(4);
  color->SetHeight(4);
  TOwned<TBitmap> mask = MakeOwned<TBitmap>();
  mask->SetWidth(4);
  mask->SetHeight(4);
  const HICON handle = WidgetSet().CreateIconIndirect(TIconInfo{true, 0, 0, mask->GetHandle(), color->GetHandle()});
  ASSERT_NE(handle, 0u);
  form->GetIcon()->SetHandle(handle);
  EXPECT_EQ(Windows().GetWindowIcon(window), form->GetIcon()->GetHandle());
  TOwned<TIcon> none = MakeOwned<TIcon>();
  form->SetIcon(none.get());
  EXPECT_EQ(Windows().GetWindowIcon(window), 0u);
}

TEST_F(FormTest, TheMenuTakesItsShortCutsAndServesOneFormOnly) {
  TOwned<TForm> form = NewForm("Form");
  TEdit* edit = Add<TEdit>(form.get(), "Edit", Bounds(10, 10, 100, 22));
  TMainMenu* menu = New<TMainMenu>(form.get());
  menu->SetName("MainMenu");
  TMenuItem* open = New<TMenuItem>(form.get());
  open->SetCaption("Open");
  open->SetShortCut(ShortCut('O', {ssCtrl}));
  open->OnClick = [&](TObject*) { log.push_back("open"); };
  menu->GetItems()->Add(open);
  form->SetMenu(menu);
  form->Show();
  // The window shows the menu as its bar; a robot's choice there runs the item.
  EXPECT_EQ(Windows().GetMenu(form->GetWindowHandle()), menu->GetHandle());
  EXPECT_TRUE(Headless().Menus().ChooseMenuItem(Windows().GetMenu(form->GetWindowHandle()), "Open"));
  EXPECT_EQ(log, (std::vector<std::string>{"open"}));
  log.clear();
  edit->SetFocus();
  Robot().Press('O', {ssCtrl});
  Robot().Type("o");
  EXPECT_EQ(log, (std::vector<std::string>{"open"}));
  EXPECT_EQ(edit->GetText(), "o") << "the short cut made no character";
  TOwned<TForm> other = NewForm("Other");
  EXPECT_RAISES(other->SetMenu(menu), EInvalidOperation, "Menu 'MainMenu' is already being used by another form");
  EXPECT_EQ(other->GetMenu(), nullptr);
  menu->Free();
  EXPECT_EQ(form->GetMenu(), nullptr) << "a freed menu is forgotten";
  EXPECT_EQ(Windows().GetMenu(form->GetWindowHandle()), 0u) << "and its bar goes from the window";
}

TEST_F(FormTest, OnPaintDrawsOnTheFormAndItsImage) {
  TOwned<TForm> form = NewForm("Form");
  form->SetColor(clWhite);
  form->OnPaint = [&](TObject*) {
    form->GetCanvas()->GetBrush()->SetColor(clRed);
    form->GetCanvas()->FillRect(Rect(0, 0, 20, 20));
  };
  TOwned<TBitmap> image(form->GetFormImage());  // the client area: the frame is the window manager's
  EXPECT_EQ(image->GetWidth(), 392);
  EXPECT_EQ(image->GetHeight(), 273);
  EXPECT_EQ(ColorToRGB(image->GetCanvas()->GetPixels(5, 5)), ColorToRGB(clRed));
  EXPECT_EQ(ColorToRGB(image->GetCanvas()->GetPixels(50, 50)), ColorToRGB(clWhite));
  form->Print();
}

TEST_F(FormTest, AnMDIFormListsAndArrangesItsChildren) {
  TOwned<TForm> frame = NewForm("Frame");
  frame->SetFormStyle(fsMDIForm);
  TOwned<TForm> one = NewForm("One");
  TOwned<TForm> two = NewForm("Two");
  for (TForm* child : {one.get(), two.get()}) child->SetFormStyle(fsMDIChild);
  frame->Show();
  one->Show();
  two->Show();
  ASSERT_EQ(frame->GetMDIChildCount(), 2);
  EXPECT_EQ(frame->GetMDIChildren(0), two.get()) << "the most recently active child first";
  EXPECT_EQ(frame->GetActiveMDIChild(), two.get());
  EXPECT_RAISES(frame->GetMDIChildren(2), EListError, "List index out of bounds (2)");
  EXPECT_EQ(one->GetMDIChildCount(), 0) << "only an MDI form has children";
  EXPECT_RAISES(one->ShowModal(), EInvalidOperation, "Cannot make a visible window modal");
  frame->SetTileMode(tbVertical);
  frame->Tile();
  // The client area of 392 x 273 starts below the title bar, inside the border.
  EXPECT_EQ(two->GetBoundsRect(), Bounds(104, 123, 196, 273));
  EXPECT_EQ(one->GetBoundsRect(), Bounds(300, 123, 196, 273));
  frame->Next();
  EXPECT_EQ(frame->GetActiveMDIChild(), one.get());
  // The children's answers decide whether the MDI form may close.
  one->OnCloseQuery = [](TObject*, bool& CanClose) { CanClose = false; };
  EXPECT_FALSE(frame->CloseQuery());
}

TEST_F(FormTest, ADockFormIsAFloatingDockSite) {
  TOwned<TCustomForm> dock(TCustomForm::CreateNew(&TCustomDockForm::StaticMetaClass, nullptr));
  EXPECT_TRUE(dock->GetDockSite());
  EXPECT_TRUE(dock->GetUseDockManager());
  EXPECT_EQ(dock->GetDragKind(), dkDock);
  EXPECT_EQ(dock->GetBorderStyle(), bsSizeToolWin);
  EXPECT_EQ(dock->GetFormStyle(), fsStayOnTop);
  EXPECT_FALSE(dock->GetAutoScroll());
  TOwned<TCustomForm> active(TCustomForm::CreateNew(&TCustomActiveForm::StaticMetaClass, nullptr));
  auto* ax = static_cast<TCustomActiveForm*>(active.get());
  EXPECT_EQ(ax->GetBorderStyle(), static_cast<TFormBorderStyle>(bsNone));
  EXPECT_RAISES(ax->SetAxBorderStyle(static_cast<TActiveFormBorderStyle>(4)), EInvalidOperation,
                "Invalid property value for AxBorderStyle of 'TCustomActiveForm'");
  EXPECT_EQ(ax->GetAxBorderStyle(), afbNone);
}

}  // namespace
}  // namespace host::formstest
