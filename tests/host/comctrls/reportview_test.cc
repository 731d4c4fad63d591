// The report view as a user meets it: check boxes toggled by click and
// Space, header clicks, RowSelect, column widths (AutoSize, divider drags
// within MinWidth and MaxWidth), what it draws, bad column input, and the
// classic forms' list views going through a form file unchanged.
#include "host/classes/strings.h"
#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/formtest.h"

namespace host::comctrlstest {
namespace {

class ReportViewTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    view = Add<TListView>(form.get(), "View", Bounds(10, 10, 300, 150));
    view->SetViewStyle(vsReport);
    for (const char* caption : {"Name", "Size", "Kind"}) view->GetColumns()->Add()->SetCaption(caption);
    view->GetColumn(0)->SetWidth(80);
    view->GetColumn(1)->SetWidth(60);
    for (const char* row : {"a.txt", "b.png", "c.dfm"}) {
      TListItem* item = view->GetItems()->Add();
      item->SetCaption(row);
      item->GetSubItems()->Add(std::string("1") + row[0]);
      item->GetSubItems()->Add("file");
    }
    view->OnItemChecked = [this](TObject*, TListItem* Item) {
      log.push_back("checked " + Item->GetCaption() + (Item->GetChecked() ? " on" : " off"));
    };
    view->OnColumnClick = [this](TObject*, TListColumn* Column) { log.push_back("column " + Column->GetCaption()); };
    view->OnSelectItem = [this](TObject*, TListItem* Item, bool Selected) {
      log.push_back((Selected ? "+" : "-") + Item->GetCaption());
    };
  }
  TListItem* Item(int32_t Index) const { return view->GetItems()->GetItem(Index); }
  // A point of row Index, X pixels from the view's left.
  TPoint Row(int32_t Index, int32_t X) {
    const TRect r = view->ItemRect(Item(Index));
    return At(view, {X, (r.Top + r.Bottom) / 2});
  }
  TPoint Header(int32_t X) { return At(view, {X, 6}); }
  TListView* view = nullptr;
};

TEST_F(ReportViewTest, CheckBoxesToggleByClickAndSpaceFiringOnItemChecked) {
  view->SetCheckboxes(true);
  Robot().Click(Row(1, 8));  // on the check box
  EXPECT_TRUE(Item(1)->GetChecked());
  EXPECT_EQ(view->GetSelected(), nullptr) << "the check box toggles without selecting";
  Robot().Click(Row(1, 8));
  EXPECT_FALSE(Item(1)->GetChecked());
  Robot().Click(Row(2, 40));  // on the caption: selects and focuses
  Robot().Press(VK_SPACE);
  EXPECT_TRUE(Item(2)->GetChecked());
  Robot().Press(VK_UP);
  Robot().Press(VK_SPACE);
  EXPECT_TRUE(Item(1)->GetChecked());
  Item(1)->SetChecked(true);  // no change, no event
  Item(0)->SetChecked(true);  // by code: fires too
  EXPECT_EQ(log, (std::vector<std::string>{"checked b.png on", "checked b.png off", "+c.dfm", "checked c.dfm on",
                                           "-c.dfm", "+b.png", "checked b.png on", "checked a.txt on"}));
  // Without Checkboxes the same click selects and Space checks nothing.
  log.clear();
  view->SetCheckboxes(false);
  Robot().Click(Row(2, 8));
  Robot().Press(VK_SPACE);
  EXPECT_EQ(log, (std::vector<std::string>{"-b.png", "+c.dfm"}));
  // The check box draws its tick.
  view->SetCheckboxes(true);
  const TRect r = view->ItemRect(Item(2));
  EXPECT_EQ(Pixel(view, r.Left + 2 + 6, r.Top + (r.Height() - 13) / 2 + 7), Drawn(clWindowText));
  EXPECT_EQ(Pixel(view, view->ItemRect(Item(1)).Left + 2 + 6, r.Top - r.Height() + (r.Height() - 13) / 2 + 7),
            Drawn(clWindowText));
  Item(1)->SetChecked(false);
  EXPECT_EQ(Pixel(view, view->ItemRect(Item(1)).Left + 2 + 6, r.Top - r.Height() + (r.Height() - 13) / 2 + 7),
            Drawn(clWindow));
}

