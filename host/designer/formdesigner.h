// TFormDesigner: the form designer of one designed form.
//
// The designed form is a root component (a form, a data module or any
// component) in the csDesigning state with every component it owns. It is
// made empty (CreateNew) or read from a form file of any format (Open);
// the designer owns it and frees it with itself. A designed TCustomForm
// carries the designer as its Designer.
//
// The designer is owned by whoever opened it, as a component is: its
// interfaces are not reference counted (_AddRef and _Release count
// nothing), so the IDesigner and IFormDesigner handed to editors are
// borrowed and valid while the designer lives.
//
// Listeners (TDesignerListener) hear every Modified and every change of the
// selection, also when a selected object is freed by anyone: the designer
// watches the objects being freed and drops them from its selection.
//
// Bad input raises and leaves the form as it was: a class that is not a
// registered, creatable component class (EClassNotFound, EComponentError),
// a form or data module class, which is designed on its own (EInvalidOperation),
// a parent that is no windowed control of the form or a control on a form
// that is no windowed control (EInvalidOperation), a base name that cannot
// start a component name (EComponentError).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/classes/streams.h"
#include "host/designer/designintf.h"
#include "host/forms/designinput.h"

namespace host {

class TDesignSurface;

class TFormDesigner : public TObject, public IFormDesigner, public IDesignInput {
  HOST_CLASS(TFormDesigner, TObject)

  // Designs Root (without owner), which the designer takes over.
  explicit TFormDesigner(TComponent* Root);
  // A designer of a new, empty root of RootClass named Name.
  static TOwned<TFormDesigner> CreateNew(TClass RootClass, const std::string& Name);
  // A designer of the form Stream holds from its position on (text, binary
  // or resource form): the root of the class named there is made first and
  // marked csDesigning, then the form is read into it. Raises EReadError or
  // EClassNotFound for a form that cannot be read (nothing is left over).
  static TOwned<TFormDesigner> Open(TStream* Stream);
  static TOwned<TFormDesigner> OpenFile(const std::string& FileName);
  // The root of the class the binary form Binary names (from its position
  // 0; the position is 0 again after), made empty and designing, for reading
  // the form into it: an application's own class makes a generic root that
  // writes its name back. Raises EClassNotFound without a generic class.
  static TComponent* NewRootFor(TMemoryStream* Binary);

  // ------------------------------------------------------------ IUnknown
  HRESULT QueryInterface(const TGUID& iid, void** obj) override;
  int32_t _AddRef() override { return -1; }
  int32_t _Release() override { return -1; }

  // ----------------------------------------------------------- IDesigner
  void Modified() override;
  std::string UniqueName(const std::string& BaseName) override;
  TComponent* GetRoot() override { return FRoot; }

  // ------------------------------------------------------- IFormDesigner
  TComponent* CreateComponent(TClass ComponentClass, TComponent* Parent, int32_t Left, int32_t Top, int32_t Width,
                              int32_t Height) override;
  void SelectComponent(TPersistent* Instance) override;
  void SetSelections(const TDesignerSelectionList* List) override;
  void GetSelections(TDesignerSelectionList* List) override;
  void GetComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) override;
  TComponent* GetComponent(const std::string& Name) override;
  std::string GetComponentName(TComponent* Component) override;

  // --------------------------------------------------- the designer's own
  // The selected objects, in order.
  const std::vector<TPersistent*>& Selection() const { return FSelection; }
  // Frees the selected components (the form itself cannot be deleted:
  // EInvalidOperation, nothing freed); the components that referenced them
  // hear it through their free notifications. Then Modified.
  void DeleteSelection();
  // Whether the form changed since it was made, read or last saved.
  bool IsModified() const { return FModified; }
  // Writes the designed form as a text form file (what `corvane run`
  // reads), or a binary one when Text is false; clears the changed mark.
  // Raises EFCreateError or EWriteError when the file cannot be written.
  void SaveToStream(TStream* Stream, bool Text = true);
  void Save(const std::string& FileName, bool Text = true);

  // Reads the form Stream holds into a new root that takes the place of the
  // designed one (which is freed; a shown form's replacement is shown at
  // its place): how a designer goes back to an earlier state of the whole
  // form. The selection keeps the components of the same names. Raises as
  // Open does and then leaves the designed form as it was.
  void ReplaceRoot(TStream* Stream);

  // The surface that takes the designed form's input (borrowed; null:
  // the form's controls act on their input as at run time).
  void SetSurface(TDesignSurface* Surface) { FSurface = Surface; }
  TDesignSurface* GetSurface() const { return FSurface; }
  bool IsDesignMsg(TControl* Sender, TMessage& Message) override;
  void PaintGrid() override;

  // Listeners are borrowed; each is told once per change, in the order they
  // were added. Adding one twice does nothing.
  void AddListener(TDesignerListener* Listener);
  void RemoveListener(TDesignerListener* Listener);

 protected:
  ~TFormDesigner() override = default;
  // Frees the designed form.
  void Destroy() override;

 private:
  static void ObjectFreed(TObject* Obj);
  void Forget(TObject* Obj);
  void ChangeSelection(std::vector<TPersistent*> Selection);
  void NotifySelection();
  bool IsOnForm(const TComponent* Component) const;
  TWinControl* ParentFor(TClass ComponentClass, TComponent* Parent) const;


  static TOwned<TMemoryStream> BinaryOf(TStream* Stream);

  TComponent* FRoot = nullptr;
  TDesignSurface* FSurface = nullptr;
  std::vector<TPersistent*> FSelection;
  std::vector<TDesignerListener*> FListeners;
  bool FModified = false;
};

}  // namespace host
