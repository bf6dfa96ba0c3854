// The names of one run in order, made as the run asks for them: the lines of the inputs (files,
// and "-" for standard input), the names of patterns, or a list read before. Lines are cleaned,
// keywords go under the suffixes, and no name comes twice (names/NameList.h). Only the input's
// current piece and the names of one line wait in memory, whatever the number of names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Console.h"
#include "NameReader.h"
#include "base/Result.h"
#include "names/NameList.h"
#include "names/NamePattern.h"
#include "names/NameType.h"

namespace cli {

class NameStream {
 public:
  // The lines of the files in order; none: standard input. An argument that names no file but
  // reads as a domain name (a valid name under a top-level domain the list names) is that name;
  // an argument that is both is the file.
  static NameStream FromInputs(std::vector<std::string> arguments,
                               std::vector<std::u16string> suffixes);
  // The names of each pattern in turn. expected: about how many, to size the list once.
  static NameStream FromPatterns(std::vector<names::NamePattern> patterns,
                                 std::vector<std::u16string> suffixes, std::size_t expected);
  // Names made before, as they are, of which --type had left out `leftOut`.
  static NameStream FromList(std::vector<std::u16string> names, std::uint64_t leftOut = 0);

  // Reads the files through once, keeping nothing: fails, as Next would, for one that cannot be
  // opened or is not UTF-8, and for an argument that is neither a file nor a domain name, so that such a fault stops a run before anything is sent. Standard
  // input is read once only, as the run goes.
  base::Status CheckFiles() const;

  // Passes on only the names of these types (--type); the filter must outlive the stream.
  void KeepTypes(const names::TypeFilter* types) { types_ = types; }
  // How many names the types left out so far.
  std::uint64_t LeftOut() const { return leftOut_; }

  // Writes the next name into `name`; false at the end. Fails when an input cannot be read,
  // naming it.
  base::Result<bool> Next(std::u16string& name);

 private:
  NameStream() = default;
  base::Result<bool> NextOfAnyType(std::u16string& name);
  // Reads the next piece of the inputs into the list; false once they have all ended.
  base::Result<bool> ReadMore();
  base::Status OpenNext();

  names::NameList list_;
  // Inputs: files ("-" for standard input), and names given as arguments.
  struct Input {
    std::string text;
    bool name = false;
  };
  std::vector<Input> inputs_;
  std::size_t nextInput_ = 0;
  std::string inputName_;
  std::unique_ptr<std::ifstream> file_;
  std::unique_ptr<StandardInput> standardInput_;
  std::unique_ptr<NameReader> reader_;
  // Patterns.
  std::vector<names::NamePattern> patterns_;
  std::size_t nextPattern_ = 0;
  std::optional<names::NamePattern::Cursor> cursor_;
  // A list.
  std::vector<std::u16string> names_;
  std::size_t nextName_ = 0;
  enum class Kind { Inputs, Patterns, List } kind_ = Kind::Inputs;
  const names::TypeFilter* types_ = nullptr;
  std::uint64_t leftOut_ = 0;
};

// A file named on the command line, whose name arrives in UTF-8 on every platform.
std::filesystem::path PathOf(const std::string& file);

}  // namespace cli
