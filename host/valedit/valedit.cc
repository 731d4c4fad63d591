// TValueListEditor: the rows of the grid follow the strings, the cells show
// and edit their names and values.
#include "host/valedit/valedit.h"

#include <algorithm>
#include <string_view>

#include "host/classes/strings.h"
#include "host/graphics/canvas.h"
#include "host/graphics/graphicsobj.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TValueListEditor, TCustomGrid)

namespace {

const char* const kIndexOutOfRange = "Grid index out of range";
constexpr std::string_view kDefaultTitles = "Key\nValue\n";

// A string's key and value: the parts before and after its first '='
// (all of it is the key without one).
std::string KeyOf(const std::string& Line) { return Line.substr(0, Line.find('=')); }

std::string ValueOf(const std::string& Line) {
  const std::size_t eq = Line.find('=');
  return eq == std::string::npos ? std::string() : Line.substr(eq + 1);
}

}  // namespace

TValueListEditor::TValueListEditor(TComponent* AOwner) : TCustomGrid(AOwner) {
  FStrings = New<TStringList>();
  FStrings->OnChanging = [this](TObject*) {
    if (OnStringsChanging) OnStringsChanging(this);
  };
  FStrings->OnChange = [this](TObject*) { StringsChanged(); };
  FTitleCaptions = New<TStringList>();
  FTitleCaptions->SetTextStr(std::string(kDefaultTitles));
  FTitleCaptions->OnChange = [this](TObject*) { Invalidate(); };
  SetColCount(2);
  SetFixedCols(0);
  SetLeftCol(0);
  SetDefaultColWidth(150);
  SetDefaultRowHeight(18);
  SetOptions(DefaultValueListOptions);
  SetBounds(0, 0, 306, 300);
  UpdateRows();
  SetCol(1);
}

void TValueListEditor::Destroy() {
  // The editor may lose the focus while the grid goes: nothing is validated then.
  if (TInplaceEdit* edit = GetInplaceEditor()) edit->OnExit = nullptr;
  FEditedRow = -1;
  FreeAndNil(FStrings);
  FreeAndNil(FTitleCaptions);
  inherited::Destroy();
}

TStrings* TValueListEditor::GetStrings() const { return FStrings; }

void TValueListEditor::SetStrings(TStrings* Value) { FStrings->Assign(Value); }

TStrings* TValueListEditor::GetTitleCaptions() const { return FTitleCaptions; }

void TValueListEditor::SetTitleCaptions(TStrings* Value) { FTitleCaptions->Assign(Value); }

bool TValueListEditor::IsTitleCaptionsStored() const { return FTitleCaptions->GetTextStr() != kDefaultTitles; }

void TValueListEditor::SetDisplayOptions(TDisplayOptions Value) {
  FDisplayOptions = Value;
  UpdateRows();
  AutoSizeColumns();
  if (Value.Contains(doKeyColFixed) && GetCol() == 0) SetCol(1);
  Invalidate();
}

// ------------------------------------------------------------ rows and keys

int32_t TValueListEditor::StringIndex(int32_t ARow) const { return ARow - TitleRows(); }

void TValueListEditor::UpdateRows() {
  if (!FStrings) return;
  // Setting a count or fixed count ends editing: only a real change may.
  const int32_t rows = TitleRows() + std::max(1, FStrings->GetCount());
  if (rows > GetFixedRows() && rows != GetRowCount()) SetRowCount(rows);
  if (GetFixedRows() != TitleRows()) SetFixedRows(TitleRows());
  if (rows != GetRowCount()) SetRowCount(rows);
}

void TValueListEditor::StringsChanged() {
  UpdateRows();
  Invalidate();
  if (OnStringsChange) OnStringsChange(this);
}

void TValueListEditor::CheckUnique(const std::string& Key, int32_t Index) const {
  if (!FKeyOptions.Contains(keyUnique)) return;
  const int32_t found = FStrings->IndexOfName(Key);
  if (found >= 0 && found != Index) throw EListError("Duplicate key '%s'", {Key});
}

std::string TValueListEditor::GetValues(const std::string& Key) const { return FStrings->GetValues(Key); }

void TValueListEditor::SetValues(const std::string& Key, const std::string& Value) {
  const int32_t index = FStrings->IndexOfName(Key);
  if (index < 0)
    FStrings->Add(Key + "=" + Value);
  else
    FStrings->SetStrings(index, Key + "=" + Value);
}

std::string TValueListEditor::GetKeys(int32_t ARow) const {
  CheckCell(0, ARow);
  const int32_t index = StringIndex(ARow);
  return index >= 0 && index < FStrings->GetCount() ? KeyOf(FStrings->GetStrings(index)) : std::string();
}

