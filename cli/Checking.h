// Checking a run's names: the feed that draws them from the stream and settles those it can
// (invalid, resumed, delegated in a zone file), the writer that puts the answers out in input
// order, and the loop that asks the source for the rest.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <stop_token>
#include <string>
#include <unordered_map>
#include <vector>

#include "Columns.h"
#include "Console.h"
#include "Formats.h"
#include "NameStream.h"
#include "Progress.h"
#include "Resume.h"
#include "Sources.h"
#include "base/Result.h"
#include "check/Source.h"

namespace cli {

// Standard output, written in input order: an answer goes out, flushed, as soon as every name
// before it has been answered, so no line waits behind a host that is paused. Only the answers
// that wait for an earlier one are held.
class AnswerWriter {
 public:
  // beforeWrite runs before anything goes out, so that a progress line on the same terminal
  // can make way.
  AnswerWriter(Format format, Columns columns, bool demo, std::function<void()> beforeWrite)
      : format_(format), columns_(columns), demo_(demo), beforeWrite_(std::move(beforeWrite)) {
    buffer_ = FormatHeader(format, columns);
  }

  // The answer of the name at `position` (counted from 0, each position once), kept until
  // Flush when every earlier one has come.
  void Put(std::size_t position, std::u16string_view name, const check::Answer& answer) {
    std::string line = FormatAnswer(format_, name, answer, columns_, demo_);
    if (position != next_) {
      held_.emplace(position, std::move(line));
      return;
    }
    buffer_ += line;
    for (++next_; !held_.empty() && held_.begin()->first == next_; ++next_) {
      buffer_ += held_.begin()->second;
      held_.erase(held_.begin());
    }
  }

  // Writes what is due. False once anything could not be written.
  bool Flush() {
    if (!buffer_.empty()) {
      beforeWrite_();
      if (!Write(Stream::Out, buffer_)) failed_ = true;
      buffer_.clear();
    }
    return !failed_;
  }

  // Writes every answer that is held, in order, past the names that have none (a stopped run).
  bool WriteRest() {
    for (auto& [position, line] : held_) buffer_ += line;
    held_.clear();
    return Flush();
  }

 private:
  Format format_;
  Columns columns_;
  bool demo_;
  std::function<void()> beforeWrite_;
  bool failed_ = false;
  std::size_t next_ = 0;
  std::map<std::size_t, std::string> held_;
  std::string buffer_;
};

// What settles a name before any source: an earlier run's answer (--resume), and the zone files'
// delegations by the name's place in the list (--zone).
// A zone file's delegations: by the name's place, when the zone that delegates it was
// published (its SOA serial where that is a date, else the file's time); zero: not delegated.
using ZoneDates = std::vector<std::chrono::sys_seconds>;

struct Settlers {
  const Settled* settled = nullptr;
  const ZoneDates* delegated = nullptr;
};

// The names a source checks, drawn from the stream as it asks for them. On the way each name
// gets its place in the output, and those settled here (invalid, resumed, in a zone file) go
// straight to the writer.
class RunFeed final : public check::NameFeed {
 public:
  RunFeed(NameStream& stream, bool registries, Settlers settlers, AnswerWriter& writer,
          Counts& counts)
      : stream_(stream),
        registries_(registries),
        settlers_(settlers),
        writer_(writer),
        counts_(counts) {}

  std::optional<Name> Next() override {
    if (kept_) return std::exchange(kept_, std::nullopt);
    std::u16string text;
    for (;;) {
      auto next = stream_.Next(text);
      if (!next) {
        error_ = next.error();
        return std::nullopt;
      }
      if (!next.value()) return std::nullopt;
      const std::size_t position = counts_.entered++;
      std::string aLabel;
      if (std::optional<check::Answer> answer = Settle(position, text, aLabel)) {
        writer_.Put(position, text, *answer);
        ++settledHere_;
        continue;
      }
      ++handedOut_;
      asked_.emplace(position, text);
      return Name{position, std::move(text), std::move(aLabel)};
    }
  }

  // Reads on to the first name a source must check and keeps it for Next; false when there is
  // none.
  bool AnyToCheck() {
    if (!kept_) kept_ = Next();
    return kept_.has_value();
  }

  // The name handed out as `id`, now answered.
  std::u16string Answered(std::size_t id) {
    const auto found = asked_.find(id);
    std::u16string name = std::move(found->second);
    asked_.erase(found);
    return name;
  }

  // An input that could not be read, which ended the feed.
  const std::optional<std::string>& Error() const { return error_; }
  std::size_t SettledHere() const { return settledHere_; }
  std::size_t HandedOut() const { return handedOut_; }

 private:
  // The name's answer when it is settled here; else its A-label for the source, with the
  // registries.
  std::optional<check::Answer> Settle(std::size_t position, const std::u16string& name,
                                      std::string& aLabel) {
    check::Answer answer;
    answer.checked = Now();
    Judgement judged = Judge(name, registries_);
    if (judged.invalid) {
      answer.status = check::Status::Invalid;
      answer.detail = std::move(*judged.invalid);
      ++counts_.invalid;
      return answer;
    }
    aLabel = std::move(judged.aLabel);
    if (settlers_.settled) {
      if (const auto found = settlers_.settled->find(name); found != settlers_.settled->end()) {
        ++counts_.resumed;
        if (found->second.status == check::Status::Available) ++counts_.available;
        return found->second;
      }
    }
    if (settlers_.delegated && (*settlers_.delegated)[position] != std::chrono::sys_seconds{}) {
      answer.status = check::Status::Registered;
      answer.detail = u"delegated in the zone file";
      answer.source = check::Route::Zone;
      answer.checked = (*settlers_.delegated)[position];
      ++counts_.delegated;
      return answer;
    }
    return std::nullopt;
  }

  NameStream& stream_;
  bool registries_;
  Settlers settlers_;
  AnswerWriter& writer_;
  Counts& counts_;
  std::optional<Name> kept_;
  std::unordered_map<std::size_t, std::u16string> asked_;  // by id, until answered
  std::optional<std::string> error_;
  std::size_t settledHere_ = 0;
  std::size_t handedOut_ = 0;
};

// Which names of the list the zone files delegate: registered, with no question sent, as of
// the zone's date. Warns once for a zone older than two days and once for lines it could not
// read.
base::Result<ZoneDates> ZoneDelegated(const std::vector<std::string>& files, bool quiet,
                                     const std::vector<std::u16string>& names);

struct Checked {
  std::size_t done = 0;
  bool written = true;
};

// Checks the names of the feed and writes every answer as it becomes due. An answer that cannot
// be written stops the run at once: nobody would read the rest.
Checked CheckAndWrite(check::Source* source, RunFeed& feed, AnswerWriter& writer,
                      Progress& progress, Counts& counts, std::stop_source& stop);

}  // namespace cli
