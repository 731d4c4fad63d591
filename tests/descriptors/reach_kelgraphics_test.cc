// Reachability of the graphics unit's descriptors (graphic objects,
// canvases, graphics, pictures, metafiles, bitmaps, icons and their shared
// images): one table entry per class.
#include "descriptors/kelgraphics.h"
#include "host/classes/resources.h"
#include "host/graphics/graphics.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/reach_walker.h"

namespace kel::test {
namespace {

using host::TBitmap;
using host::TCanvas;
using host::TGraphic;
using host::TPicture;
using host::TRect;

// A bitmap of the world: w x h pixels of one colour.
TBitmap* WorldBitmap(TReachWorld& w, int32_t width = 4, int32_t height = 4, host::TColor color = host::clRed) {
  TBitmap* b = w.Make<TBitmap>();
  b->SetPixelFormat(host::pf32bit);
  b->SetSize(width, height);
  b->GetCanvas()->GetBrush()->SetColor(color);
  b->GetCanvas()->FillRect(host::Rect(0, 0, width, height));
  return b;
}

// A value the walk writes instead of the one it read: a new object of the world.
template <class T>
TArgs WorldObject() {
  return Arg([](TReachWorld& w, TObject&) { return Addr(w.Make<T>()); });
}

// The graphics object events: OnChange only.
std::map<std::string, TReachEvent> ChangeEvent() { return {{"OnChange", NotifyOf(&host::TGraphicsObject::OnChange)}}; }

TReachClass ObjectEntry(std::function<TObject*(TReachWorld&)> make) {
  TReachClass c = Entry(std::move(make));
  c.Events = ChangeEvent();
  return c;
}

// ---- canvases

std::vector<TReachCall> CanvasCalls() {
  const TArgs box = Arg([](TReachWorld& w, TObject&) { return WorldValue(w, TRect{0, 0, 3, 3}); });
  const TArgs eight =
      Args({Variant(0), Variant(0), Variant(6), Variant(6), Variant(0), Variant(3), Variant(6), Variant(3)});
  const TArgs four = Args({Variant(1), Variant(1), Variant(5), Variant(5)});
  auto rectGraphic = [](TReachWorld& w, TObject&) {
    return std::vector<Variant>{WorldValue(w, TRect{0, 0, 2, 2}), Addr(WorldBitmap(w, 2, 2))};
  };
  auto rectFromRect = [](bool canvas) {
    return [canvas](TReachWorld& w, TObject&) {
      TBitmap* source = WorldBitmap(w, 2, 2, host::clBlue);
      const Variant r = WorldValue(w, TRect{0, 0, 2, 2});
      return canvas ? std::vector<Variant>{r, Addr(source->GetCanvas()), r}
                    : std::vector<Variant>{r, Addr(source), r, Variant(int32_t{host::clBlue})};
    };
  };
  return Same({"Arc", "Chord", "Pie"}, eight) + Same({"Ellipse", "Rectangle"}, four) +
         Same({"DrawFocusRect", "FillRect", "FrameRect"}, box) +
         Same({"LineTo", "MoveTo"}, Args({Variant(2), Variant(2)})) +
         std::vector<TReachCall>{
             {"BrushCopy", rectFromRect(false)},
             {"CopyRect", rectFromRect(true)},
             {"Draw",
              [](TReachWorld& w, TObject&) {
                return std::vector<Variant>{Variant(1), Variant(1), Addr(WorldBitmap(w, 2, 2))};
              }},
             {"FloodFill", Args({Variant(1), Variant(1), Variant(0), Variant(0)})},
             {"RoundRect", Args({Variant(0), Variant(0), Variant(6), Variant(6), Variant(2), Variant(2)})},
             {"StretchDraw", rectGraphic},
             {"TextOut", Args({Variant(0), Variant(0), Variant("Ab")})},
             {"TextRect",
              [](TReachWorld& w, TObject&) {
                return std::vector<Variant>{WorldValue(w, TRect{0, 0, 4, 4}), Variant(0), Variant(0), Variant("A")};
              }}} +
         Same({"TextExtent", "TextHeight", "TextWidth"}, Args({Variant("Ab")})) +
         Same({"Refresh", "Lock", "TryLock", "Unlock", "Unlock"});
}

TReachClass CanvasEntry(std::function<TObject*(TReachWorld&)> make) {
  TReachClass c = Entry(std::move(make), CanvasCalls());
  c.Indexes = {{"Pixels", {Variant(1), Variant(2)}}};
  c.Events = {{"OnChange", NotifyOf(&TCanvas::OnChange)}, {"OnChanging", NotifyOf(&TCanvas::OnChanging)}};
  return c;
}

TObject* MetafileCanvas(TReachWorld& w) {
  // Freed before its metafile (the world frees in reverse order).
  auto* metafile = w.Make<host::TMetafile>();
  return w.Make<host::TMetafileCanvas>(metafile, host::HDC{0});
}

// ---- graphics

// SaveToClipboardFormat stores two handles at the addresses of world
// values; LoadFromClipboardFormat takes them back. The world deletes them.
std::vector<TReachCall> ClipboardCalls(uint32_t format) {
  auto handles = std::make_shared<std::pair<Variant, Variant>>();
  auto save = [handles](TReachWorld& w, TObject&) {
    handles->first = WorldValue(w, host::THandle{0});
    handles->second = WorldValue(w, host::THandle{0});
    const Variant data = handles->first;
    w.OnEnd([data] { host::WidgetSet().DeleteObject(*static_cast<host::THandle*>(data.AsPointer())); });
    return std::vector<Variant>{Variant(0), handles->first, handles->second};
  };
  auto load = [handles, format](TReachWorld&, TObject&) {
    return std::vector<Variant>{Variant(static_cast<int32_t>(format)), handles->first, handles->second};
  };
  return {{"SaveToClipboardFormat", save}, {"LoadFromClipboardFormat", load}};
}

// A stream holding the graphic's own file.
TArgs SavedStream() {
  return Arg([](TReachWorld& w, TObject& o) {
    auto* s = w.Make<host::TMemoryStream>();
    AsHost<TGraphic>(o).SaveToStream(s);
    s->SetPosition(0);
    return Addr(s);
  });
}

template <class H>
std::map<std::string, TReachEvent> GraphicEvents() {
  auto progress = [](H& h) {
    return std::tuple<TObject*, host::TProgressStage, uint8_t, bool, TRect, std::string>(
        &h, host::psRunning, uint8_t{50}, true, TRect{1, 2, 3, 4}, "half");
  };
  return {{"OnChange", NotifyOf(&H::OnChange)}, {"OnProgress", EventOf(&H::OnProgress, progress)}};
}

// TGraphic's own methods on a graphic whose files have the extension `ext`.
std::vector<TReachCall> GraphicCalls(const std::string& ext, uint32_t format) {
  auto file = std::make_shared<std::string>();
  const TArgs path = Arg([file, ext](TReachWorld& w, TObject&) {
    if (file->empty()) *file = w.TempFile("graphic." + ext);
    return Variant(*file);
  });
  return Same({"SaveToFile", "LoadFromFile"}, path) +
         std::vector<TReachCall>{
             {"SaveToStream", Arg([](TReachWorld& w, TObject&) { return Addr(w.Make<host::TMemoryStream>()); })},
             {"LoadFromStream", SavedStream()}} +
         ClipboardCalls(format);
}

TReachClass GraphicEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) { return WorldBitmap(w); };
  c.Events = GraphicEvents<TGraphic>();
  c.Calls = GraphicCalls("bmp", host::CF_BITMAP);
  return c;
}

