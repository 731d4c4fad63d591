// One axis of a grid: its columns (or rows), how many are fixed, the size
// of each and the first scrollable one shown (LeftCol, TopRow).
//
// Each cell is followed by a grid line of LineWidth pixels. The fixed
// cells are always shown first; the scrollable ones follow from First on.
// The axis checks nothing: the grid checks its input before changing it.
#pragma once

#include <cstdint>
#include <vector>

namespace host {

class TGridAxis {
 public:
  int32_t Count() const { return static_cast<int32_t>(FSizes.size()); }
  // Keeps the sizes of the cells that remain; new cells get DefaultSize.
  void SetCount(int32_t Value);
  int32_t Fixed() const { return FFixed; }
  void SetFixed(int32_t Value);
  int32_t DefaultSize() const { return FDefaultSize; }
  // Gives every cell the new default size, as the classic grid does.
  void SetDefaultSize(int32_t Value);
  int32_t Size(int32_t Index) const { return FSizes[static_cast<std::size_t>(Index)]; }
  void SetSize(int32_t Index, int32_t Value) { FSizes[static_cast<std::size_t>(Index)] = Value; }
  // Whether any cell differs from the default size (then the sizes are
  // written to form files).
  bool Customized() const;
  int32_t First() const { return FFirst; }
  void SetFirst(int32_t Value) { FFirst = Value; }
  int32_t LineWidth() const { return FLineWidth; }
  void SetLineWidth(int32_t Value) { FLineWidth = Value; }

  // Where cell Index starts (-1 when it is scrolled out of sight).
  int64_t Start(int32_t Index) const;
  // The cell shown at position Pos (-1 when none: past the last cell).
  int32_t IndexAt(int64_t Pos) const;
  // The cells that start within Extent pixels, in order: the fixed ones,
  // then the scrollable ones from First on.
  std::vector<int32_t> Shown(int64_t Extent) const;
  // The end of the fixed cells (where the scrollable ones start).
  int64_t FixedExtent() const;
  // The last cell wholly shown within Extent pixels (at least First).
  int32_t LastFullyShown(int64_t Extent) const;
  // Scrolls so that Index shows wholly within Extent pixels (or at least
  // first, when it is larger than what is left).
  void MakeVisible(int32_t Index, int64_t Extent);

 private:
  std::vector<int32_t> FSizes;
  int32_t FFixed = 0;
  int32_t FDefaultSize = 0;
  int32_t FFirst = 0;
  int32_t FLineWidth = 1;
};

}  // namespace host
