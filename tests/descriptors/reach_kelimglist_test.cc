// Reachability of the image-list descriptors: one table entry per class.
#include "descriptors/kelimglist.h"
#include "host/graphics/graphics.h"
#include "tests/descriptors/reach_walker.h"
#include "tests/support/bitmaps.h"

namespace kel::test {
namespace {

using host::TCustomImageList;

// A 16 x 16 bitmap of one colour, freed with the world.
host::TBitmap* Square(TReachWorld& w, host::TColor color) {
  return w.Keep(host::testkit::MakeBitmap(16, 16, color).release());
}

// A list of two 16 x 16 images (red and blue) owned by the world's root.
TCustomImageList* TwoImages(TReachWorld& w) {
  auto* list = w.Owned<TCustomImageList>();
  list->Add(Square(w, host::clRed), nullptr);
  list->Add(Square(w, host::clBlue), nullptr);
  return list;
}

TReachClass ChangeLinkEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    TCustomImageList* list = TwoImages(w);
    auto* link = w.Make<host::TChangeLink>();
    list->RegisterChanges(link);
    return link;
  };
  c.Calls = {{"Change", kNone}};
  c.Events = {{"OnChange", EventOf(&host::TChangeLink::OnChange,
                                   [](host::TChangeLink& l) { return std::tuple<TObject*>(l.GetSender()); })}};
  return c;
}

TReachClass ImageListEntry() {
  TReachClass c = ComponentReach([](TReachWorld& w) { return TwoImages(w); });
  // The same objects on every call of the entry.
  auto bitmap = std::make_shared<host::TBitmap*>(nullptr);
  auto icon = std::make_shared<host::TIcon*>(nullptr);
  auto link = std::make_shared<host::TChangeLink*>(nullptr);
  const TArgs image = Arg([bitmap](TReachWorld& w, TObject&) {
    if (!*bitmap) *bitmap = Square(w, host::clLime);
    return Addr(*bitmap);
  });
  const TArgs anIcon = Arg([icon](TReachWorld& w, TObject&) {
    if (!*icon) *icon = w.Make<host::TIcon>();
    return Addr(*icon);
  });
  const TArgs aLink = Arg([link](TReachWorld& w, TObject&) {
    if (!*link) *link = w.Make<host::TChangeLink>();
    return Addr(*link);
  });
  // Index 0 and the object `what` gives.
  auto at0 = [](TArgs what, std::vector<Variant> more = {}) -> TArgs {
    return [what, more](TReachWorld& w, TObject& o) {
      std::vector<Variant> args{Variant(0), what(w, o).at(0)};
      args.insert(args.end(), more.begin(), more.end());
      return args;
    };
  };
  const Variant red(static_cast<int32_t>(host::clRed)), none(static_cast<int32_t>(host::clNone));
  static TkelValue<host::TLoadResources> flags;
  static TkelValue<host::HMODULE> instance(host::HInstance());
  const TArgs canvas = Arg([bitmap](TReachWorld&, TObject&) { return Addr((*bitmap)->GetCanvas()); });
  auto drawAt = [canvas](std::vector<Variant> rest) -> TArgs {
    return [canvas, rest](TReachWorld& w, TObject& o) {
      std::vector<Variant> args{canvas(w, o).at(0)};
      args.insert(args.end(), rest.begin(), rest.end());
      return args;
    };
  };
  c.Calls =
      std::vector<TReachCall>{
          {"Add",
           [image](TReachWorld& w, TObject& o) {
             return std::vector<Variant>{image(w, o).at(0), Variant(0)};
           }},
          {"AddMasked",
           [image, red](TReachWorld& w, TObject& o) {
             return std::vector<Variant>{image(w, o).at(0), red};
           }},
          {"GetIcon", at0(anIcon)},
          {"AddIcon", anIcon},
          {"AddImages", Arg([](TReachWorld& w, TObject&) { return Addr(TwoImages(w)); })},
          {"Insert", at0(image, {Variant(0)})},
          {"InsertIcon", at0(anIcon)},
          {"InsertMasked", at0(image, {red})},
          {"Replace", at0(image, {Variant(0)})},
          {"ReplaceIcon", at0(anIcon)},
          {"ReplaceMasked", at0(image, {red})},
          {"Move", Args({Variant(0), Variant(1)})},
          {"Overlay", Args({Variant(1), Variant(0)})},
          {"GetBitmap", at0(image)},
          {"Draw", drawAt({Variant(0), Variant(0), Variant(0), Variant(true)})},
          {"DrawOverlay", drawAt({Variant(0), Variant(0), Variant(0), Variant(0), Variant(false)})},
          {"RegisterChanges", aLink},
          {"UnRegisterChanges", aLink},
          {"FileLoad", Args({Variant(0), Variant("no such file.bmp"), none})},
          {"ResourceLoad", Args({Variant(0), Variant("KELNOSUCHBITMAP"), none})},
          {"ResInstLoad", Args({instance.Address(), Variant(0), Variant("KELNOSUCHBITMAP"), none})},
          {"GetResource", Args({Variant(0), Variant("KELNOSUCHBITMAP"), Variant(16), flags.Address(), none})},
          {"GetInstRes",
           Args({instance.Address(), Variant(0), Variant("KELNOSUCHBITMAP"), Variant(16), flags.Address(), none})},
          {"Delete", Args({Variant(0)})},
      } +
      Same({"GetHotSpot", "GetImageBitmap", "GetMaskBitmap", "HandleAllocated", "Clear"});
  c.Events = {{"OnChange", NotifyOf(&TCustomImageList::OnChange)}};
  return c;
}

}  // namespace

TReachTable ImgListReach() {
  TReachTable t;
  t["TChangeLink"] = ChangeLinkEntry();
  t["TCustomImageList"] = ImageListEntry();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelimglistReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  WalkUnit(ImgListReach(), TkelImgListDescriptors{});
}

}  // namespace
}  // namespace kel::test
