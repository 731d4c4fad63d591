// corvane convert IN OUT: converts a form file between the text syntax and
// the binary format; the direction follows from what IN holds.
#include <string>

#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/rtl/sysutils.h"
#include "tools/commands.h"
#include "tools/formfiles.h"

namespace corvane {

namespace {

bool EndsWithRes(const std::string& path) {
  return path.size() >= 4 && host::SameText(path.substr(path.size() - 4), ".res");
}

// Converts `in` by its format into `out`; returns what it wrote.
const char* Convert(host::TStream* in, host::TStream* out, const std::string& inName, const std::string& outName) {
  switch (host::TestStreamFormat(in)) {
    case host::sofBinary:
      host::ObjectBinaryToText(in, out);
      return "text";
    case host::sofResource:
      host::ObjectResourceToText(in, out);
      return "text";
    case host::sofText:
    case host::sofUTF8Text:
      if (EndsWithRes(outName)) {
        host::ObjectTextToResource(in, out);
        return "resource";
      }
      host::ObjectTextToBinary(in, out);
      return "binary";
    case host::sofUnknown:
      break;
  }
  throw host::EReadError("%s is not a form file (neither the text syntax nor the binary format)", {inName});
}

}  // namespace

int RunConvert(const Args& args, TToolIO& io) {
  if (args.size() != 2) {
    Print(io.Err, "usage: corvane convert IN OUT\n");
    return 2;
  }
  host::TOwned<host::TMemoryStream> in = LoadFile(args[0]);
  // Convert in memory first, so a bad input leaves no half-written OUT.
  host::TOwned<host::TMemoryStream> out = host::MakeOwned<host::TMemoryStream>();
  const char* kind = Convert(in.get(), out.get(), args[0], args[1]);
  SaveFile(args[1], out.get());
  Print(io.Out, "%s -> %s (%s)\n", args[0].c_str(), args[1].c_str(), kind);
  return 0;
}

}  // namespace corvane
