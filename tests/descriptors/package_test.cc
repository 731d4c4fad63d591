// Library start-up and shutdown: units in order, each with its own counter.
#include "package/package.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/kelcommon.h"
#include "descriptors/kelsystem.h"
#include "host/widgetset/widgetset.h"

namespace kel::test {
namespace {

bool Registered(const char* name) {
  try {
    return TkelClassRegistry::FindClass(name) != nullptr;
  } catch (const host::Exception&) {
    return false;  // the registry is not initialised
  }
}

TEST(Package, UnitsStartInOrderAndStopOnTheLastFinalize) {
  // The test program started the library once.
  // The host units first (the widgetset before what draws on it), then the
  // package's.
  std::vector<std::string> names;
  for (const package::TkelUnit& unit : package::Units()) names.emplace_back(unit.Name);
  ASSERT_GE(names.size(), 31u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 31),
            (std::vector<std::string>{"Classes",     "Widgetset",   "Graphics",    "ImgList",    "ActnList",
                                      "Menus",       "Controls",    "StdCtrls",    "Forms",      "AppEvnts",
                                      "ExtCtrls",    "ComCtrls",    "Grids",       "Buttons",    "Mask",
                                      "Spin",        "CheckLst",    "ValEdit",     "Dialogs",    "Kelcommon",
                                      "Kelvar",      "Kelsystem",
                                      "Kelclasses",  "Kelimglist",  "Kelactnlist", "Kelgraphics", "Kelcontrols",
                                      "Kelstdctrls", "Kelmenus",    "Kelforms",    "Kelextctrls"}));
  // The connection units, the About box, the editors, and last the
  // designer registration.
  ASSERT_GE(names.size(), 13u);
  EXPECT_EQ(std::vector<std::string>(names.end() - 13, names.end()),
            (std::vector<std::string>{"Kelconlist", "Kele2m", "Kele2p", "Kelp2p", "Kelabout", "Kelpropindex",
                                      "Kellinksedit", "Kelmpeditor", "Kele2meditor", "Kele2peditor", "Kelp2peditor",
                                      "Kelcsdlg", "Kelreg"}));
  EXPECT_TRUE(host::WidgetSetRunning());
  EXPECT_EQ(package::InitCount("Kelcommon"), 1);
  EXPECT_EQ(package::InitCount("Kelsystem"), 1);
  EXPECT_EQ(package::InitCount("Kelnothing"), -1);

  package::Initialize();  // counted: nothing runs again
  EXPECT_EQ(package::InitCount("Kelsystem"), 2);
  package::Finalize();
  EXPECT_EQ(package::InitCount("Kelsystem"), 1);
  EXPECT_TRUE(Registered("TObject"));

  package::Finalize();  // the last one: everything stops
  EXPECT_EQ(package::InitCount("Kelcommon"), 0);
  EXPECT_FALSE(Registered("TObject"));
  EXPECT_FALSE(host::WidgetSetRunning());
  package::Finalize();  // without a matching Initialize: nothing
  EXPECT_EQ(package::InitCount("Kelcommon"), 0);

  package::Initialize();  // a fresh start registers again
  EXPECT_EQ(package::InitCount("Kelcommon"), 1);
  EXPECT_TRUE(Registered("tobject"));
  EXPECT_TRUE(Registered("TInterfacedObject"));
  EXPECT_EQ(TkelClassRegistry::FindClass("TObject"), &TObjectClassInfo::StaticMetaClass);
}

}  // namespace
}  // namespace kel::test
