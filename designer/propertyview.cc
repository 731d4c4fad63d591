#include "designer/propertyview.h"

#include <algorithm>

#include "host/forms/application.h"
#include "host/rtl/sysutils.h"

namespace corvane::designer {

using namespace host;

HOST_IMPL(TPropertyView, TObject)

namespace {

constexpr int32_t kNameWidth = 130;
constexpr int32_t kValueWidth = 300;
constexpr int32_t kDialogButtonWidth = 20;

template <class T>
T* AddControl(TWinControl* Parent, const char* Name) {
  auto* control = New<T>(Parent->GetOwner() ? Parent->GetOwner() : Parent);
  control->SetName(Name);
  control->SetParent(Parent);
  return control;
}

bool IsBoolean(const TInspectorRow& Row) {
  return Row.Values.size() == 2 && SameText(Row.Values[0], "False") && SameText(Row.Values[1], "True");
}

// The name cell: indented by level, marked when it has sub-properties.
std::string NameCell(const TInspectorRow& Row) {
  std::string name = Row.Name.substr(Row.Name.rfind('.') == std::string::npos ? 0 : Row.Name.rfind('.') + 1);
  const std::string mark = Row.Attributes.Contains(paSubProperties) ? (Row.Expanded ? "- " : "+ ") : "  ";
  return std::string(static_cast<std::size_t>(Row.Level) * 2, ' ') + mark + name;
}

}  // namespace

TPropertyView::TPropertyView(TWinControl* Parent, TFormDesigner* Designer) : FDesigner(nullptr) {
  FComponents = AddControl<TComboBox>(Parent, "Components");
  FComponents->SetAlign(alTop);
  FComponents->SetStyle(csDropDownList);
  FComponents->OnSelect = TNotifyEvent(this, &TPropertyView::ComponentChosen);

  FGrid = AddControl<TStringGrid>(Parent, "Properties");
  FGrid->SetAlign(alClient);
  FGrid->SetFixedCols(0);
  FGrid->SetFixedRows(0);
  FGrid->SetColCount(2);
  FGrid->SetRowCount(1);
  FGrid->SetDefaultRowHeight(18);
  FGrid->SetColWidths(0, kNameWidth);
  FGrid->SetColWidths(1, kValueWidth);
  // Without fixed cells the first column and row are the first shown.
  FGrid->SetLeftCol(0);
  FGrid->SetTopRow(0);
  TGridOptions options = FGrid->GetOptions();
  options.Exclude(goEditing);
  options.Exclude(goRangeSelect);
  FGrid->SetOptions(options);
  FGrid->OnClick = TNotifyEvent(this, &TPropertyView::GridClicked);
  FGrid->OnDrawCell = TDrawCellEvent(this, &TPropertyView::DrawCell);

  FEdit = AddControl<TEdit>(FGrid, "ValueEdit");
  FEdit->OnKeyPress = TKeyPressEvent(this, &TPropertyView::EditKey);
  FEdit->OnExit = TNotifyEvent(this, &TPropertyView::EditExit);
  FList = AddControl<TComboBox>(FGrid, "ValueList");
  FList->OnSelect = TNotifyEvent(this, &TPropertyView::ListChosen);
  FList->OnKeyPress = TKeyPressEvent(this, &TPropertyView::EditKey);
  FList->OnExit = TNotifyEvent(this, &TPropertyView::EditExit);
  FCheck = AddControl<TCheckBox>(FGrid, "ValueCheck");
  FCheck->OnClick = TNotifyEvent(this, &TPropertyView::CheckClicked);
  FDialog = AddControl<TButton>(FGrid, "ValueDialog");
  FDialog->SetCaption("...");
  FDialog->OnClick = TNotifyEvent(this, &TPropertyView::DialogClicked);
  HideEditors();
  SetDesigner(Designer);
}

void TPropertyView::SetDesigner(TFormDesigner* Designer) {
  if (FDesigner) FDesigner->RemoveListener(this);
  FModel.reset();
  FDesigner = Designer;
  FModel = MakeOwned<TObjectInspectorModel>(Designer);
  FModel->OnChange = TNotifyEvent(this, &TPropertyView::ModelChanged);
  FDesigner->AddListener(this);
  FillComponents();
  Rebuild();
}

void TPropertyView::Destroy() {
  if (FDesigner) FDesigner->RemoveListener(this);
  if (FModel) FModel->OnChange = nullptr;
  FModel.reset();
  inherited::Destroy();
}

// --------------------------------------------------------------- the rows

void TPropertyView::ModelChanged(TObject*) { Rebuild(); }

void TPropertyView::Rebuild() {
  const std::string current = CurrentProperty();
  const int count = FModel->GetRowCount();
  FGrid->SetRowCount(std::max(1, count));
  if (count == 0) {
    FGrid->SetCells(0, 0, "");
    FGrid->SetCells(1, 0, "");
  }
  for (int i = 0; i < count; ++i) {
    const TInspectorRow& row = FModel->GetRow(i);
    FGrid->SetCells(0, i, NameCell(row));
    FGrid->SetCells(1, i, row.Value);
  }
  // The same property stays current when it is still there.
  int keep = 0;
  for (int i = 0; i < count; ++i)
    if (SameText(FModel->GetRow(i).Name, current)) keep = i;
  FGrid->SetRow(std::min(keep, std::max(0, count - 1)));
  FGrid->Invalidate();
  ShowEditor();
}

const TInspectorRow* TPropertyView::CurrentRow() const {
  const int row = FGrid->GetRow();
  return row >= 0 && row < FModel->GetRowCount() ? &FModel->GetRow(row) : nullptr;
}

std::string TPropertyView::CurrentProperty() const {
  const TInspectorRow* row = CurrentRow();
  return row ? row->Name : std::string();
}

bool TPropertyView::SelectProperty(const std::string& Name) {
  for (int i = 0; i < FModel->GetRowCount(); ++i)
    if (SameText(FModel->GetRow(i).Name, Name)) {
      FGrid->SetRow(i);
      ShowEditor();
      return true;
    }
  return false;
}

void TPropertyView::DrawCell(TObject*, int32_t ACol, int32_t ARow, TRect Rect, TGridDrawState State) {
  // Read-only values grey.
  if (ACol != 1 || ARow >= FModel->GetRowCount() || !FModel->GetRow(ARow).ReadOnly) return;
  TCanvas* canvas = FGrid->GetCanvas();
  canvas->GetBrush()->SetColor(State.Contains(gdSelected) ? clHighlight : FGrid->GetColor());
  canvas->GetFont()->SetColor(clGrayText);
  canvas->TextRect(Rect, Rect.Left + 2, Rect.Top + 2, FModel->GetRow(ARow).Value);
}

void TPropertyView::GridClicked(TObject*) {
  const TInspectorRow* row = CurrentRow();
  if (row && FGrid->GetCol() == 0 && row->Attributes.Contains(paSubProperties)) {
    const std::string name = row->Name;
    FModel->Expand(name, !row->Expanded);
    SelectProperty(name);
    return;
  }
  ShowEditor();
}

// ------------------------------------------------------------- the editors

void TPropertyView::HideEditors() {
  FEdit->SetVisible(false);
  FList->SetVisible(false);
  FCheck->SetVisible(false);
  FDialog->SetVisible(false);
}

void TPropertyView::ShowEditor() {
  FShowing = true;
  HideEditors();
  const TInspectorRow* row = CurrentRow();
  // A read-only row takes no editor, unless it has a dialog ("...").
  if (row && (!row->ReadOnly || row->Attributes.Contains(paDialog))) {
    TRect cell = FGrid->CellRect(1, FGrid->GetRow());
    auto place = [&](TControl* Control, int32_t Right) {
      Control->SetBounds(cell.Left, cell.Top, Right - cell.Left, cell.Height());
      Control->SetVisible(true);
    };
    if (IsBoolean(*row) && !row->ReadOnly) {
      FCheck->SetChecked(SameText(row->Value, "True"));
      FCheck->SetCaption(row->Value);
      place(FCheck, cell.Right);
    } else if (row->Attributes.Contains(paValueList) && !row->ReadOnly) {
      FList->SetStyle(row->Attributes.Contains(paReadOnly) ? csDropDownList : csDropDown);
      FList->GetItems()->Clear();
      for (const std::string& value : row->Values) FList->GetItems()->Add(value);
      FList->SetItemIndex(FList->GetItems()->IndexOf(row->Value));
      if (FList->GetItemIndex() < 0) FList->SetText(row->Value);
      place(FList, cell.Right);
    } else {
      const bool dialog = row->Attributes.Contains(paDialog);
      FEdit->SetText(row->Value);
      FEdit->SetReadOnly(row->ReadOnly);
      place(FEdit, dialog ? cell.Right - kDialogButtonWidth : cell.Right);
      if (dialog) {
        FDialog->SetBounds(cell.Right - kDialogButtonWidth, cell.Top, kDialogButtonWidth, cell.Height());
        FDialog->SetVisible(true);
      }
    }
  }
  FShowing = false;
}

void TPropertyView::Commit(const std::string& Text) {
  const TInspectorRow* row = CurrentRow();
  if (!row || row->ReadOnly || FShowing || FCommitting > 0) return;
  if (Text == row->Value) return;
  const std::string name = row->Name;
  ++FCommitting;
  try {
    FModel->SetValue(name, Text);
  } catch (const Exception&) {
    --FCommitting;
    // The old value comes back before the message shows.
    ShowEditor();
    Application->HandleException(this);
    return;
  }
  --FCommitting;
  SelectProperty(name);
}

void TPropertyView::EditKey(TObject* Sender, char& Key) {
  if (Key == '\r') {
    Key = 0;
    Commit(Sender == FList ? FList->GetText() : FEdit->GetText());
  } else if (Key == 27) {
    Key = 0;
    ShowEditor();
  }
}

void TPropertyView::EditExit(TObject* Sender) {
  if (!static_cast<TControl*>(Sender)->GetVisible()) return;
  Commit(Sender == FList ? FList->GetText() : FEdit->GetText());
}

void TPropertyView::ListChosen(TObject*) { Commit(FList->GetText()); }

void TPropertyView::CheckClicked(TObject*) {
  if (!FShowing) Commit(FCheck->GetChecked() ? "True" : "False");
}

void TPropertyView::DialogClicked(TObject*) {
  const TInspectorRow* row = CurrentRow();
  if (!row) return;
  const std::string name = row->Name;
  try {
    FModel->Edit(name);
  } catch (const Exception&) {
    Application->HandleException(this);
  }
  SelectProperty(name);
}

// ------------------------------------------------------------ components

void TPropertyView::FillComponents() {
  if (!FDesigner || !FDesigner->GetRoot()) return;
  TStrings* items = FComponents->GetItems();
  items->BeginUpdate();
  items->Clear();
  std::vector<TComponent*> components;
  TComponent* root = FDesigner->GetRoot();
  components.push_back(root);
  for (int i = 0; i < root->GetComponentCount(); ++i) components.push_back(root->GetComponents(i));
  for (TComponent* c : components) items->AddObject(c->GetName() + ": " + c->ClassName(), c);
  items->EndUpdate();
  const auto& selection = FDesigner->Selection();
  int index = -1;
  if (selection.size() == 1) index = items->IndexOfObject(selection.front());
  FComponents->SetItemIndex(index);
}

void TPropertyView::ComponentChosen(TObject*) {
  const int index = FComponents->GetItemIndex();
  if (index >= 0) FDesigner->SelectComponent(static_cast<TComponent*>(FComponents->GetItems()->GetObjects(index)));
}

}  // namespace corvane::designer
