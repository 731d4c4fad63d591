// The unit table and its counters. A unit joins the library by adding one
// line to kUnits, at its place in the start-up order: Kelcommon, Kelvar,
// Kelsystem, Kelclasses, Kelimglist, Kelactnlist, Kelgraphics, Kelcontrols,
// Kelstdctrls, Kelmenus, Kelforms, Kelextctrls, Kelvclpatch, Kelconlist,
// Kele2m, Kele2p, Kelp2p, the browser wrapper, Kelabout, Kelpropindex,
// Kellinksedit, Kelmpeditor, Kele2meditor, Kele2peditor, Kelp2peditor,
// Kelcsdlg, Kelreg.
#include "package/package.h"

#include <array>
#include <cstddef>

#include "connections/kelconlist.h"
#include "connections/kele2m.h"
#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "connections/kelvar.h"
#include "core/kelcommon.h"
#include "descriptors/kelactnlist.h"
#include "editors/kelabout.h"
#include "editors/kelcsdlg.h"
#include "editors/kele2meditor.h"
#include "editors/kele2peditor.h"
#include "editors/kelp2peditor.h"
#include "editors/kellinksedit.h"
#include "editors/kelmpeditor.h"
#include "editors/kelpropindex.h"
#include "descriptors/kelclasses.h"
#include "descriptors/kelcontrols.h"
#include "descriptors/kelextctrls.h"
#include "descriptors/kelforms.h"
#include "descriptors/kelgraphics.h"
#include "descriptors/kelimglist.h"
#include "descriptors/kelmenus.h"
#include "descriptors/kelstdctrls.h"
#include "descriptors/kelsystem.h"
#include "host/actnlist/actnlist.h"
#include "registration/kelreg.h"
#include "host/classes/hostclasses.h"
#include "host/buttons/buttons.h"
#include "host/checklst/checklst.h"
#include "host/classes/typinfo.h"
#include "host/comctrls/comctrls.h"
#include "host/controls/controls.h"
#include "host/dialogs/dialogs.h"
#include "host/extctrls/extctrls.h"
#include "host/forms/appevents.h"
#include "host/forms/forms.h"
#include "host/graphics/graphics.h"
#include "host/grids/grids.h"
#include "host/imglist/imglist.h"
#include "host/mask/mask.h"
#include "host/menus/menus.h"
#include "host/spin/spin.h"
#include "host/stdctrls/stdctrls.h"
#include "host/valedit/valedit.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"

