// TPage and TNotebook: a stack of pages of which the notebook shows one.
//
// A page is a windowed control that holds the controls placed on it. The
// pages are children of the notebook, owned by it and aligned to its client
// area; only the active page (PageIndex) is visible. Pages is a TStrings of
// the page captions: adding a string adds a page (and shows it), deleting
// one frees the page with the controls on it, renaming a string renames the
// page. Changing the active page fires OnPageChanged.
//
// Form files: the notebook writes its pages as its children (unnamed TPage
// objects holding the controls placed on them); reading a notebook replaces
// its pages with those read. PageIndex is read after the pages, so a form
// file's active page is shown once loading ends.
//
// Bad input, the classic way: a PageIndex outside the pages is ignored (the
// active page stays); an ActivePage that names no page raises EListError
// and changes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/classes/strings.h"
#include "host/controls/controls.h"

namespace host {

class TNotebook;

class TPage : public TCustomControl {
  HOST_CLASS(TPage, TCustomControl)
  using TCreateArg = TComponent;
  explicit TPage(TComponent* AOwner);

 protected:
  ~TPage() override = default;
  // A page read as a notebook's child joins that notebook's pages.
  void ReadState(TReader* Reader) override;
  void Paint() override;
};

class TNotebook : public TCustomControl {
  HOST_CLASS(TNotebook, TCustomControl)
  using TCreateArg = TComponent;
  // A new notebook has one page, "Default".
  explicit TNotebook(TComponent* AOwner);

  TStrings* GetPages() const { return FAccess; }
  void SetPages(TStrings* Value) {
    if (Value != FAccess) FAccess->Assign(Value);
  }
  int32_t GetPageIndex() const { return FPageIndex; }
  void SetPageIndex(int32_t Value);
  // The caption of the active page; empty when there is none.
  std::string GetActivePage() const;
  void SetActivePage(const std::string& Value);
  int32_t PageCount() const { return static_cast<int32_t>(FPageList.size()); }
  // Raises EListError "List index out of bounds (%d)" outside the pages.
  TPage* GetPage(int32_t Index) const;

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  TComponent* GetChildOwner() override { return this; }

  TNotifyEvent OnPageChanged;

 protected:
  ~TNotebook() override = default;
  void Destroy() override;
  void ReadState(TReader* Reader) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void PageChanged();

 private:
  friend class TPage;
  friend class TNotebookPages;
  TPage* NewPage(const std::string& Caption);
  void InsertPage(int32_t Index, const std::string& Caption);
  void DeletePage(int32_t Index);
  void ClearPages();
  void MovePage(int32_t CurIndex, int32_t NewIndex);
  // Shows page Index (hiding the others); -1 shows none.
  void ShowPage(int32_t Index);

  std::vector<TPage*> FPageList;
  TStrings* FAccess = nullptr;
  int32_t FPageIndex = -1;
};

}  // namespace host
