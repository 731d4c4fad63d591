// Conversion between the binary form format and the text form syntax.
//
// The text syntax writes one component per block:
//
//   object Form1: TForm1
//     Caption = 'Hello'#10'world'
//     Items.Strings = (
//       'one'
//       'two')
//     Options = [opA, opB]
//     Data = {
//       0A0B0C}
//     Columns = <
//       item
//         Width = 40
//       end>
//     object Button1: TButton [2]
//       Tag = 1
//     end
//   end
//
// `inherited` or `inline` replace `object` for components of an ancestor form
// or of a frame, `[n]` after the class gives the position among siblings,
// `item [n]` gives the order of a collection item. Integers are decimal,
// floats always carry a '.' or an exponent (suffix s: single, c: currency
// written as its scaled integer, d: date). Strings are quoted; characters
// outside printable ASCII and the quote itself appear as #nn (UTF-16 code
// units, so non-ASCII text round-trips); strings longer than 64 characters
// continue on further lines joined with '+'. Each nesting level indents by two
// spaces.
//
// Binary -> text -> binary gives back the same bytes for every form TWriter
// produces. Errors: malformed binary raises EReadError, malformed text
// EParserError naming the line; the output stream is written only once the
// whole input has been converted.
#pragma once

#include <cstdint>
#include <vector>

#include <cstdint>

namespace host {

class TStream;

// What a stream holds, judged from its first bytes (the position stays).
enum TStreamOriginalFormat : uint8_t {
  sofUnknown,
  sofBinary,    // starts with the "TPF0" signature
  sofText,      // starts (after blanks) with object, inherited or inline
  sofUTF8Text,  // the same after a UTF-8 byte order mark
  sofResource   // a form inside a resource header
};
TStreamOriginalFormat TestStreamFormat(TStream* Stream);

void ObjectBinaryToText(TStream* Input, TStream* Output);
// Where a part of the binary form came from in the text: at binary offset
// Offset begins what the text holds at Line and Column (1-based).
struct TTextPosition {
  int64_t Offset;
  int Line;
  int Column;
};
// With Positions, records one entry for every object, property name and
// value written, in order, so that an error found while reading the binary
// form can be reported at its place in the text.
void ObjectTextToBinary(TStream* Input, TStream* Output);
void ObjectTextToBinary(TStream* Input, TStream* Output, std::vector<TTextPosition>* Positions);
// The same with the form wrapped in a resource header named after the
// root's class (upper case), as WriteComponentRes writes it.
void ObjectResourceToText(TStream* Input, TStream* Output);
void ObjectTextToResource(TStream* Input, TStream* Output);
// The form the stream holds from its position on, whatever its format (text,
// binary or a resource), as a binary form written to Output. Positions are
// recorded for a text form as ObjectTextToBinary records them. Raises
// EReadError when the stream holds no form (Output is then left alone).
void ObjectToBinary(TStream* Input, TStream* Output, std::vector<TTextPosition>* Positions = nullptr);

}  // namespace host
