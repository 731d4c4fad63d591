// InputQuery and InputBox: a small modal form asking for one line of text.
//
// The form shows the prompt above an edit holding Value, with OK (the
// default button, Enter) and Cancel (Escape); it is named "InputQueryForm"
// and its controls "Prompt", "Value", "OK" and "Cancel", so a script or a
// test finds them. On the headless backend it runs like any modal form:
// its input comes from the robot through the idle driver.
#pragma once

#include <string>

namespace host {

// True and the text typed in Value when the user chose OK; false and
// Value unchanged for Cancel or closing the form.
bool InputQuery(const std::string& ACaption, const std::string& APrompt, std::string& Value);
// The text typed, or Default when the user cancelled.
std::string InputBox(const std::string& ACaption, const std::string& APrompt, const std::string& Default);

}  // namespace host