TEST_F(ReportViewTest, HeaderClicksFireOnColumnClickAndRowSelectTakesTheWholeRow) {
  Robot().Click(Header(100));
  Robot().Click(Header(20));
  Robot().Click(Header(280));  // the AutoSize-less remainder: no column
  EXPECT_EQ(log, (std::vector<std::string>{"column Size", "column Name"}));
  // A press held on a header shows it pressed; releasing elsewhere clicks nothing.
  EXPECT_EQ(Pixel(view, 81, 3), Drawn(clBtnHighlight)) << "a raised face";
  Robot().MouseDown(Header(100));
  EXPECT_EQ(Pixel(view, 81, 3), Drawn(clBtnShadow)) << "a sunken face";
  Robot().MouseUp(Header(20));
  EXPECT_EQ(Pixel(view, 81, 3), Drawn(clBtnHighlight));
  view->SetColumnClick(false);
  Robot().Click(Header(100));
  EXPECT_EQ(log.size(), 2u);
  // A sub-item is no place to select a row from, unless RowSelect.
  Robot().Click(Row(1, 100));
  EXPECT_EQ(view->GetSelected(), nullptr);
  view->SetRowSelect(true);
  Robot().Click(Row(1, 100));
  EXPECT_EQ(view->GetSelected(), Item(1));
  const TRect row = view->ItemRect(Item(1));
  EXPECT_EQ(Pixel(view, 150, row.Top + 1), Drawn(clHighlight)) << "the whole row is highlighted";
  view->SetRowSelect(false);
  EXPECT_EQ(Pixel(view, 150, row.Top + 1), Drawn(clWindow));
  EXPECT_EQ(Pixel(view, 20, 3), Drawn(clBtnFace)) << "the header's face";
  // Down moves a row; the header hides with ShowColumnHeaders off and the rows move up.
  Robot().Press(VK_DOWN);
  EXPECT_EQ(view->GetItemFocused(), Item(2));
  const int32_t top = view->ItemRect(Item(0)).Top;
  view->SetShowColumnHeaders(false);
  EXPECT_LT(view->ItemRect(Item(0)).Top, top);
  EXPECT_EQ(view->GetItemAt(20, view->ItemRect(Item(0)).Top + 2), Item(0));
}

TEST_F(ReportViewTest, ColumnsTakeTheirWidthsAutoSizeTheRestAndDividersDragWithinLimits) {
  TListColumn* kind = view->GetColumn(2);
  EXPECT_EQ(kind->GetWidth(), DefaultColumnWidth);
  kind->SetAutoSize(true);
  const int32_t rest = view->GetClientWidth() - 2 - 80 - 60;
  EXPECT_EQ(view->ColumnWidth(kind), rest);
  kind->SetMaxWidth(100);
  EXPECT_EQ(view->ColumnWidth(kind), 100);
  view->GetColumn(0)->SetWidth(290);
  kind->SetMinWidth(30);
  EXPECT_EQ(view->ColumnWidth(kind), 30) << "at least MinWidth when nothing is left";
  view->GetColumn(0)->SetWidth(80);
  // The divider after "Size" (at 1 + 80 + 60) drags within 40..90.
  TListColumn* size = view->GetColumn(1);
  size->SetMinWidth(40);
  size->SetMaxWidth(90);
  Robot().Drag(Header(141), Header(171));
  EXPECT_EQ(size->GetWidth(), 90);
  Robot().Drag(Header(171), Header(100));
  EXPECT_EQ(size->GetWidth(), 40);
  Robot().Drag(Header(121), Header(131));
  EXPECT_EQ(size->GetWidth(), 50);
  EXPECT_TRUE(log.empty()) << "a divider drag clicks no header";
  // Sub-items follow their column; a text wider than its column is clipped to it.
  Item(0)->GetSubItems()->SetStrings(0, std::string(40, 'W'));
  Item(0)->GetSubItems()->SetStrings(1, "");
  const TRect row = view->ItemRect(Item(0));
  EXPECT_EQ(Pixel(view, 1 + 80 + 50 + 3, row.Top + row.Height() / 2), Drawn(clWindow));
  view->SetGridLines(true);
  EXPECT_EQ(Pixel(view, 1 + 80 - 1, row.Top + 1), Drawn(clBtnFace));
  EXPECT_EQ(Pixel(view, 200, row.Bottom - 1),
            Drawn(clBtnFace));  // A column that goes while its divider is dragged is let go.
  Robot().MouseDown(Header(131));
  size->Free();
  Robot().MouseMove(Header(160));
  Robot().MouseUp(Header(160));
  EXPECT_EQ(view->GetColumns()->GetCount(), 2);
  EXPECT_EQ(view->GetColumn(0)->GetWidth(), 80);
  EXPECT_EQ(view->GetColumn(1), kind);
}