void TValueListEditor::SetKeys(int32_t ARow, const std::string& Value) {
  const int32_t index = StringIndex(ARow);
  if (index < 0 || index >= FStrings->GetCount()) throw EInvalidGridOperation(kIndexOutOfRange);
  CheckUnique(Value, index);
  FStrings->SetStrings(index, Value + "=" + ValueOf(FStrings->GetStrings(index)));
}

bool TValueListEditor::FindRow(const std::string& KeyName, int32_t& Row) const {
  const int32_t index = FStrings->IndexOfName(KeyName);
  if (index < 0) return false;
  Row = index + TitleRows();
  return true;
}

int32_t TValueListEditor::InsertRow(const std::string& KeyName, const std::string& Value, bool Append) {
  CheckUnique(KeyName, -1);
  const int32_t index = Append ? FStrings->GetCount() : std::clamp(StringIndex(GetRow()), 0, FStrings->GetCount());
  FStrings->Insert(index, KeyName + "=" + Value);
  return index + TitleRows();
}

void TValueListEditor::DeleteRow(int32_t ARow) {
  const int32_t index = StringIndex(ARow);
  if (index < 0 || index >= FStrings->GetCount()) throw EInvalidGridOperation(kIndexOutOfRange);
  FStrings->Delete(index);
}

// ----------------------------------------------------------------- the cells

std::string TValueListEditor::CellText(int32_t ACol, int32_t ARow) const {
  const int32_t index = StringIndex(ARow);
  if (!FStrings || index < 0 || index >= FStrings->GetCount()) return {};
  const std::string line = FStrings->GetStrings(index);
  return ACol == 0 ? KeyOf(line) : ValueOf(line);
}

std::string TValueListEditor::GetEditText(int32_t ACol, int32_t ARow) {
  std::string text = CellText(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TValueListEditor::SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) {
  const int32_t index = StringIndex(ARow);
  if (index < 0 || !FStrings) return;
  const bool exists = index < FStrings->GetCount();
  const std::string line = exists ? FStrings->GetStrings(index) : std::string("=");
  if (ACol == 0) CheckUnique(Value, index);
  const std::string changed = ACol == 0 ? Value + "=" + ValueOf(line) : KeyOf(line) + "=" + Value;
  if (exists)
    FStrings->SetStrings(index, changed);
  else
    FStrings->Add(changed);
  FEditedRow = ARow;
  WatchEditorExit();
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TValueListEditor::ValidateEdited() {
  if (FEditedRow < 0 || !FStrings) return;
  const int32_t index = StringIndex(FEditedRow);
  if (OnValidate && index < FStrings->GetCount()) {
    const std::string line = FStrings->GetStrings(index);
    OnValidate(this, GetCol(), FEditedRow, KeyOf(line), ValueOf(line));
  }
  FEditedRow = -1;
}

// The key column is selected (and edited) only with keyEdit, and never
// while it shows as fixed.
bool TValueListEditor::SelectCell(int32_t ACol, int32_t ARow) {
  if (ACol == 0 && (FDisplayOptions.Contains(doKeyColFixed) || !FKeyOptions.Contains(keyEdit))) return false;
  if (ARow != FEditedRow) ValidateEdited();
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

// The focus leaving the in-place editor for another control leaves the
// grid too (the grid itself never had it).
void TValueListEditor::WatchEditorExit() {
  TInplaceEdit* edit = GetInplaceEditor();
  if (!edit || edit->OnExit) return;
  edit->OnExit = [this](TObject*) {
    if (!HandleAllocated() || WidgetSet().Windows().GetFocus() != GetWindowHandle()) ValidateEdited();
  };
}

void TValueListEditor::DoExit() {
  inherited::DoExit();
  ValidateEdited();
}

void TValueListEditor::DrawCell(int32_t ACol, int32_t ARow, TRect ARect, TGridDrawState AState) {
  if (GetDefaultDrawing() && FStrings) {
    TCanvas* canvas = GetCanvas();
    const bool title = ARow < TitleRows();
    if (ACol == 0 && !title && FDisplayOptions.Contains(doKeyColFixed)) {
      canvas->GetBrush()->SetColor(GetFixedColor());
      canvas->FillRect(ARect);
    }
    std::string text = CellText(ACol, ARow);
    if (title) text = ACol < FTitleCaptions->GetCount() ? FTitleCaptions->GetStrings(ACol) : std::string();
    if (AState.Contains(gdSelected)) canvas->GetFont()->SetColor(clHighlightText);
    canvas->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, text);
  }
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

// ---------------------------------------------------------------- geometry

void TValueListEditor::AutoSizeColumns() {
  if (!FDisplayOptions.Contains(doAutoColResize)) return;
  const int32_t border = GetBorderStyle() == bsSingle ? 2 : 0;
  const int32_t rest = GetClientWidth() - border - GetColWidths(0) - 2 * GetGridLineWidth();
  SetColWidths(1, std::max(rest, 16));
}

void TValueListEditor::Resize() {
  inherited::Resize();
  AutoSizeColumns();
}

}  // namespace host
