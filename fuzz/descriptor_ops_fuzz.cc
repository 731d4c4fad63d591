// Drives the descriptors of the whole package with operations chosen by the
// input bytes, as a script or a connection would: read a property, write a
// property, call a method, on the components of a wired form and on plain
// objects (a string list, fonts, a bitmap, a picture, an icon). Values come
// from a pool: small and extreme integers, texts, Booleans, nil, the
// addresses of the pool's objects, of its classes and of stray memory, and
// every value an earlier read or call returned (by-address values
// included). An operation may fail only with a host exception; anything else
// that leaves it (another exception, a crash, a sanitizer report) is a
// finding. Objects the operations free (the form itself included) leave the
// pool. Methods that touch files or shared registries are left out.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/kelcommon.h"
#include "host/classes/component.h"
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/classes/strings.h"
#include "host/graphics/graphics.h"
#include "host/rtl/variants.h"
#include "host/widgetset/widgetset.h"
#include "package/package.h"

namespace {

using namespace host;

// The wired form every run starts from.
constexpr char kForm[] = R"(object Form: TDataModule
  object Images: TImageList
  end
  object Actions: TActionList
    Images = Images
    object FileOpen: TAction
      Category = 'File'
      Caption = '&Open...'
      Hint = 'Open a file'
      ShortCut = 16463
    end
    object FileSave: TAction
      Caption = '&Save'
    end
  end
  object MainMenu: TMainMenu
    Images = Images
    object FileMenu: TMenuItem
      Caption = '&File'
      object OpenItem: TMenuItem
        Action = FileOpen
      end
      object SaveItem: TMenuItem
        Caption = '&Save'
        RadioItem = True
      end
    end
  end
  object Popup: TPopupMenu
    object CutItem: TMenuItem
      Caption = 'Cu&t'
    end
  end
  object Holder: TkelVariable
    ClassTypeName = 'TAction'
  end
  object Panel: TPanel
    Left = 10
    Top = 10
    Width = 200
    Height = 150
    object Box: TWinControl
      Left = 5
      Top = 5
      Width = 60
      Height = 40
    end
    object Shape: TShape
      Left = 80
      Top = 5
      Width = 30
      Height = 30
    end
  end
  object Ticker: TTimer
    Interval = 50
  end
  object Dialog: TForm
    Left = 300
    Top = 100
    Width = 240
    Height = 160
    object Pages: TNotebook
      Left = 0
      Top = 0
      Width = 120
      Height = 100
    end
    object Group: TRadioGroup
      Left = 120
      Top = 0
      Width = 110
      Height = 100
      Items.Strings = (
        'One'
        'Two')
    end
  end
  object Wiring: TkelConnectionList
    object BoxClicked: TkelE2MConnection
      Source = Box
      Target = FileOpen
      SourceEvent = 'OnClick'
      TargetMethod = 'Execute'
    end
    object SaveClicked: TkelE2MConnection
      Source = SaveItem
      Target = FileSave
      SourceEvent = 'OnClick'
      TargetMethod = 'Execute'
    end
    object SaveHint: TkelE2MConnection
      Source = FileSave
      Target = FileOpen
      SourceEvent = 'OnHint'
      TargetMethod = 'DoHint'
      TargetMethodParameters = <
        item
          ParameterName = 'HintStr'
          EventParameter = 'HintStr'
          Options = voEventProperty
        end>
    end
    object Shown: TkelE2PConnection
      Source = Popup
      Target = Holder
      SourceEvent = 'OnPopup'
      TargetProperty = 'Self'
      ValueOptions = voComponentProperty
      ValueComponent = FileOpen
      ValueComponentProperty = 'Self'
    end
  end
end
)";

