#include "NameStream.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "base/Text.h"
#include "names/ALabel.h"
#include "names/NameRules.h"
#include "names/PublicSuffix.h"

namespace cli {

std::filesystem::path PathOf(const std::string& file) {
  return std::filesystem::path(std::u8string(file.begin(), file.end()));
}

namespace {

// Whether an argument reads as a domain name: a valid name under a top-level domain the Public
// Suffix List names ("names.tx" does not).
bool ReadsAsName(const std::string& argument) {
  std::u16string decoded;
  if (!base::DecodeUtf8(argument, decoded)) return false;
  const std::u16string name = names::CleanName(decoded);
  if (name.find(u'.') == std::u16string::npos || names::InvalidReason(name)) return false;
  const auto aLabel = names::ToALabel(name);
  return aLabel && names::IsListedSuffix(aLabel.value().substr(aLabel.value().rfind('.') + 1));
}

}  // namespace

NameStream NameStream::FromInputs(std::vector<std::string> arguments,
                                  std::vector<std::u16string> suffixes) {
  NameStream stream;
  if (arguments.empty()) arguments.push_back("-");
  for (std::string& argument : arguments) {
    std::error_code error;
    const bool name = argument != "-" && !std::filesystem::exists(PathOf(argument), error) &&
                      ReadsAsName(argument);
    stream.inputs_.push_back({std::move(argument), name});
  }
  stream.list_.SetSuffixes(std::move(suffixes));
  return stream;
}

NameStream NameStream::FromPatterns(std::vector<names::NamePattern> patterns,
                                    std::vector<std::u16string> suffixes, std::size_t expected) {
  NameStream stream;
  stream.kind_ = Kind::Patterns;
  stream.patterns_ = std::move(patterns);
  stream.list_.SetSuffixes(std::move(suffixes));
  stream.list_.Reserve(expected);
  return stream;
}

NameStream NameStream::FromList(std::vector<std::u16string> names, std::uint64_t leftOut) {
  NameStream stream;
  stream.leftOut_ = leftOut;
  stream.kind_ = Kind::List;
  stream.names_ = std::move(names);
  return stream;
}

base::Result<bool> NameStream::Next(std::u16string& name) {
  for (;;) {
    auto next = NextOfAnyType(name);
    if (!next || !next.value() || !types_ || types_->Keeps(names::TypeOf(name))) return next;
    ++leftOut_;
  }
}

base::Result<bool> NameStream::NextOfAnyType(std::u16string& name) {
  if (kind_ == Kind::List) {
    if (nextName_ == names_.size()) return false;
    name = std::move(names_[nextName_++]);
    return true;
  }
  std::u16string made;
  while (!list_.Take(name)) {
    if (kind_ == Kind::Inputs) {
      auto more = ReadMore();
      if (!more || !more.value()) return more;
      continue;
    }
    if (!cursor_) {
      if (nextPattern_ == patterns_.size()) return false;
      cursor_.emplace(patterns_[nextPattern_++].Names());
    }
    if (cursor_->Next(made)) {
      list_.AddClean(made);
    } else {
      cursor_.reset();
    }
  }
  return true;
}

base::Status NameStream::CheckFiles() const {
  for (const auto& [file, name] : inputs_) {
    if (file == "-" || name) continue;
    const std::filesystem::path path = PathOf(file);
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) {
      return base::Failure{"neither a file nor a domain name: '" + file + "'"};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return base::Failure{"cannot open '" + file + "': " + std::strerror(errno)};
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      return base::Failure{"cannot read '" + file + "': it is a folder"};
    }
    // Read as a run reads it, keeping nothing.
    NameReader reader(file, nullptr);
    std::string piece(64 * 1024, '\0');
    while (in) {
      in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
      const std::string_view bytes(piece.data(), static_cast<std::size_t>(in.gcount()));
      if (base::Status fed = reader.Feed(bytes); !fed) return fed;
    }
    if (in.bad()) return base::Failure{file + ": cannot be read"};
    if (base::Status finished = reader.Finish(); !finished) return finished;
  }
  return base::Ok();
}

base::Status NameStream::OpenNext() {
  inputName_ = inputs_[nextInput_++].text;
  file_.reset();
  standardInput_.reset();
  if (inputName_ == "-") {
    inputName_ = "<stdin>";
    standardInput_ = std::make_unique<StandardInput>();
  } else {
    const std::filesystem::path path = PathOf(inputName_);
    file_ = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*file_) {
      return base::Failure{"cannot open '" + inputName_ + "': " + std::strerror(errno)};
    }
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      return base::Failure{"cannot read '" + inputName_ + "': it is a folder"};
    }
  }
  reader_ = std::make_unique<NameReader>(inputName_, &list_);
  return base::Ok();
}

base::Result<bool> NameStream::ReadMore() {
  if (!reader_) {
    if (nextInput_ == inputs_.size()) return false;
    if (inputs_[nextInput_].name) {
      std::u16string name;
      (void)base::DecodeUtf8(inputs_[nextInput_++].text, name);
      list_.AddLine(name);
      return true;
    }
    if (base::Status opened = OpenNext(); !opened) return base::Failure{opened.error()};
  }
  std::string piece;
  if (standardInput_) {
    auto read = standardInput_->Read();
    if (!read) return base::Failure{read.error()};
    piece = std::move(read.value());
  } else {
    piece.resize(64 * 1024);
    file_->read(piece.data(), static_cast<std::streamsize>(piece.size()));
    piece.resize(static_cast<std::size_t>(file_->gcount()));
    if (piece.empty() && file_->bad()) return base::Failure{inputName_ + ": cannot be read"};
  }
  if (piece.empty()) {
    base::Status finished = reader_->Finish();
    reader_.reset();
    if (!finished) return base::Failure{finished.error()};
    return true;
  }
  if (base::Status fed = reader_->Feed(piece); !fed) return base::Failure{fed.error()};
  return true;
}

}  // namespace cli
