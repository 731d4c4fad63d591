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

}  // namespace host
