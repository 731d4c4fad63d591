// Feature records and the class data they are made from.
#include <utility>

#include "core/kelcommon.h"
#include "core/kelcommon_p.h"

namespace kel {

HOST_IMPL(TkelFeature, host::TObject)
HOST_IMPL(TkelParameterInfo, TkelFeature)
HOST_IMPL(TkelPropertyInfo, TkelFeature)
HOST_IMPL(TkelMethodInfo, TkelFeature)
HOST_IMPL(TkelConstructorInfo, TkelFeature)
HOST_IMPL(TkelEventInfo, TkelFeature)
HOST_IMPL(TkelListener, host::TObject)

// ------------------------------------------------------------ feature records

TkelFeature::TkelFeature(TkelClassInfo* descriptor, std::string name)
    : Descriptor(descriptor), Name(std::move(name)), FDescriptorSerial(descriptor ? descriptor->Serial() : 0) {}

TkelParameterInfo::TkelParameterInfo(TkelClassInfo* descriptor, std::string name)
    : TkelFeature(descriptor, std::move(name)) {}

TkelParameterInfo* TkelArgumentList::Find(std::string_view name) const {
  for (TkelParameterInfo* arg : Args)
    if (arg->Name == name) return arg;
  return nullptr;
}

namespace {
void FreeParameters(TkelArguments& args) {
  TkelArguments owned;
  owned.swap(args);
  for (TkelParameterInfo* arg : owned) arg->Free();
}
}  // namespace

void TkelArgumentList::FreeArgs() { FreeParameters(Args); }

TkelPropertyInfo::TkelPropertyInfo(TkelClassInfo* descriptor, std::string name, TkelPropertyStyle style,
                                   TkelPropertyVisibility visibility, TkelArguments indexes)
    : TkelFeature(descriptor, std::move(name)), Style(style), Visibility(visibility), Indexes(std::move(indexes)) {}

void TkelPropertyInfo::Destroy() {
  FreeParameters(Indexes);
  inherited::Destroy();
}

TkelMethodInfo::TkelMethodInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args, TkelMethodStyle style)
    : TkelFeature(descriptor, std::move(name)), TkelArgumentList(std::move(args)), Style(style) {}

void TkelMethodInfo::Destroy() {
  FreeArgs();
  inherited::Destroy();
}

TkelConstructorInfo::TkelConstructorInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args)
    : TkelFeature(descriptor, std::move(name)), TkelArgumentList(std::move(args)) {}

void TkelConstructorInfo::Destroy() {
  FreeArgs();
  inherited::Destroy();
}

TkelEventInfo::TkelEventInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args,
                             TkelPropertyVisibility visibility)
    : TkelFeature(descriptor, std::move(name)), TkelArgumentList(std::move(args)), Visibility(visibility) {}

void TkelEventInfo::Destroy() {
  FreeArgs();
  inherited::Destroy();
}

// ---------------------------------------------------------------- class data

namespace {
uint64_t g_nextDataSerial = 0;
}  // namespace

TkelClassData::TkelClassData() : FSerial(++g_nextDataSerial) {}

TkelClassData::TkelClassData(const TkelClassData& other) : FSerial(++g_nextDataSerial), FAdopted(other.FAdopted) {
  for (int k = 0; k < 4; ++k) {
    FLists[k] = other.FLists[k];
    FIndex[k] = other.FIndex[k];
    for (TkelFeatureTemplate& t : FLists[k])
      if (t.Adopted) t.Adopted->AddRef();
  }
}

TkelClassData::~TkelClassData() {
  for (auto& list : FLists)
    for (TkelFeatureTemplate& t : list)
      if (t.Adopted) t.Adopted->Release();
}

void TkelClassData::Release() {
  if (--FRefs <= 0) delete this;
}

int TkelClassData::IndexOf(TkelFeatureKind kind, std::string_view name) const {
  const std::vector<TkelFeatureTemplate>& list = List(kind);
  return FIndex[static_cast<int>(kind)].Find(name, [&list](int i) -> std::string_view { return list[i].Name; });
}

void TkelClassData::Append(TkelFeatureKind kind, TkelFeatureTemplate feature) {
  std::vector<TkelFeatureTemplate>& list = List(kind);
  if (feature.Adopted) ++FAdopted;
  list.push_back(std::move(feature));
  const int position = static_cast<int>(list.size()) - 1;
  FIndex[static_cast<int>(kind)].Add(position, list.back().Name,
                                     [&list](int i) -> std::string_view { return list[i].Name; });
}

}  // namespace kel
