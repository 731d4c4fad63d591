// The fixture of the grids tests.
#include "tests/host/grids/grids_test.h"

#include "tests/support/windowshot.h"

namespace host::gridstest {


void GridsTest::SetUp() {
  THandlesTest::SetUp();
  form.reset(New<THolder>(nullptr));
  form->SetName("Form");
  form->SetBounds(100, 100, 400, 300);
  grid = New<TStringGrid>(form.get());
  grid->SetName("Grid");
  grid->SetBounds(10, 10, 330, 130);
  grid->SetParent(form.get());
  other = New<TEdit>(form.get());
  other->SetName("Other");
  other->SetBounds(10, 200, 100, 24);
  other->SetParent(form.get());
  form->Show();
  ASSERT_TRUE(grid->HandleAllocated());
}

void GridsTest::TearDown() {
  form.reset();
  THandlesTest::TearDown();
}

TPoint GridsTest::CellPoint(int32_t ACol, int32_t ARow) const {
  const TRect r = grid->CellRect(ACol, ARow);
  return grid->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}

void GridsTest::ClickCell(int32_t ACol, int32_t ARow, TShiftState Shift) {
  Robot().Click(CellPoint(ACol, ARow), headless::TMouseButtonKind::Left, Shift);
}

COLORREF GridsTest::At(int32_t X, int32_t Y) const { return TWindowShot(grid).At(X, Y); }

int32_t GridsTest::Count(TRect Area, TColor Color) const { return TWindowShot(grid).Count(Area, Color); }

void GridsTest::RecordEvents() {
  grid->OnSelectCell = TSelectCellEvent([this](TObject*, int32_t c, int32_t r, bool&) {
    log.push_back("select " + std::to_string(c) + " " + std::to_string(r));
  });
  grid->OnSetEditText = TSetEditEvent([this](TObject*, int32_t c, int32_t r, const std::string& text) {
    log.push_back("set " + std::to_string(c) + " " + std::to_string(r) + " '" + text + "'");
  });
  grid->OnClick = TNotifyEvent([this](TObject*) { log.push_back("click"); });
}

}  // namespace host::gridstest
