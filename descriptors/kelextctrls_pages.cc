// The page control descriptors: notebook page, notebook and header.
#include "descriptors/kelextctrls_pages.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TPageClassInfo)
KEL_DESCRIPTOR_IMPL(TNotebookClassInfo)
KEL_DESCRIPTOR_IMPL(THeaderClassInfo)

void TNotebookClassInfo::MapFeatures(Map& m) {
  using N = host::TNotebook;
  m.Prop("ActivePage", &N::GetActivePage, &N::SetActivePage)
      .Prop("PageIndex", &N::GetPageIndex, &N::SetPageIndex)
      .Prop("Pages", &N::GetPages, &N::SetPages);
  m.Event("OnPageChanged", &N::OnPageChanged);
}

void THeaderClassInfo::MapFeatures(Map& m) {
  using H = host::THeader;
  m.Indexed("SectionWidth", &H::GetSectionWidth, &H::SetSectionWidth)
      .Prop("AllowResize", &H::GetAllowResize, &H::SetAllowResize)
      .Prop("BorderStyle", &H::GetBorderStyle, OrdinalSetter(&H::SetBorderStyle, host::bsSingle, "BorderStyle"))
      .Prop("Sections", &H::GetSections, &H::SetSections);
  m.Event("OnSizing", &H::OnSizing).Event("OnSized", &H::OnSized);
}

}  // namespace kel
