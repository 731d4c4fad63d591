#include "tools/formfiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "host/classes/filer.h"
#include "host/designer/formdesigner.h"
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

void SaveFile(const std::string& path, host::TMemoryStream* Data) {
  std::error_code ec;
  const bool direct = fs::exists(path, ec) && !fs::is_regular_file(path, ec);
  const std::string target = direct ? path : path + ".corvane-new";
  const auto fail = [&](const char* what) {
    const std::string reason = std::strerror(errno);
    if (!direct) fs::remove(target, ec);
    throw host::EWriteError("Cannot %s %s: %s", {std::string(what), path, reason});
  };
  {
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) fail("create");
    out.write(static_cast<const char*>(Data->GetMemory()), static_cast<std::streamsize>(Data->GetSize()));
    out.flush();
    if (!out) fail("write");
  }
  if (!direct) {
    fs::rename(target, path, ec);
    if (ec) {
      errno = ec.value();
      fail("replace");
    }
  }
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw host::EFOpenError("Cannot open file %s: %s", {path, std::string(std::strerror(errno))});
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  if (in.bad()) throw host::EReadError("Cannot read file %s: %s", {path, std::string(std::strerror(errno))});
  return bytes;
}

namespace {

// A form file read whole (a pipe too) and made binary, with the places in
// its text where the binary parts came from (for a text form).
struct TFormFile {
  std::string Path;
  host::TOwned<host::TMemoryStream> Binary;
  std::vector<host::TTextPosition> Positions;
};

TFormFile LoadForm(const std::string& path) {
  TFormFile form{path, host::MakeOwned<host::TMemoryStream>(), {}};
  host::TOwned<host::TStringStream> in = host::MakeOwned<host::TStringStream>(FileBytes(path));
  if (host::TestStreamFormat(in.get()) == host::sofUnknown)
    throw host::EReadError("%s is not a form file (neither the text syntax nor the binary format)", {path});
  try {
    host::ObjectToBinary(in.get(), form.Binary.get(), &form.Positions);
  } catch (host::EParserError& e) {
    e.SetMessage(path + ": " + e.Message());
    throw;
  }
  form.Binary->SetPosition(0);
  return form;
}

// Where in the file a reading error at binary offset Offset lies: LINE:COLUMN
// of a text form, the offset of a binary one.
std::string Place(const TFormFile& form, int64_t offset) {
  if (form.Positions.empty()) return "byte " + host::IntToStr(offset);
  const host::TTextPosition* at = &form.Positions.front();
  for (const host::TTextPosition& p : form.Positions)
    if (p.Offset <= offset) at = &p;
  return host::IntToStr(at->Line) + ":" + host::IntToStr(at->Column);
}

// A message without the reader's own " at position N" (the place is told
// in the file's own terms instead).
std::string WithoutOffset(std::string message) {
  const std::size_t at = message.rfind(" at position ");
  if (at != std::string::npos && message.find_first_not_of("0123456789", at + 13) == std::string::npos)
    message.erase(at);
  return message;
}

// Reads the root with Read, reporting a failure at its place in the file: a
// form that stops early is truncated, and data after the form is an error.
template <class Read>
host::TComponent* ReadForm(TFormFile& form, Read&& read) {
  host::TOwned<host::TReader> reader = host::MakeOwned<host::TReader>(form.Binary.get(), 4096);
  host::TComponent* root = nullptr;
  try {
    root = read(*reader);
  } catch (const host::Exception& e) {
    const int64_t at = reader->GetPosition();
    if (at >= form.Binary->GetSize() && form.Positions.empty())
      throw host::EReadError("%s is truncated: the form stops after %d bytes, before it is complete", {form.Path, at});
    throw host::EReadError("%s:%s: %s", {form.Path, Place(form, at), WithoutOffset(e.Message())});
  }
  const int64_t end = reader->GetPosition(), size = form.Binary->GetSize();
  if (end < size) {
    root->Free();
    throw host::EReadError("%s: %d bytes follow the end of the form at byte %d", {form.Path, size - end, end});
  }
  return root;
}

}  // namespace

host::TOwned<host::TMemoryStream> LoadBinaryForm(const std::string& path) { return LoadForm(path).Binary; }

host::TOwned<host::TMemoryStream> LoadFile(const std::string& path) {
  host::TOwned<host::TMemoryStream> data = host::MakeOwned<host::TMemoryStream>();
  const std::string bytes = FileBytes(path);
  data->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  data->SetPosition(0);
  return data;
}

host::TOwned<host::TComponent> ReadRunTimeForm(const std::string& path) {
  TFormFile form = LoadForm(path);
  return host::TOwned<host::TComponent>(ReadForm(form, [](host::TReader& r) { return r.ReadRootComponent(nullptr); }));
}

// The root's class is taken from the form's header (signature, optional
// prefix, class name), then the whole form is read into it.
host::TOwned<host::TComponent> ReadDesignTimeForm(const std::string& path, std::vector<std::string>* Skipped) {
  TFormFile form = LoadForm(path);
  form.Binary->SetPosition(0);
  host::TOwned<host::TComponent> root(host::TFormDesigner::NewRootFor(form.Binary.get()));
  form.Binary->SetPosition(0);
  ReadForm(form, [&](host::TReader& r) {
    if (Skipped)
      r.OnError = [Skipped](host::TReader*, const std::string& Message, bool& Handled) {
        Skipped->push_back(Message);
        Handled = true;
      };
    return r.ReadRootComponent(root.get());
  });
  return root;
}

}  // namespace corvane
