// The value list editor (the classic ValEdit unit): a grid of two columns,
// keys and values, showing and editing a list of "Name=Value" strings.
//
// Rows: with doColumnTitles the first row is a fixed title row showing
// TitleCaptions ("Key", "Value"); each further row shows one string of
// Strings, its name in the key column and its value in the value column.
// An empty list shows one empty row; a value typed there adds a string.
//
// Editing: typing in the value column changes the value in Strings as the
// editor's text changes (OnStringsChanging / OnStringsChange fire around
// each change). The key column is selected (and edited) only with keyEdit
// in KeyOptions and without doKeyColFixed, which draws it like a fixed
// column.
// When the user leaves a row that was edited (another row, the focus going
// away) OnValidate fires with its key and value; a handler that raises
// keeps the current cell where it is.
//
// With doAutoColResize the value column takes the client width the key
// column leaves.
//
// Bad input raises and changes nothing: a row out of range for Keys
// ("Grid index out of range", EInvalidGridOperation), a key that would
// repeat one with keyUnique ("Duplicate key 'x'", EListError).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/grids/grids.h"

namespace host {

class TStrings;
class TStringList;

enum TDisplayOption : uint8_t { doColumnTitles, doAutoColResize, doKeyColFixed };
HOST_ENUM_INFO(TDisplayOption, "doColumnTitles", "doAutoColResize", "doKeyColFixed")
using TDisplayOptions = TSet<TDisplayOption, 3>;
inline constexpr TDisplayOptions DefaultDisplayOptions{doColumnTitles, doAutoColResize, doKeyColFixed};

enum TKeyOption : uint8_t { keyEdit, keyAdd, keyDelete, keyUnique };
HOST_ENUM_INFO(TKeyOption, "keyEdit", "keyAdd", "keyDelete", "keyUnique")
using TKeyOptions = TSet<TKeyOption, 4>;

inline constexpr TGridOptions DefaultValueListOptions{goFixedVertLine,    goFixedHorzLine, goVertLine,
                                                      goHorzLine,         goColSizing,     goEditing,
                                                      goAlwaysShowEditor, goThumbTracking};

using TOnValidateEvent = TEvent<TObject*, int32_t, int32_t, const std::string&, const std::string&>;

class TValueListEditor : public TCustomGrid {
  HOST_CLASS(TValueListEditor, TCustomGrid)
  using TCreateArg = TComponent;
  explicit TValueListEditor(TComponent* AOwner);

  TStrings* GetStrings() const;
  void SetStrings(TStrings* Value);
  TStrings* GetTitleCaptions() const;
  void SetTitleCaptions(TStrings* Value);
  // Form files hold the captions only when they are not "Key" and "Value".
  bool IsTitleCaptionsStored() const;
  TDisplayOptions GetDisplayOptions() const { return FDisplayOptions; }
  void SetDisplayOptions(TDisplayOptions Value);
  TKeyOptions GetKeyOptions() const { return FKeyOptions; }
  void SetKeyOptions(TKeyOptions Value) { FKeyOptions = Value; }
  int32_t GetDropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(int32_t Value) { FDropDownRows = Value; }

  // The value of the string named Key ("" when there is none); setting a
  // value for a key there is not adds a string.
  std::string GetValues(const std::string& Key) const;
  void SetValues(const std::string& Key, const std::string& Value);
  // The key of the string a row shows (a row past the strings: "").
  std::string GetKeys(int32_t ARow) const;
  void SetKeys(int32_t ARow, const std::string& Value);
  // The row showing the string named KeyName; false when none does.
  bool FindRow(const std::string& KeyName, int32_t& Row) const;
  // Adds "KeyName=Value" at the end (Append) or before the current row;
  // answers its row.
  int32_t InsertRow(const std::string& KeyName, const std::string& Value, bool Append);
  void DeleteRow(int32_t ARow);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnStringsChange;
  TNotifyEvent OnStringsChanging;
  TOnValidateEvent OnValidate;

 protected:
  ~TValueListEditor() override = default;
  void Destroy() override;
  void Resize() override;
  void DoExit() override;
  void DrawCell(int32_t ACol, int32_t ARow, TRect ARect, TGridDrawState AState) override;
  bool SelectCell(int32_t ACol, int32_t ARow) override;
  std::string GetEditText(int32_t ACol, int32_t ARow) override;
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override;

 private:
  // The index in Strings of a row's string (it may be past the last).
  int32_t StringIndex(int32_t ARow) const;
  // The key (ACol 0) or value a row's string shows; "" past the strings.
  std::string CellText(int32_t ACol, int32_t ARow) const;
  int32_t TitleRows() const { return FDisplayOptions.Contains(doColumnTitles) ? 1 : 0; }
  // Rows and fixed rows after the strings or the options changed.
  void UpdateRows();
  void AutoSizeColumns();
  void StringsChanged();
  // Raises EListError when keyUnique forbids Key at Index (another
  // string has it).
  void CheckUnique(const std::string& Key, int32_t Index) const;
  // OnValidate for the row edited, when the user leaves it.
  void ValidateEdited();
  void WatchEditorExit();

  TStringList* FStrings = nullptr;
  TStringList* FTitleCaptions = nullptr;
  TDisplayOptions FDisplayOptions = DefaultDisplayOptions;
  TKeyOptions FKeyOptions;
  int32_t FDropDownRows = 8;
  int32_t FEditedRow = -1;  // the row whose string the user changed, until validated
};

// Registers the unit's published properties and streamable class
// (counted; undone by the last UnregisterValEditClasses).
void RegisterValEditClasses();
void UnregisterValEditClasses();
std::span<const TClass> ValEditClasses();

}  // namespace host
