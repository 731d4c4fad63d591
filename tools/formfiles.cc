#include "tools/formfiles.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"

namespace corvane {

namespace fs = std::filesystem;

std::string FindExample(const std::string& relative) {
  std::vector<fs::path> bases;
#ifdef CORVANE_SOURCE_DIR
  bases.emplace_back(CORVANE_SOURCE_DIR);
#endif
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  for (fs::path start : {ec ? fs::path() : exe.parent_path(), fs::current_path(ec)})
    for (fs::path dir = start; !dir.empty(); dir = dir.parent_path()) {
      bases.push_back(dir);
      if (dir == dir.parent_path()) break;
    }
  for (const fs::path& base : bases)
    if (fs::is_regular_file(base / relative, ec)) return (base / relative).string();
  throw host::EFOpenError("Cannot find the bundled example %s", {relative});
}

host::TOwned<host::TMemoryStream> LoadBinaryForm(const std::string& path) {
  host::TOwned<host::TMemoryStream> in = host::MakeOwned<host::TMemoryStream>();
  in->LoadFromFile(path);
  host::TOwned<host::TMemoryStream> binary = host::MakeOwned<host::TMemoryStream>();
  host::TOwned<host::TMemoryStream> text = host::MakeOwned<host::TMemoryStream>();
  switch (host::TestStreamFormat(in.get())) {
    case host::sofBinary:
      binary->LoadFromStream(in.get());
      break;
    case host::sofResource:
      host::ObjectResourceToText(in.get(), text.get());
      text->SetPosition(0);
      host::ObjectTextToBinary(text.get(), binary.get());
      break;
    case host::sofText:
    case host::sofUTF8Text:
      host::ObjectTextToBinary(in.get(), binary.get());
      break;
    case host::sofUnknown:
      throw host::EReadError("%s is not a form file (neither the text syntax nor the binary format)", {path});
  }
  binary->SetPosition(0);
  return binary;
}

host::TOwned<host::TComponent> ReadRunTimeForm(const std::string& path) {
  host::TOwned<host::TMemoryStream> binary = LoadBinaryForm(path);
  host::TOwned<host::TReader> reader = host::MakeOwned<host::TReader>(binary.get(), 4096);
  return host::TOwned<host::TComponent>(reader->ReadRootComponent(nullptr));
}

// The root's class is taken from the form's header (signature, optional
// prefix, class name), then the whole form is read into it.
host::TOwned<host::TComponent> ReadDesignTimeForm(const std::string& path, std::vector<std::string>* Skipped) {
  host::TOwned<host::TMemoryStream> binary = LoadBinaryForm(path);
  host::TOwned<host::TReader> reader = host::MakeOwned<host::TReader>(binary.get(), 4096);
  reader->ReadSignature();
  host::TFilerFlags flags;
  int32_t position = 0;
  reader->ReadPrefix(flags, position);
  const std::string className = reader->ReadStr();
  host::TClass cls = host::FindClass(className);
  if (!cls->InheritsFrom(&host::TComponent::StaticMetaClass))
    throw host::EReadError("%s is not a component class", {className});
  host::TOwned<host::TComponent> root(static_cast<host::TComponent*>(cls->Create(nullptr)));
  root->SetDesigning(true);
  reader.reset();
  binary->SetPosition(0);
  reader = host::MakeOwned<host::TReader>(binary.get(), 4096);
  if (Skipped)
    reader->OnError = [Skipped](host::TReader*, const std::string& Message, bool& Handled) {
      Skipped->push_back(Message);
      Handled = true;
    };
  reader->ReadRootComponent(root.get());
  return root;
}

}  // namespace corvane