TEST_F(ReportViewTest, BadColumnInputRaisesAndChangesNothing) {
  TListColumns* columns = view->GetColumns();
  EXPECT_RAISES(view->GetColumn(3), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(columns->Delete(-1), EListError, "List index out of bounds (-1)");
  EXPECT_RAISES(columns->Insert(5), EListError, "List index out of bounds (5)");
  EXPECT_RAISES(view->GetColumn(1)->SetWidth(-3), ERangeError, "Column Width must not be negative (-3)");
  EXPECT_RAISES(view->GetColumn(1)->SetMinWidth(-1), ERangeError, "Column MinWidth must not be negative (-1)");
  EXPECT_RAISES(view->GetColumn(1)->SetAlignment(static_cast<TAlignment>(7)), EInvalidOperation,
                "Invalid property value (column 1)");
  EXPECT_RAISES(view->SetBorderStyle(static_cast<TBorderStyle>(4)), EInvalidOperation,
                "Invalid property value (control 'View')");
  EXPECT_EQ(columns->GetCount(), 3);
  EXPECT_EQ(view->GetColumn(1)->GetWidth(), 60);
  EXPECT_EQ(view->GetColumn(1)->GetMinWidth(), 0);
  EXPECT_EQ(view->GetColumn(1)->GetAlignment(), taLeftJustify);
  EXPECT_EQ(view->GetBorderStyle(), bsSingle);
  // A row without enough sub-items shows its columns empty; an item copied
  // to another view takes its sub-items and mark along.
  Item(2)->GetSubItems()->Clear();
  Item(2)->SetChecked(true);
  auto* other = Add<TListView>(form.get(), "Other", Bounds(10, 170, 100, 50));
  other->GetItems()->Assign(view->GetItems());
  EXPECT_EQ(other->GetItems()->GetItem(0)->GetSubItems()->GetStrings(1), "file");
  EXPECT_TRUE(other->GetItems()->GetItem(2)->GetChecked());
  EXPECT_EQ(Pixel(view, 100, view->ItemRect(Item(2)).Top + 5), Drawn(clWindow));
}

TEST_F(ReportViewTest, SortTypeKeepsTheItemsInOrderByCaptionOrOnCompare) {
  Item(0)->SetCaption("z.txt");
  EXPECT_EQ(Item(0)->GetCaption(), "z.txt") << "stNone keeps the order";
  view->SetSortType(stText);
  EXPECT_EQ(Item(2)->GetCaption(), "z.txt");
  view->GetItems()->Add()->SetCaption("B.doc");
  EXPECT_EQ(Item(0)->GetCaption(), "B.doc") << "compared without regard to case";
  EXPECT_EQ(Item(1)->GetCaption(), "b.png");
  Item(0)->GetSubItems()->Add("9");
  // A column click sorting by the sub-items in reverse, as programs do.
  view->OnCompare = [](TObject*, TListItem* A, TListItem* B, int32_t, int32_t& Compare) {
    Compare = -AnsiCompareText(A->GetSubItems()->GetStrings(0), B->GetSubItems()->GetStrings(0));
  };
  view->OnColumnClick = [this](TObject*, TListColumn*) { view->AlphaSort(); };
  Robot().Click(Header(100));
  EXPECT_EQ(Item(0)->GetCaption(), "B.doc");
  EXPECT_EQ(Item(1)->GetCaption(), "c.dfm");
  EXPECT_EQ(Item(3)->GetCaption(), "z.txt");
  EXPECT_RAISES(view->SetSortType(static_cast<TSortType>(6)), EInvalidOperation,
                "Invalid property value (control 'View')");
  EXPECT_EQ(view->GetSortType(), stText);
}

// List views as the classic designer writes them (the property sets of the
// classic forms' list views, without Align: whether Anchors are stored with
// it is the shared control properties' matter), each read into a form and
// written back unchanged.
std::string InForm(const char* Components) {
  return std::string("object Form: THolder\n  Left = 0\n  Top = 0\n  Width = 0\n  Height = 0\n") + Components + "end\n";
}

constexpr const char* kClassicViews[] = {
    "  object lvTTxtLang: TListView\n"
    "    Left = 4\n"
    "    Top = 2\n"
    "    Width = 283\n"
    "    Height = 171\n"
    "    Checkboxes = True\n"
    "    Columns = <\n"
    "      item\n"
    "        Caption = 'Current'\n"
    "        MaxWidth = 50\n"
    "        MinWidth = 50\n"
    "      end\n"
    "      item\n"
    "        Caption = 'Language tag'\n"
    "        MinWidth = 50\n"
    "        Width = 80\n"
    "      end\n"
    "      item\n"
    "        AutoSize = True\n"
    "        Caption = 'Language'\n"
    "        MinWidth = 50\n"
    "      end>\n"
    "    ColumnClick = False\n"
    "    GridLines = True\n"
    "    ReadOnly = True\n"
    "    RowSelect = True\n"
    "    TabOrder = 0\n"
    "    ViewStyle = vsReport\n"
    "    OnMouseUp = lvTTxtLangMouseUp\n"
    "  end\n",
    "  object lvCastDevices: TListView\n"
    "    Left = 0\n"
    "    Top = 0\n"
    "    Width = 544\n"
    "    Height = 213\n"
    "    BevelInner = bvNone\n"
    "    BevelOuter = bvNone\n"
    "    BorderStyle = bsNone\n"
    "    Color = clBlack\n"
    "    Columns = <\n"
    "      item\n"
    "        Caption = 'Name'\n"
    "        MaxWidth = 550\n"
    "        MinWidth = 20\n"
    "        Width = 240\n"
    "      end>\n"
    "    ColumnClick = False\n"
    "    Ctl3D = False\n"
    "    Font.Charset = DEFAULT_CHARSET\n"
    "    Font.Color = clWhite\n"
    "    Font.Height = -11\n"
    "    Font.Name = 'Tahoma'\n"
    "    Font.Style = []\n"
    "    HideSelection = False\n"
    "    ReadOnly = True\n"
    "    RowSelect = True\n"
    "    ParentFont = False\n"
    "    TabOrder = 0\n"
    "    ViewStyle = vsReport\n"
    "    OnDblClick = lvCastDevicesDblClick\n"
    "    OnSelectItem = lvCastDevicesSelectItem\n"
    "  end\n",
    "  object lvMonitors: TListView\n"
    "    Left = 12\n"
    "    Top = 12\n"
    "    Width = 630\n"
    "    Height = 276\n"
    "    Columns = <>\n"
    "    HideSelection = False\n"
    "    LargeImages = ilMonitors\n"
    "    ReadOnly = True\n"
    "    RowSelect = True\n"
    "    TabOrder = 0\n"
    "    OnSelectItem = lvMonitorsSelectItem\n"
    "  end\n"
    "  object ilMonitors: TImageList\n"
    "  end\n",
    // Design-time items in the classic binary: kept as they are.
    "  object lvItems: TListView\n"
    "    Left = 0\n"
    "    Top = 0\n"
    "    Width = 250\n"
    "    Height = 150\n"
    "    Columns = <>\n"
    "    Items.ItemData = {\n"
    "      03300000000100000000000000FFFFFFFFFFFFFFFF0000000000000000066100\n"
    "      620063003100}\n"
    "    TabOrder = 0\n"
    "  end\n",
};

TEST_F(ReportViewTest, ClassicFormsListViewsGoThroughAFormFileUnchanged) {
  for (const char* components : kClassicViews) {
    TOwned<THolder> copy = ReadNewRoot<THolder>(TextToBinary(InForm(components)));
    EXPECT_EQ(FormText(copy.get()), InForm(components));
  }
  TOwned<THolder> copy = ReadNewRoot<THolder>(TextToBinary(InForm(kClassicViews[0])));
  auto* read = dynamic_cast<TListView*>(copy->FindComponent("lvTTxtLang"));
  ASSERT_TRUE(read);
  ASSERT_EQ(read->GetColumns()->GetCount(), 3);
  EXPECT_EQ(read->GetColumn(0)->GetWidth(), DefaultColumnWidth);
  EXPECT_EQ(read->GetColumn(1)->GetCaption(), "Language tag");
  EXPECT_TRUE(read->GetColumn(2)->GetAutoSize());
  EXPECT_TRUE(read->GetCheckboxes() && read->GetGridLines() && read->GetRowSelect());
  EXPECT_FALSE(read->GetColumnClick());
  // A view made by a program writes its columns, an empty list as "<>".
  EXPECT_NE(FormText(form.get()).find("    Columns = <\n      item\n        Caption = 'Name'\n        Width = 80\n"),
            std::string::npos);
  view->GetColumns()->Clear();
  EXPECT_NE(FormText(form.get()).find("    Columns = <>\n"), std::string::npos);
}

}  // namespace
}  // namespace host::comctrlstest
