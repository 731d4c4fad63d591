// Form files for the tool's commands: finding the bundled examples, loading
// a form file of any format as a binary form, and reading it into live
// components at run time or as the form designer would.
#pragma once

#include <string>
#include <vector>

#include "host/classes/component.h"
#include "host/classes/streams.h"

namespace corvane {

// A file of the bundled examples (a path relative to the source tree, like
// "examples/actions.dfm"): looked for in the source folder compiled in, then
// above the program's folder and the current folder. Raises EFOpenError when
// it is nowhere.
std::string FindExample(const std::string& relative);

// The bytes of the file at `path` (a pipe too), whole; raises EFOpenError
// naming the file when it cannot be opened, EReadError when reading fails.
std::string FileBytes(const std::string& path);

// The bytes of the file at `path` (a pipe too); raises EFOpenError naming
// the file when it cannot be opened.
host::TOwned<host::TMemoryStream> LoadFile(const std::string& path);

// Writes Data to the file at `path`. An ordinary file is written beside the
// old one first and then put in its place, so a failure (a full disk) never
// loses what the file held; a device or pipe is written directly. A failure
// raises EWriteError naming the file and the reason.
void SaveFile(const std::string& path, host::TMemoryStream* Data);

// The form file at `path` (text, binary or resource) as a binary form,
// positioned at its start. Raises EReadError for anything else.
host::TOwned<host::TMemoryStream> LoadBinaryForm(const std::string& path);

// Reads the form at run time: the root is created from the stream, every
// component gets Loaded (so connection lists connect).
host::TOwned<host::TComponent> ReadRunTimeForm(const std::string& path);

// Reads the form as the form designer does: the root is created first and
// marked csDesigning, so every component read is in the designer (names are
// kept as read and connections attach nothing). With Skipped, a property
// that cannot be read (an unknown property, a refused reference) is skipped
// and its message added there, as the designer lets its user ignore it;
// without, it raises.
host::TOwned<host::TComponent> ReadDesignTimeForm(const std::string& path, std::vector<std::string>* Skipped = nullptr);

// Every component owned by Root, depth first in list order (Root excluded).
template <class F>
void ForEachComponent(host::TComponent* Root, F&& f) {
  for (int i = 0; i < Root->GetComponentCount(); ++i) {
    host::TComponent* c = Root->GetComponents(i);
    f(c);
    ForEachComponent(c, f);
  }
}

}  // namespace corvane
