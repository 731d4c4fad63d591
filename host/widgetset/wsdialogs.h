// The common dialogs a widgetset shows for the dialog components (file
// open and save, font, colour, print, find and replace): one request record
// naming the dialog and carrying what it starts with in and what the user
// chose out.
//
// The file, font, colour and print dialogs are modal: ShowCommonDialog
// returns when the user closed the dialog, with IDOK (the values chosen are
// in the request) or IDCANCEL (the request is as it was). The find and
// replace dialogs are modeless: ShowCommonDialog returns IDOK as soon as
// the dialog shows, and the backend keeps the request's OnAction and calls
// it each time the user presses Find Next, Replace or Replace All (with
// the texts then in the dialog's fields in the request it passes) and once
// when the dialog closes; CloseCommonDialog closes it from the program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/widgetset/wstypes.h"

namespace host {

enum class TCommonDialogKind : uint8_t { OpenFile, SaveFile, Font, Color, Print, Find, Replace };

// What the user did in a modeless (find / replace) dialog.
enum class TCommonDialogAction : uint8_t { Find, Replace, ReplaceAll, Close };

// Font styles of a font request (bits).
inline constexpr uint32_t CD_FONT_BOLD = 1;
inline constexpr uint32_t CD_FONT_ITALIC = 2;
inline constexpr uint32_t CD_FONT_UNDERLINE = 4;
inline constexpr uint32_t CD_FONT_STRIKEOUT = 8;

struct TCommonDialogRequest {
  TCommonDialogKind Kind = TCommonDialogKind::OpenFile;
  std::string Title;  // empty: the backend's own title for the kind

  // File dialogs. Filter is the classic "Text files (*.txt)|*.txt|All|*.*"
  // (description and mask pairs); FilterIndex counts the pairs from 1.
  // Files: in, the file name to start with (none or one); out, the names
  // chosen (several only with MultiSelect).
  std::string Filter;
  int32_t FilterIndex = 1;
  std::string InitialDir;
  std::string DefaultExt;
  bool MultiSelect = false;
  bool FileMustExist = false;
  bool OverwritePrompt = false;
  std::vector<std::string> Files;

  // Font dialog. MinFontSize / MaxFontSize limit the size when both are
  // non-zero.
  std::string FontName;
  int32_t FontSize = 0;
  uint32_t FontStyle = 0;  // CD_FONT_ bits
  COLORREF FontColor = 0;
  int32_t MinFontSize = 0;
  int32_t MaxFontSize = 0;

  // Colour dialog: the colour and the custom colours it offers.
  COLORREF Color = 0;
  std::vector<COLORREF> CustomColors;

  // Print dialog. PageRange: whether the page numbers were chosen (out)
  // rather than all pages.
  int32_t Copies = 1;
  bool Collate = false;
  int32_t FromPage = 0;
  int32_t ToPage = 0;
  int32_t MinPage = 0;
  int32_t MaxPage = 0;
  bool PageRange = false;

  // Find and replace dialogs.
  std::string FindText;
  std::string ReplaceText;
  std::function<void(TCommonDialogAction, const TCommonDialogRequest&)> OnAction;
  // Out: the handle of a modeless dialog shown (for CloseCommonDialog).
  THandle Dialog = 0;
};

}  // namespace host
