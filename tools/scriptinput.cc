#include "tools/scriptinput.h"

#include <vector>

#include "host/comctrls/listview.h"
#include "host/comctrls/pagecontrol.h"
#include "host/controls/controls.h"
#include "host/forms/application.h"
#include "host/rtl/sysutils.h"
#include "host/stdctrls/lists.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"

namespace corvane {

namespace {

using host::Exception;

constexpr std::string_view kVerbs[] = {"click", "dblclick", "type", "key", "select"};

host::headless::THeadlessWidgetSet* Headless() {
  return host::WidgetSetRunning() ? dynamic_cast<host::headless::THeadlessWidgetSet*>(&host::WidgetSet()) : nullptr;
}

host::headless::THeadlessWidgetSet& NeedHeadless() {
  auto* headless = Headless();
  if (!headless)
    throw Exception("Input lines need the headless widgetset (%s is running)",
                    {host::WidgetSetRunning() ? host::WidgetSet().Name() : std::string("none")});
  return *headless;
}

host::headless::THeadlessRobot& Robot() { return NeedHeadless().Robot(); }

std::string AnswerName(int32_t Answer) {
  static const char* const kNames[] = {"", "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
  return Answer > 0 && Answer < static_cast<int32_t>(std::size(kNames)) ? kNames[Answer] : host::IntToStr(Answer);
}

// The control, with its top-level parent shown so that it has windows.
host::TControl* ShownControl(host::TComponent* Component) {
  auto* control = dynamic_cast<host::TControl*>(Component);
  if (!control) throw Exception("%s is not a control", {host::ComponentDisplayName(Component)});
  host::TControl* top = control;
  while (top->GetParent()) top = top->GetParent();
  if (auto* win = dynamic_cast<host::TWinControl*>(top); win && !win->HandleAllocated()) win->Show();
  for (host::TControl* c = control; c; c = c->GetParent())
    if (!c->GetVisible()) throw Exception("%s does not show", {host::ComponentDisplayName(Component)});
  return control;
}

host::TPoint Middle(host::TControl* Control) {
  return Control->ClientToScreen({Control->GetWidth() / 2, Control->GetHeight() / 2});
}

void Focus(host::TControl* Control) {
  auto* win = dynamic_cast<host::TWinControl*>(Control);
  if (!win || !win->CanFocus())
    throw Exception("%s cannot take the keyboard focus", {host::ComponentDisplayName(Control)});
  win->SetFocus();
}

void PressKey(const std::string& Name) {
  const host::TShortCut shortCut = host::TextToShortCut(Name);
  if (shortCut == host::scNone) throw Exception("Unknown key '%s'", {Name});
  uint16_t key = 0;
  host::TShiftState shift;
  host::ShortCutToKey(shortCut, key, shift);
  Robot().Press(key, shift);
}

// The choice Argument names among Texts (a list's items, a page control's
// tabs): its index, or its text in quotes (the first of exactly that text).
int32_t ChoiceIndex(const host::TComponent* Control, const std::vector<std::string>& Texts,
                    const std::string& Argument) {
  const auto count = static_cast<int32_t>(Texts.size());
  if (!Argument.empty() && Argument[0] == '\'') {
    std::size_t pos = 0;
    const std::string text = host::AnsiExtractQuotedStr(Argument, pos, '\'');
    for (int32_t i = 0; i < count; ++i)
      if (Texts[static_cast<std::size_t>(i)] == text) return i;
    throw Exception("%s has no item '%s'", {host::ComponentDisplayName(Control), text});
  }
  int32_t index = 0;
  if (!host::TryStrToInt(Argument, index)) throw Exception("'%s' is no item index", {Argument});
  if (index < 0 || index >= count) throw Exception("%s has no item %d", {host::ComponentDisplayName(Control), index});
  return index;
}

std::vector<std::string> ItemTexts(host::TCustomListControl* List) {
  std::vector<std::string> texts;
  for (int32_t i = 0; i < List->GetItems()->GetCount(); ++i) texts.push_back(List->GetItems()->GetStrings(i));
  return texts;
}

// A page control's page is chosen by a click on its tab.
void SelectTab(host::TPageControl* Pages, const std::string& Argument) {
  std::vector<std::string> captions;
  for (host::TTabSheet* sheet : Pages->ShownTabs()) captions.push_back(sheet->GetCaption());
  const host::TRect r = Pages->TabRect(ChoiceIndex(Pages, captions, Argument));
  Robot().Click(Pages->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
}

// Scrolls the item into view, as a user would, and clicks its middle.
void ClickItem(host::TCustomListBox* List, int32_t Index) {
  List->MakeVisible(Index);
  const host::TRect r = List->ItemRect(Index);
  Robot().Click(List->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
}

// A combo box is opened by a click on its button at the right end, then
// the item is clicked in the list that drops down.
void SelectInCombo(host::TCustomComboBox* Combo, int32_t Index) {
  if (Combo->GetStyle() == host::csSimple)
    throw Exception("%s has no list to drop down", {host::ComponentDisplayName(Combo)});
  if (!Combo->GetDroppedDown())
    Robot().Click(Combo->ClientToScreen({Combo->GetClientWidth() - 4, Combo->GetClientHeight() / 2}));
  host::TCustomListBox* list = Combo->GetDropDownList();
  if (!list || !Combo->GetDroppedDown())
    throw Exception("%s did not drop down its list", {host::ComponentDisplayName(Combo)});
  ClickItem(list, Index);
}

// A list view's item is clicked in its middle, scrolled into view first.
void SelectViewItem(host::TCustomListView* View, const std::string& Argument) {
  std::vector<std::string> captions;
  host::TListItems* items = View->GetItems();
  for (int32_t i = 0; i < items->GetCount(); ++i) captions.push_back(items->GetItem(i)->GetCaption());
  host::TListItem* item = items->GetItem(ChoiceIndex(View, captions, Argument));
  item->MakeVisible(false);
  const host::TRect r = View->ItemRect(item);
  Robot().Click(View->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
}

void SelectItem(host::TControl* Control, const std::string& Argument) {
  if (auto* pages = dynamic_cast<host::TPageControl*>(Control)) return SelectTab(pages, Argument);
  if (auto* view = dynamic_cast<host::TCustomListView*>(Control)) return SelectViewItem(view, Argument);
  auto* list = dynamic_cast<host::TCustomListControl*>(Control);
  if (!list) throw Exception("%s is no list, combo box, list view or page control", {host::ComponentDisplayName(Control)});
  const int32_t index = ChoiceIndex(list, ItemTexts(list), Argument);
  if (auto* combo = dynamic_cast<host::TCustomComboBox*>(list))
    SelectInCombo(combo, index);
  else
    ClickItem(static_cast<host::TCustomListBox*>(list), index);
}

}  // namespace

void WaitInput(uint32_t Ms) {
  NeedHeadless().Windows().Advance(Ms);
  // Then the application is idle, as after any input: actions update and
  // OnIdle runs.
  if (host::Application) {
    host::Application->ProcessMessages();
    host::Application->Idle();
  }
}

TIdleDriverScope::TIdleDriverScope(std::function<bool()> Driver) {
  if (auto* headless = Headless()) {
    FPrevious = headless->Windows().SetIdleDriver(std::move(Driver));
    FInstalled = true;
  }
}

TIdleDriverScope::~TIdleDriverScope() {
  if (auto* headless = FInstalled ? Headless() : nullptr) headless->Windows().SetIdleDriver(std::move(FPrevious));
}

bool IsInputVerb(std::string_view Verb) {
  for (std::string_view v : kVerbs)
    if (host::AnsiSameText(Verb, v)) return true;
  return false;
}

void RunInput(std::string_view Verb, host::TComponent* Component, const std::string& Argument) {
  host::TControl* control = ShownControl(Component);
  if (host::AnsiSameText(Verb, "click")) {
    Robot().Click(Middle(control));
  } else if (host::AnsiSameText(Verb, "dblclick")) {
    Robot().DoubleClick(Middle(control));
  } else if (host::AnsiSameText(Verb, "type")) {
    Focus(control);
    Robot().Type(Argument);
  } else if (host::AnsiSameText(Verb, "select")) {
    SelectItem(control, Argument);
  } else {
    Focus(control);
    PressKey(Argument);
  }
}

std::string MessageBoxReport(std::size_t& Reported) {
  auto* headless = Headless();
  if (!headless) return {};
  const auto& shown = headless->Windows().MessageBoxesShown();
  std::string report;
  for (; Reported < shown.size(); ++Reported) {
    const auto& box = shown[Reported];
    report += "  message box \"" + box.Caption + "\": " + box.Text + " -> " + AnswerName(box.Answer) +
              (box.Unanswered ? " (no answer was queued: the first button)" : "") + "\n";
  }
  return report;
}

void QueueMessageBoxAnswer(int32_t Answer) { NeedHeadless().Windows().QueueMessageBoxAnswer(Answer); }

}  // namespace corvane