TReachClass BitmapEntry() {
  TReachClass c = GraphicEntry();
  c.Indexes = {{"ScanLine", {Variant(1)}}};
  auto resource = [](TReachWorld& w, TObject& o, const char* name) {
    host::TOwned<host::TMemoryStream> s = host::MakeOwned<host::TMemoryStream>();
    AsHost<TBitmap>(o).SaveToStream(s.get());
    host::RegisterResource(host::HInstance(), name, host::RT_BITMAP,
                           std::string_view(static_cast<const char*>(s->GetMemory()), s->GetSize()));
    w.OnEnd([name] { host::UnregisterResource(host::HInstance(), name, host::RT_BITMAP); });
    return WorldValue(w, host::HInstance());
  };
  c.Calls =
      c.Calls +
      std::vector<TReachCall>{{"LoadFromResourceName",
                               [resource](TReachWorld& w, TObject& o) {
                                 return std::vector<Variant>{resource(w, o, "KELREACHBMP"), Variant("KELREACHBMP")};
                               }},
                              {"LoadFromResourceID",
                               [resource](TReachWorld& w, TObject& o) {
                                 return std::vector<Variant>{resource(w, o, "#77"), Variant(77)};
                               }},
                              {"Mask", Args({Variant(int32_t{host::clRed})})}} +
      Same({"ReleaseHandle", "ReleaseMaskHandle", "ReleasePalette", "Dormant", "FreeImage"});
  return c;
}