// The input, read a byte or a number at a time (zeros once used up).
class TBytes {
 public:
  TBytes(const uint8_t* data, std::size_t size) : FData(data), FSize(size) {}
  bool Empty() const { return FAt >= FSize; }
  uint8_t Byte() { return FAt < FSize ? FData[FAt++] : 0; }
  uint32_t Word() { return Byte() | Byte() << 8 | Byte() << 16 | static_cast<uint32_t>(Byte()) << 24; }
  std::size_t Pick(std::size_t n) { return n == 0 ? 0 : Byte() % n; }
  std::string Text() {
    std::string s;
    for (std::size_t n = Byte() % 12; n > 0; --n) s += static_cast<char>(Byte());
    return s;
  }

 private:
  const uint8_t* FData;
  std::size_t FSize;
  std::size_t FAt = 0;
};

TComponent* ReadForm() {
  TOwned<TStringStream> text = MakeOwned<TStringStream>(kForm);
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  ObjectTextToBinary(text.get(), binary.get());
  binary->SetPosition(0);
  TOwned<TReader> reader = MakeOwned<TReader>(binary.get(), 4096);
  return reader->ReadRootComponent(nullptr);
}

// With CORVANE_FUZZ_TRACE set, every operation is printed before it runs
// (to replay a finding step by step).
const bool g_trace = std::getenv("CORVANE_FUZZ_TRACE") != nullptr;

std::string Shown(const Variant& v) {
  try {
    if (v.VarType() == varInt64 && IsLiveObject(v.AsPointer())) {
      auto* object = static_cast<TObject*>(v.AsPointer());
      const auto* component = dynamic_cast<TComponent*>(object);
      return "@" + std::string(object->ClassName()) + ":" + (component ? component->GetName() : "");
    }
    return VarToStr(v);
  } catch (const Exception&) {
    return "?";
  }
}

void Trace(TObject* object, const char* what, const std::string& name, const std::vector<Variant>& values) {
  if (!g_trace) return;
  const auto* component = dynamic_cast<TComponent*>(object);
  std::string line = std::string(object ? object->ClassName() : "(variable)") + " " +
                     (component ? component->GetName() : "") + " " + what + " " + name;
  for (const Variant& v : values) line += " [" + Shown(v) + "]";
  std::fprintf(stderr, "%s\n", line.c_str());
}

// Methods never called: those that reach the file system or wait, change
// what the whole program shares (the picture's format registries), or hand
// the caller an object or a handle to free (NewInstance, the Release...
// functions, a form's GetFormImage); each run starts from the same state and
// leaves nothing behind.
bool Skipped(std::string_view name) {
  for (std::string_view s : {"LoadFromFile", "SaveToFile", "FileLoad", "WaitFor", "RegisterFileFormat",
                             "RegisterFileFormatRes", "RegisterClipboardFormat", "UnregisterGraphicClass",
                             "NewInstance", "ReleaseHandle", "ReleaseMaskHandle", "ReleasePalette", "GetFormImage"})
    if (name == s) return true;
  return false;
}

class TRun;
TRun* g_run = nullptr;  // the run the free observer reports to

class TRun {
 public:
  explicit TRun(TBytes& in) : FIn(in) {
    g_run = this;
    AddFreeObserver(&Freed);
    FRoot = ReadForm();
    FObjects.push_back(FRoot);
    for (int i = 0; i < FRoot->GetComponentCount(); ++i) FObjects.push_back(FRoot->GetComponents(i));
    FPlain = {new TStringList(), new TFont(), new TFont(), new TBitmap(), new TPicture(), new TIcon()};
    FObjects.insert(FObjects.end(), FPlain.begin(), FPlain.end());
    for (TObject* o : FObjects) FValues.push_back(Variant::FromPointer(o));
    FValues.push_back(Variant::FromPointer(&TStringList::StaticMetaClass));
    FValues.push_back(Variant::FromPointer(&FStray));
  }
  ~TRun() {
    while (!FPlain.empty()) FPlain.back()->Free();  // the observer takes it out
    if (FRoot) FRoot->Free();
    RemoveFreeObserver(&Freed);
    g_run = nullptr;
  }

  void Step() {
    if (FObjects.empty()) return;
    TObject* object = FObjects[FIn.Pick(FObjects.size())];
    if (!kel::TkelClassRegistry::FindClass(object->ClassName())) return;
    kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(object);
    switch (FIn.Byte() % 3) {
      case 0:
        Get(info);
        break;
      case 1:
        Set(info);
        break;
      default:
        Invoke(info);
        break;
    }
  }

