// TPage and TNotebook: the pages as children of the notebook, the page list
// behind Pages, the active page, and the pages in form files.
#include "host/extctrls/notebook.h"

#include <algorithm>

#include "host/classes/filer.h"
#include "host/graphics/graphicsobj.h"
#include "host/widgetset/widgetset.h"

namespace host {

// ------------------------------------------------------------ TNotebookPages

// Pages as a TStrings: each string is the caption of the page at its
// index, the object the page itself.
class TNotebookPages : public TStrings {
  HOST_CLASS(TNotebookPages, TStrings)
  explicit TNotebookPages(TNotebook* Notebook) : FNotebook(Notebook) {}

  int32_t GetCount() const override { return FNotebook->PageCount(); }
  void Clear() override { FNotebook->ClearPages(); }
  void Delete(int32_t Index) override {
    CheckIndex(Index, GetCount());
    FNotebook->DeletePage(Index);
  }
  void Insert(int32_t Index, const std::string& S) override {
    CheckIndex(Index, GetCount() + 1);
    FNotebook->InsertPage(Index, S);
  }
  void Move(int32_t CurIndex, int32_t NewIndex) override {
    CheckIndex(CurIndex, GetCount());
    CheckIndex(NewIndex, GetCount());
    FNotebook->MovePage(CurIndex, NewIndex);
  }

 protected:
  ~TNotebookPages() override = default;
  std::string Get(int32_t Index) const override {
    CheckIndex(Index, GetCount());
    return FNotebook->FPageList[Index]->GetCaption();
  }
  void Put(int32_t Index, const std::string& S) override {
    CheckIndex(Index, GetCount());
    FNotebook->FPageList[Index]->SetCaption(S);
  }
  TObject* GetObject(int32_t Index) const override {
    CheckIndex(Index, GetCount());
    return FNotebook->FPageList[Index];
  }

 private:
  TNotebook* FNotebook;
};

HOST_IMPL(TNotebookPages, TStrings)
HOST_IMPL(TPage, TCustomControl)
HOST_IMPL(TNotebook, TCustomControl)

// ---------------------------------------------------------------------- TPage

TPage::TPage(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FVisible = false;
  FAlign = alClient;
  FAnchors = AnchorAlign[FAlign];
}

void TPage::ReadState(TReader* Reader) {
  if (auto* notebook = dynamic_cast<TNotebook*>(Reader->GetParent())) notebook->FPageList.push_back(this);
  inherited::ReadState(Reader);
}

// At design time a dashed frame shows where the page is.
void TPage::Paint() {
  if (!GetComponentState().Contains(csDesigning)) return;
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetStyle(psDash);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->Rectangle(0, 0, GetWidth(), GetHeight());
}

// ------------------------------------------------------------------ TNotebook

TNotebook::TNotebook(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csClickEvents, csDoubleClicks};
  SetBounds(0, 0, 150, 150);
  FAccess = New<TNotebookPages>(this);
  FAccess->Add("Default");
}

void TNotebook::Destroy() {
  inherited::Destroy();  // frees the pages, which the notebook owns
  FreeAndNil(FAccess);
}

TPage* TNotebook::GetPage(int32_t Index) const {
  if (Index < 0 || Index >= PageCount()) throw EListError(SListIndexError, {Index});
  return FPageList[Index];
}

TPage* TNotebook::NewPage(const std::string& Caption) {
  TPage* page = New<TPage>(this);
  try {
    page->SetCaption(Caption);
    page->SetParent(this);
  } catch (...) {
    page->Free();
    throw;
  }
  return page;
}

void TNotebook::InsertPage(int32_t Index, const std::string& Caption) {
  TPage* page = NewPage(Caption);
  FPageList.insert(FPageList.begin() + Index, page);
  if (FPageIndex >= Index) ++FPageIndex;  // the active page moved up
  SetPageIndex(Index);
}

void TNotebook::DeletePage(int32_t Index) {
  TPage* page = FPageList[Index];
  page->Free();  // Notification takes it out of the list and moves the active page
}

// No page is active while they go, so none is shown on the way.
void TNotebook::ClearPages() {
  FPageIndex = -1;
  while (!FPageList.empty()) FPageList.back()->Free();
}

void TNotebook::MovePage(int32_t CurIndex, int32_t NewIndex) {
  TPage* active = FPageIndex >= 0 ? FPageList[FPageIndex] : nullptr;
  TPage* page = FPageList[CurIndex];
  FPageList.erase(FPageList.begin() + CurIndex);
  FPageList.insert(FPageList.begin() + NewIndex, page);
  if (active)
    FPageIndex = static_cast<int32_t>(std::find(FPageList.begin(), FPageList.end(), active) - FPageList.begin());
}

// A page freed by anyone leaves the list; when it was the active one, the
// page now at its place (or the last) becomes active.
void TNotebook::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  auto it = std::find(FPageList.begin(), FPageList.end(), AComponent);
  if (it == FPageList.end()) return;
  const auto index = static_cast<int32_t>(it - FPageList.begin());
  FPageList.erase(it);
  if (GetComponentState().Contains(csDestroying)) return;
  if (index < FPageIndex) {
    --FPageIndex;
  } else if (index == FPageIndex) {
    FPageIndex = -1;
    SetPageIndex(std::min(index, PageCount() - 1));
  }
}

// The focus does not stay on a control of a page that goes out of sight:
// the notebook takes it.
void TNotebook::ShowPage(int32_t Index) {
  TWinControl* focused = WidgetSetRunning() ? FindControl(WidgetSet().Windows().GetFocus()) : nullptr;
  for (int32_t i = 0; i < PageCount(); ++i) {
    TPage* page = FPageList[i];
    if (i != Index && focused && page->ContainsControl(focused) && CanFocus()) SetFocus();
    page->SetVisible(i == Index);
  }
}

void TNotebook::SetPageIndex(int32_t Value) {
  if (GetComponentState().Contains(csLoading)) {
    FPageIndex = Value;  // checked once the pages are read (Loaded)
    return;
  }
  if (Value == FPageIndex || Value < 0 || Value >= PageCount()) return;
  FPageIndex = Value;
  ShowPage(Value);
  PageChanged();
}

std::string TNotebook::GetActivePage() const { return FPageIndex >= 0 ? FPageList[FPageIndex]->GetCaption() : ""; }

void TNotebook::SetActivePage(const std::string& Value) {
  const int32_t index = FAccess->IndexOf(Value);
  if (index < 0) throw EListError("Notebook '%s' has no page '%s'", {ControlDisplayName(this), Value});
  SetPageIndex(index);
}

void TNotebook::PageChanged() {
  if (OnPageChanged) OnPageChanged(this);
}

void TNotebook::GetChildren(TGetChildProc Proc, TComponent* /*Root*/) {
  for (TPage* page : FPageList) Proc(page);
}

// The pages of the form file replace the notebook's own.
void TNotebook::ReadState(TReader* Reader) {
  ClearPages();
  FPageIndex = -1;
  inherited::ReadState(Reader);
}

void TNotebook::Loaded() {
  inherited::Loaded();
  const int32_t index = FPageIndex;
  FPageIndex = -1;
  if (index >= 0 && index < PageCount()) {
    FPageIndex = index;
    ShowPage(index);
  } else if (PageCount() > 0) {
    FPageIndex = 0;
    ShowPage(0);
  }
}

}  // namespace host
