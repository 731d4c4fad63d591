// The property index editor: rows named by the index parameters, typed
// cells left in the index records for the caller, its placement, and the
// dialog closing when what it edits goes.
#include "editors/kelpropindex.h"
#include "host/grids/grids.h"
#include "tests/editors/editors_test.h"

namespace kel::editorstest {
namespace {

// An indexed property record of the test's own: Cells(ACol, ARow).
TkelRecordRef<TkelPropertyInfo> CellsProperty() {
  return TkelRecordRef<TkelPropertyInfo>(
      host::New<TkelPropertyInfo>(nullptr, "Cells", TkelPropertyStyle{psReadable, psWritable, psIndexed}, pvPublic,
                                  TkelArguments{host::New<TkelParameterInfo>(nullptr, "ACol"),
                                                host::New<TkelParameterInfo>(nullptr, "ARow")}));
}

TEST_F(EditorsTest, IndexRowsAreNamedByTheirParametersAndTypedCellsStayInTheRecords) {
  TkelRecordRef<TkelPropertyInfo> cells = CellsProperty();
  const host::Variant index = host::VarArrayOf({host::Variant(3), host::Variant(4)});
  Drive({
      [&] {
        EXPECT_EQ(Active()->GetCaption(), "Property Index");
        EXPECT_EQ(Active()->GetLeft(), 248);
        EXPECT_EQ(Active()->GetWidth(), 149);
        auto* grid = Find<host::TStringGrid>("sgIndexes");
        ASSERT_EQ(grid->GetRowCount(), 2);
        EXPECT_EQ(grid->GetCols(0), (std::vector<std::string>{"ACol", "ARow"}));
        EXPECT_EQ(grid->GetCols(1), (std::vector<std::string>{"3", "4"}));
        ClickCell("sgIndexes", 1, 1);
        Retype("sgIndexes", "7");
        // The typed text goes into the record of its row, as text.
        EXPECT_EQ(cells->GetIndexes(1)->Value.VarType(), host::varString);
        EXPECT_EQ(host::VarToStr(cells->GetIndexes(1)->Value), "7");
      },
      [&] { Click("btClose"); },
  });
  kelShowPropertyIndexEditor(designer.get(), Connection, index, cells.Get());
  EXPECT_TRUE(Driven());
  // The untouched cell keeps the value shown; the caller builds its array.
  host::Variant taken = index;
  kelTakeIndexValues(taken, cells.Get());
  EXPECT_EQ(host::VarToStr(host::VarArrayGet(taken, {0})), "3");
  EXPECT_EQ(host::VarToStr(host::VarArrayGet(taken, {1})), "7");
  EXPECT_EQ(host::VarToStr(host::VarArrayGet(index, {1})), "4");  // the caller's own value is not touched

  // Its place and size were stored; all four are read back.
  EXPECT_EQ(Stored("Property Index Editor", "Left"), 248);
  EXPECT_EQ(Stored("Property Index Editor", "Width"), 149);
  Store("Property Index Editor", "Left", 40);
  Store("Property Index Editor", "Width", 300);
  Drive({[&] {
    EXPECT_EQ(Active()->GetLeft(), 40);
    EXPECT_EQ(Active()->GetWidth(), 300);
    // The value column spans the grid and the button the panel.
    EXPECT_EQ(Find<host::TStringGrid>("sgIndexes")->GetColWidths(1),
              Find<host::TStringGrid>("sgIndexes")->GetClientWidth());
    EXPECT_EQ(Find("btClose")->GetWidth(), Find("Panel1")->GetClientWidth());
    Click("btClose");
  }});
  kelShowPropertyIndexEditor(designer.get(), Connection, index, cells.Get());
  EXPECT_TRUE(Driven());
}

TEST_F(EditorsTest, TheIndexEditorClosesWhenItsBindingsConnectionGoesAndRefusesAValueThatIsNoArray) {
  Connection->SetTarget(ListBox1);
  Connection->SetTargetMethod("SetBounds");
  TkelRecordRef<TkelPropertyInfo> cells = CellsProperty();
  Drive({[&] {
    EXPECT_EQ(Active()->GetCaption(), "Property Index");
    designer->SelectComponent(Connection);
    designer->DeleteSelection();
  }});
  kelShowPropertyIndexEditor(designer.get(), Connection->GetTargetMethodParameters()->GetItem(0),
                             host::VarArrayOf({host::Variant(1), host::Variant(2)}), cells.Get());
  EXPECT_TRUE(Driven());

  // No array to show: the host's error goes to the caller (a button's
  // handler, whose error the application reports) and no dialog is left.
  const int forms = host::Screen->GetCustomFormCount();
  try {
    kelShowPropertyIndexEditor(designer.get(), Edit1, host::Variant(), cells.Get());
    ADD_FAILURE() << "no error";
  } catch (const host::Exception& e) {
    EXPECT_EQ(e.Message(), "Variant is not an array");
  }
  EXPECT_EQ(host::Screen->GetCustomFormCount(), forms);
}

}  // namespace
}  // namespace kel::editorstest
