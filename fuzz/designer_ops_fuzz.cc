// Runs arbitrary sequences of design work on a designed form, as an
// author's mouse and keys make them through its design surface: clicks and
// Shift+clicks, drags (moving, resizing by the handles, rubber bands), keys,
// palette drops, undo, redo, values typed into the inspector, double-clicks.
// Whatever happens, the form still saves and reads back at run time, and
// once the designer is gone every widgetset handle is given back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/formfuzz.h"
#include "host/actnlist/actnlist.h"
#include "host/designer/designsurface.h"
#include "host/designer/objinsp.h"
#include "host/extctrls/panels.h"
#include "host/forms/application.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/wskeys.h"
#include "package/package.h"

namespace {

using namespace host;

// The input, read a byte at a time (zeros once it is used up).
class TBytes {
 public:
  TBytes(const uint8_t* Data, std::size_t Size) : FData(Data), FSize(Size) {}
  bool Empty() const { return FPos >= FSize; }
  uint8_t Next() { return FPos < FSize ? FData[FPos++] : 0; }

 private:
  const uint8_t* FData;
  std::size_t FSize;
  std::size_t FPos = 0;
};

headless::THeadlessWidgetSet& Headless() { return static_cast<headless::THeadlessWidgetSet&>(WidgetSet()); }

void Step(TBytes& In, TDesignSurface& Surface, TObjectInspectorModel& Inspector) {
  static const TClass kClasses[] = {&TButton::StaticMetaClass, &TEdit::StaticMetaClass, &TPanel::StaticMetaClass,
                                    &TListBox::StaticMetaClass, &TLabel::StaticMetaClass,
                                    &TActionList::StaticMetaClass, &TForm::StaticMetaClass};
  static const uint16_t kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_DELETE, VK_ESCAPE, 'Z'};
  static const char* const kProperties[] = {"Caption", "Left", "Width", "Name", "Visible", "Align"};
  auto* form = static_cast<TCustomForm*>(Surface.GetDesigner()->GetRoot());
  const auto point = [&] { return form->ClientToScreen({In.Next() * 2 - 40, In.Next() * 2 - 40}); };
  headless::THeadlessRobot& robot = Headless().Robot();
  const TShiftState shift = In.Next() % 3 == 0 ? TShiftState{ssShift} : TShiftState{};
  switch (In.Next() % 9) {
    case 0:
      robot.Click(point(), headless::TMouseButtonKind::Left, shift);
      break;
    case 1: {
      const TPoint from = point();
      robot.Drag(from, {from.X + In.Next() - 128, from.Y + In.Next() - 128}, 1 + In.Next() % 4);
      break;
    }
    case 2:
      robot.Press(kKeys[In.Next() % std::size(kKeys)], shift);
      break;
    case 3:
      Surface.SetDropClass(kClasses[In.Next() % std::size(kClasses)]);
      robot.Click(point());
      break;
    case 4:
      Surface.Undo();
      break;
    case 5:
      Surface.Redo();
      break;
    case 6:
      try {
        Inspector.SetValue(kProperties[In.Next() % std::size(kProperties)], std::to_string(In.Next()));
      } catch (const Exception&) {
      }
      break;
    case 7:
      robot.DoubleClick(point());
      break;
    default:
      robot.Click(point(), headless::TMouseButtonKind::Right);
      break;
  }
  Application->ProcessMessages();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kel::package::Initialize();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  TBytes in(data, size);
  const std::size_t handles = WidgetSet().HandleCount();
  {
    TOwned<TFormDesigner> designer = TFormDesigner::CreateNew(&TForm::StaticMetaClass, "Form1");
    auto* form = static_cast<TForm*>(designer->GetRoot());
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    TOwned<TDesignSurface> surface = MakeOwned<TDesignSurface>(designer.get());
    TOwned<TObjectInspectorModel> inspector = MakeOwned<TObjectInspectorModel>(designer.get());
    for (int step = 0; step < 48 && !in.Empty(); ++step) Step(in, *surface, *inspector);
    // The form as it is now reads back at run time.
    auto text = MakeOwned<TMemoryStream>();
    text->WriteComponent(designer->GetRoot());
    text->SetPosition(0);
    auto reader = MakeOwned<TReader>(text.get(), 4096);
    try {
      FreeObject(reader->ReadRootComponent(nullptr));
    } catch (const Exception&) {
      formfuzz::Require(false);
    }
  }
  Headless().Windows().ClearMessageBoxes();
  Application->ProcessMessages();
  formfuzz::Require(WidgetSet().HandleCount() == handles);
  return 0;
}