// A metafile of the world holding a recorded rectangle.
host::TMetafile* RecordedMetafile(TReachWorld& w) {
  auto* metafile = w.Make<host::TMetafile>();
  host::TOwned<host::TMetafileCanvas> canvas = host::MakeOwned<host::TMetafileCanvas>(metafile, host::HDC{0});
  canvas->Rectangle(0, 0, 8, 8);
  return metafile;
}

TReachClass MetafileEntry() {
  TReachClass c;
  c.Make = RecordedMetafile;
  c.Events = GraphicEvents<TGraphic>();
  c.Calls = GraphicCalls("emf", host::CF_ENHMETAFILE) + Same({"ReleaseHandle", "Clear"});
  return c;
}

TObject* Icon(TReachWorld& w) {
  host::TIconInfo info;
  info.Color = WorldBitmap(w, 2, 2)->GetHandle();
  info.Mask = WorldBitmap(w, 2, 2, host::clBlack)->GetHandle();
  auto* icon = w.Make<host::TIcon>();
  icon->SetHandle(host::WidgetSet().CreateIconIndirect(info));
  return icon;
}

TReachClass IconEntry() {
  TReachClass c;
  c.Make = Icon;
  c.WriteRaises = {"Height", "Width"};  // an icon keeps its size
  c.Events = GraphicEvents<TGraphic>();
  // Icons do not go to the clipboard.
  c.Calls = GraphicCalls("ico", host::CF_BITMAP);
  for (TReachCall& call : c.Calls) call.Raises = call.Name.find("Clipboard") != std::string::npos;
  c.Calls = c.Calls + Same({"ReleaseHandle"});
  return c;
}

TReachClass PictureEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* picture = w.Make<TPicture>();
    picture->SetGraphic(WorldBitmap(w));
    return picture;
  };
  // Writing a picture's own graphic back would copy it; the walk writes new ones.
  c.Writes = {{"Bitmap", WorldObject<TBitmap>()},
              {"Graphic", WorldObject<TBitmap>()},
              {"Icon", WorldObject<host::TIcon>()},
              {"Metafile", Arg([](TReachWorld& w, TObject&) { return Addr(RecordedMetafile(w)); })}};
  c.Events = GraphicEvents<TPicture>();
  // The walk leaves the recorded metafile in the picture (Metafile is written last).
  auto file = std::make_shared<std::string>();
  const TArgs path = Arg([file](TReachWorld& w, TObject&) {
    if (file->empty()) *file = w.TempFile("picture.emf");
    return Variant(*file);
  });
  c.Calls =
      Same({"SaveToFile", "LoadFromFile"}, path) + ClipboardCalls(host::CF_ENHMETAFILE) +
      std::vector<TReachCall>{{"SupportsClipboardFormat", Args({Variant(static_cast<int32_t>(host::CF_BITMAP))})}};
  // The format registrations change the class's tables for the whole program: only probed.
  return c;
}

}  // namespace

TReachTable GraphicsReach() {
  TReachTable t;
  // A canvas's font: its lock is the canvas's.
  t["TGraphicsObject"] = ObjectEntry([](TReachWorld& w) { return WorldBitmap(w)->GetCanvas()->GetFont(); });
  t["TFont"] = ObjectEntry([](TReachWorld& w) { return w.Make<host::TFont>(); });
  t["TPen"] = ObjectEntry([](TReachWorld& w) { return w.Make<host::TPen>(); });
  t["TBrush"] = ObjectEntry([](TReachWorld& w) { return w.Make<host::TBrush>(); });
  t["TCanvas"] = CanvasEntry([](TReachWorld& w) { return WorldBitmap(w, 8, 8)->GetCanvas(); });
  t["TGraphic"] = GraphicEntry();
  t["TPicture"] = PictureEntry();
  t["TMetafileCanvas"] = CanvasEntry(MetafileCanvas);
  t["TSharedImage"] = Entry([](TReachWorld& w) { return w.Make<host::TBitmapImage>(); });
  t["TMetafileImage"] = Entry([](TReachWorld& w) { return w.Make<host::TMetafileImage>(); });
  t["TMetafile"] = MetafileEntry();
  t["TBitmapImage"] = Entry([](TReachWorld& w) { return w.Make<host::TBitmapImage>(); });
  t["TBitmap"] = BitmapEntry();
  t["TIconImage"] = Entry([](TReachWorld& w) { return w.Make<host::TIconImage>(); });
  t["TIcon"] = IconEntry();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelgraphicsReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  WalkUnit(GraphicsReach(), TkelGraphicsDescriptors{});
}

}  // namespace
}  // namespace kel::test
