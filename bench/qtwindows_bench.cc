// The Qt widgetset against the headless one and against plain Qt:
// opening a form of 200 controls up to its first paint on the Qt backend
// (offscreen) against the same work without the Qt windows (the headless
// backend's part alone), and one real Qt click relayed by a connection to
// a method, against a QPushButton whose clicked signal is connected to a
// slot making the same call.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>

#include "bench/compare.h"
#include "bench/formfile.h"
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/forms/application.h"
#include "host/forms/form.h"
#include "host/stdctrls/lists.h"
#include "host/widgetset/qt6/qt6.h"
#include "host/widgetset/qt6/qt6windows.h"
#include "package/package.h"

namespace {

using namespace host;

// A form of `controls` controls in rows of four: buttons, edits, check
// boxes and labels.
std::string FormText(int controls) {
  static const char* const kinds[] = {"TButton", "TEdit", "TCheckBox", "TLabel"};
  std::string text = "object Big: TForm\n  Left = 10\n  Top = 10\n  Width = 800\n  Height = 600\n";
  for (int i = 0; i < controls; ++i) {
    text += "  object C" + std::to_string(i) + ": " + kinds[i % 4] + "\n    Left = " + std::to_string(8 + (i % 4) * 190) +
            "\n    Top = " + std::to_string(4 + (i / 4) * 11) + "\n    Width = 180\n    Height = 10\n";
    if (i % 4 != 1) text += "    Caption = 'Control " + std::to_string(i) + "'\n";
    text += "  end\n";
  }
  return text + "end\n";
}

// A button wired to a list box's Clear, as in the road example.
constexpr char kRoad[] = R"(object Road: TForm
  Left = 40
  Top = 40
  Width = 260
  Height = 180
  object Go: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Go'
  end
  object Names: TListBox
    Left = 8
    Top = 40
    Width = 160
    Height = 120
  end
  object Wiring: TkelConnectionList
    object GoClears: TkelE2MConnection
      Source = Go
      Target = Names
      SourceEvent = 'OnClick'
      TargetMethod = 'Clear'
    end
  end
end
)";

qt6::TQt6WidgetSet& Qt() { return dynamic_cast<qt6::TQt6WidgetSet&>(WidgetSet()); }

// Reads the form, shows it and has it painted once: on Qt, through the Qt
// window's first paint; without the Qt windows, the headless paint pass.
void Open(const std::string& binary, bool onQt) {
  headless::THeadlessWindows& windows = Qt().Windows();
  headless::TWindowPresenter* presenter = windows.SetPresenter(onQt ? &Qt().QtWindows() : nullptr);
  TOwned<TComponent> form = bench::ReadForm(binary);
  auto* window = static_cast<TCustomForm*>(form.get());
  window->Show();
  // Posted messages go out on both; the headless pass also paints. On Qt
  // the window is exposed and painted from Qt's event loop, its paint
  // event making the host paint.
  windows.ProcessMessages();
  if (onQt) QCoreApplication::processEvents();
  form.reset();
  windows.SetPresenter(presenter);
}

void BM_OpenFormOfControls(benchmark::State& state) {
  const std::string binary = bench::BinaryForm(FormText(static_cast<int>(state.range(0))));
  bench::Compare(
      state, [&] { Open(binary, true); }, [&] { Open(binary, false); }, 50);
}
BENCHMARK(BM_OpenFormOfControls)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_QtClickThroughConnection(benchmark::State& state) {
  TOwned<TComponent> road = bench::ReadTextForm(kRoad);
  auto* form = static_cast<TCustomForm*>(road.get());
  form->Show();
  Application->ProcessMessages();
  QWidget* widget = Qt().QtWindows().WidgetOf(form->GetWindowHandle());
  auto* names = static_cast<TListBox*>(road->FindComponent("Names"));
  QPushButton plain("Go");
  plain.setGeometry(40, 40, 75, 25);
  QObject::connect(&plain, &QPushButton::clicked, [names] { names->Clear(); });
  plain.show();
  bench::Compare(
      state, [&] { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(40, 20)); },
      [&] { QTest::mouseClick(&plain, Qt::LeftButton, {}, QPoint(30, 12)); }, 20'000);
}
BENCHMARK(BM_QtClickThroughConnection);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv(host::WidgetSetEnvironmentVariable, "qt6", 1);
  QApplication application(argc, argv);
  host::RegisterQt6WidgetSet();
  kel::package::Initialize();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  kel::package::Finalize();
  return 0;
}