namespace kel::package {

namespace {

// The widgetset the library's programs draw on: the backend chosen by
// CORVANE_WIDGETSET, the headless one unless told otherwise.
void StartWidgetSet() {
  host::RegisterHeadlessWidgetSet();
  host::InitializeWidgetSet();
}

constexpr TkelUnit kUnits[] = {
    // The host library starts before the package: its streamable classes and
    // published-property tables must be registered before any form is read.
    {"Classes", &host::RegisterHostClasses, &host::UnregisterHostClasses},
    {"Widgetset", &StartWidgetSet, &host::FinalizeWidgetSet},
    {"Graphics", &host::RegisterGraphicsClasses, &host::UnregisterGraphicsClasses},
    {"ImgList", &host::RegisterImgListClasses, &host::UnregisterImgListClasses},
    {"ActnList", &host::RegisterActnListClasses, &host::UnregisterActnListClasses},
    {"Menus", &host::RegisterMenusClasses, &host::UnregisterMenusClasses},
    {"Controls", &host::RegisterControlsClasses, &host::UnregisterControlsClasses},
    {"StdCtrls", &host::RegisterStdCtrlsClasses, &host::UnregisterStdCtrlsClasses},
    {"Forms", &host::RegisterFormsClasses, &host::UnregisterFormsClasses},
    {"AppEvnts", &host::RegisterAppEvntsClasses, &host::UnregisterAppEvntsClasses},
    {"ExtCtrls", &host::RegisterExtCtrlsClasses, &host::UnregisterExtCtrlsClasses},
    {"ComCtrls", &host::RegisterComCtrlsClasses, &host::UnregisterComCtrlsClasses},
    {"Grids", &host::RegisterGridsClasses, &host::UnregisterGridsClasses},
    {"Buttons", &host::RegisterButtonsClasses, &host::UnregisterButtonsClasses},
    {"Mask", &host::RegisterMaskClasses, &host::UnregisterMaskClasses},
    {"Spin", &host::RegisterSpinClasses, &host::UnregisterSpinClasses},
    {"CheckLst", &host::RegisterCheckLstClasses, &host::UnregisterCheckLstClasses},
    {"ValEdit", &host::RegisterValEditClasses, &host::UnregisterValEditClasses},
    {"Dialogs", &host::RegisterDialogsClasses, &host::UnregisterDialogsClasses},
    {"Kelcommon", &kelcommon::Initialize, &kelcommon::Finalize},
    {"Kelvar", &kelvar::Initialize, &kelvar::Finalize},
    {"Kelsystem", &kelsystem::Initialize, &kelsystem::Finalize},
    {"Kelclasses", &kelclasses::Initialize, &kelclasses::Finalize},
    {"Kelimglist", &kelimglist::Initialize, &kelimglist::Finalize},
    {"Kelactnlist", &kelactnlist::Initialize, &kelactnlist::Finalize},
    {"Kelgraphics", &kelgraphics::Initialize, &kelgraphics::Finalize},
    {"Kelcontrols", &kelcontrols::Initialize, &kelcontrols::Finalize},
    {"Kelstdctrls", &kelstdctrls::Initialize, &kelstdctrls::Finalize},
    {"Kelmenus", &kelmenus::Initialize, &kelmenus::Finalize},
    {"Kelforms", &kelforms::Initialize, &kelforms::Finalize},
    {"Kelextctrls", &kelextctrls::Initialize, &kelextctrls::Finalize},
    {"Kelconlist", &kelconlist::Initialize, &kelconlist::Finalize},
    {"Kele2m", &kele2m::Initialize, &kele2m::Finalize},
    {"Kele2p", &kele2p::Initialize, &kele2p::Finalize},
    {"Kelp2p", &kelp2p::Initialize, &kelp2p::Finalize},
    {"Kelabout", &kelabout::Initialize, &kelabout::Finalize},
    {"Kelpropindex", &kelpropindex::Initialize, &kelpropindex::Finalize},
    {"Kellinksedit", &kellinksedit::Initialize, &kellinksedit::Finalize},
    {"Kelmpeditor", &kelmpeditor::Initialize, &kelmpeditor::Finalize},
    {"Kele2meditor", &kele2meditor::Initialize, &kele2meditor::Finalize},
    {"Kele2peditor", &kele2peditor::Initialize, &kele2peditor::Finalize},
    {"Kelp2peditor", &kelp2peditor::Initialize, &kelp2peditor::Finalize},
    {"Kelcsdlg", &kelcsdlg::Initialize, &kelcsdlg::Finalize},
    {"Kelreg", &kelreg::Initialize, &kelreg::Finalize},
};
constexpr std::size_t kUnitCount = std::size(kUnits);

std::array<int, kUnitCount> g_counts{};

void FinalizeUnit(std::size_t i) {
  if (g_counts[i] == 0) return;
  if (--g_counts[i] == 0) kUnits[i].Finalize();
}

}  // namespace

void Initialize() {
  std::size_t i = 0;
  try {
    for (; i < kUnitCount; ++i) {
      if (g_counts[i] == 0) kUnits[i].Initialize();
      ++g_counts[i];
    }
  } catch (...) {
    while (i-- > 0) FinalizeUnit(i);
    throw;
  }
}

void Finalize() {
  for (std::size_t i = kUnitCount; i-- > 0;) FinalizeUnit(i);
}

std::span<const TkelUnit> Units() { return kUnits; }

int InitCount(std::string_view unit) {
  for (std::size_t i = 0; i < kUnitCount; ++i)
    if (unit == kUnits[i].Name) return g_counts[i];
  return -1;
}

}  // namespace kel::package