 private:
  // Objects that go (freed by an operation or with their owner) leave the
  // pool at once, before their address can serve another object.
  static void Freed(TObject* object) {
    if (!g_run) return;
    std::erase(g_run->FObjects, object);
    std::erase(g_run->FPlain, object);
    if (object == g_run->FRoot) g_run->FRoot = nullptr;
  }

  Variant Value() {
    switch (FIn.Byte() % 10) {
      case 0:
        return Variant(static_cast<int32_t>(FIn.Byte() % 8) - 1);
      case 1:
        return Variant(static_cast<int32_t>(FIn.Word()));
      case 2:
        return Variant(FIn.Text());
      case 3:
        return Variant(FIn.Byte() % 2 == 0);
      case 4:
        return Variant(0);
      case 5:
        return Variant(static_cast<double>(static_cast<int32_t>(FIn.Word())) / 7.0);
      case 6:
        return Variant();
      default:
        return FValues[FIn.Pick(FValues.size())];
    }
  }
  void Keep(const Variant& value) {
    if (FValues.size() < 256) FValues.push_back(value);
  }
  void FillIndexes(kel::TkelPropertyInfo* property) {
    for (int i = 0; i < property->GetIndexCount(); ++i)
      property->GetIndexes(i)->Value = FIn.Byte() % 4 == 0 ? Value() : Variant(static_cast<int32_t>(FIn.Byte() % 4));
  }

  void Get(kel::TkelClassInfo* info) {
    if (info->GetPropertyCount() == 0) return;
    const kel::TkelRecordRef<kel::TkelPropertyInfo> property(
        info->GetProperties(static_cast<int>(FIn.Pick(info->GetPropertyCount()))));
    FillIndexes(property.Get());
    Trace(info->GetOwner(), "get", property->Name, {});
    Guarded([&] { Keep(info->GetProperty(property.Get())); });
  }
  void Set(kel::TkelClassInfo* info) {
    if (info->GetPropertyCount() == 0) return;
    const kel::TkelRecordRef<kel::TkelPropertyInfo> property(
        info->GetProperties(static_cast<int>(FIn.Pick(info->GetPropertyCount()))));
    FillIndexes(property.Get());
    const Variant value = Value();
    Trace(info->GetOwner(), "set", property->Name, {value});
    Guarded([&] { info->SetProperty(property.Get(), value); });
  }
  void Invoke(kel::TkelClassInfo* info) {
    if (info->GetMethodCount() == 0) return;
    // Held: the call may free the object and with it its descriptor.
    const kel::TkelRecordRef<kel::TkelMethodInfo> method(
        info->GetMethods(static_cast<int>(FIn.Pick(info->GetMethodCount()))));
    if (Skipped(method->Name)) return;
    std::vector<Variant> args;
    for (int i = 0; i < method->GetArgCount(); ++i) args.push_back(method->GetArgs(i)->Value = Value());
    Trace(info->GetOwner(), "invoke", method->Name, args);
    Guarded([&] {
      info->InvokeMethod(method.Get());
      Keep(method->Result);
    });
  }

  // A host exception is an answer; anything else escapes to libFuzzer.
  template <class W>
  static void Guarded(W&& work) {
    try {
      work();
    } catch (const Exception&) {
    }
  }

  TBytes& FIn;
  TComponent* FRoot = nullptr;
  std::vector<TObject*> FPlain;
  std::vector<TObject*> FObjects;
  std::vector<Variant> FValues;
  uint64_t FStray[4] = {};
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kel::package::Initialize();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  TBytes in(data, size);
  const std::size_t handles = WidgetSet().HandleCount();
  {
    TRun run(in);
    for (int step = 0; step < 64 && !in.Empty(); ++step) run.Step();
  }
  // Whatever the operations made, freeing the objects gives every handle back.
  if (WidgetSet().HandleCount() != handles) std::abort();
  return 0;
}
