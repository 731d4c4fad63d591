// The published properties the final control classes share. A control
// class publishes the ones it names, in its own order, and adds its own:
//
//   std::vector<TPropInfo> props = PublishedControlProps({"Align", "Caption", "Color", "TabOrder"});
//   props.push_back(Prop<&TButton::GetDefault, &TButton::SetDefault>("Default").Default(false));
//   RegisterProperties(&TButton::StaticMetaClass, std::move(props));
//
// Names of windowed controls (TabOrder, TabStop, Ctl3D, bevels...) may only
// be named for TWinControl classes. An unknown name raises
// EInvalidOperation: it is a mistake in the registration.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "host/classes/typinfo.h"

namespace host {

std::vector<TPropInfo> PublishedControlProps(std::initializer_list<std::string_view> Names);
// TabStop for controls that stop at Tab unless told otherwise (edits,
// lists, buttons...): the shared TabStop with a default of true.
TPropInfo TabStopByDefault();
// Props followed by the shared control properties Names.
std::vector<TPropInfo> WithControlProps(std::vector<TPropInfo> Props, std::initializer_list<std::string_view> Names);

// Props in the order the classic library declares a control class's own
// published properties, which is the order its form files hold them in: by
// name, except Leading first and Trailing last, each in the order given (a
// combo box's Style is read before its Items, which come last). Names of
// Leading or Trailing that Props lacks are passed over.
std::vector<TPropInfo> ClassicOrder(std::vector<TPropInfo> Props, std::initializer_list<std::string_view> Leading = {},
                                    std::initializer_list<std::string_view> Trailing = {});

}  // namespace host
