// TGridAxis: cell positions along one side of a grid.
#include "host/grids/gridaxis.h"

#include <algorithm>

namespace host {

void TGridAxis::SetCount(int32_t Value) {
  FSizes.resize(static_cast<std::size_t>(Value), FDefaultSize);
  FFixed = std::min(FFixed, std::max(0, Value - 1));
  FFirst = std::clamp(FFirst, FFixed, std::max(FFixed, Value - 1));
}

void TGridAxis::SetFixed(int32_t Value) {
  FFixed = Value;
  FFirst = std::max(FFirst, Value);
}

void TGridAxis::SetDefaultSize(int32_t Value) {
  FDefaultSize = Value;
  std::fill(FSizes.begin(), FSizes.end(), Value);
}

bool TGridAxis::Customized() const {
  return std::any_of(FSizes.begin(), FSizes.end(), [this](int32_t s) { return s != FDefaultSize; });
}

int64_t TGridAxis::FixedExtent() const {
  int64_t pos = 0;
  for (int32_t i = 0; i < FFixed; ++i) pos += Size(i) + FLineWidth;
  return pos;
}

int64_t TGridAxis::Start(int32_t Index) const {
  if (Index < FFixed) {
    int64_t pos = 0;
    for (int32_t i = 0; i < Index; ++i) pos += Size(i) + FLineWidth;
    return pos;
  }
  if (Index < FFirst) return -1;
  int64_t pos = FixedExtent();
  for (int32_t i = FFirst; i < Index; ++i) pos += Size(i) + FLineWidth;
  return pos;
}

int32_t TGridAxis::IndexAt(int64_t Pos) const {
  if (Pos < 0) return -1;
  int64_t end = 0;
  auto reaches = [&](int32_t i) { return Pos < (end += Size(i) + FLineWidth); };
  for (int32_t i = 0; i < FFixed; ++i)
    if (reaches(i)) return i;
  for (int32_t i = std::max(FFirst, FFixed); i < Count(); ++i)
    if (reaches(i)) return i;
  return -1;
}

std::vector<int32_t> TGridAxis::Shown(int64_t Extent) const {
  std::vector<int32_t> shown;
  int64_t start = 0;
  auto visit = [&](int32_t i) {
    if (start >= Extent) return false;
    shown.push_back(i);
    start += Size(i) + FLineWidth;
    return true;
  };
  for (int32_t i = 0; i < FFixed && visit(i); ++i) {
  }
  for (int32_t i = std::max(FFirst, FFixed); i < Count() && visit(i); ++i) {
  }
  return shown;
}

int32_t TGridAxis::LastFullyShown(int64_t Extent) const {
  int64_t end = FixedExtent();
  int32_t last = FFirst;
  for (int32_t i = FFirst; i < Count(); ++i) {
    end += Size(i) + FLineWidth;
    if (end - FLineWidth > Extent) break;
    last = i;
  }
  return last;
}

void TGridAxis::MakeVisible(int32_t Index, int64_t Extent) {
  if (Index < FFixed) return;
  if (Index < FFirst) {
    FFirst = Index;
    return;
  }
  while (FFirst < Index && LastFullyShown(Extent) < Index) ++FFirst;
}

}  // namespace host
