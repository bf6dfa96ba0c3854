#include "Progress.h"

#include <algorithm>

#include "Console.h"

namespace cli {

Progress::Progress(std::size_t total, bool shown) : total_(total), shown_(shown) {}

std::string Progress::Line(std::size_t done, std::size_t total, Clock::duration elapsed,
                           std::size_t paused) {
  const double seconds = std::chrono::duration<double>(elapsed).count();
  // The noun agrees with the larger figure: "0/1 name", "2/5 names".
  std::string line = total > 0 ? std::to_string(done) + "/" + Names(total) : Names(done);
  if (done > 0 && seconds > 0) {
    const double rate = done / seconds;
    line += ", " + std::to_string(static_cast<long long>(rate + 0.5)) + " names/s";
    if (total >= done) {
      const auto left = static_cast<long long>((total - done) / rate + 0.5);
      line += ", " + std::to_string(left) + " s left";
    }
  }
  if (paused > 0) line += ", " + std::to_string(paused) + " waiting on paused servers";
  return line;
}

void Progress::Update(std::size_t done, std::size_t paused) {
  if (!shown_) return;
  const Clock::time_point now = Clock::now();
  if (done < total_ && now - drawn_ < std::chrono::milliseconds(100)) return;
  drawn_ = now;
  std::string line = Line(done, total_, now - started_, paused);
  const std::size_t width = line.size();
  if (line.size() < width_) line.resize(width_, ' ');
  width_ = width;
  Write(Stream::Err, "\r" + line);
}

void Progress::Clear() {
  if (!shown_ || width_ == 0) return;
  Write(Stream::Err, "\r" + std::string(width_, ' ') + "\r");
  width_ = 0;
  drawn_ = {};  // the next update draws the line again at once
}

std::string Names(std::uint64_t count) {
  return std::to_string(count) + (count == 1 ? " name" : " names");
}

std::string SummaryText(const Counts& counts) {
  std::string text = "共输入" + std::to_string(counts.entered) + "个，其中" +
                     std::to_string(counts.available) + "个可以注册";
  if (counts.unknown > 0) text += "，" + std::to_string(counts.unknown) + "个未能查询";
  if (counts.invalid > 0) text += "，" + std::to_string(counts.invalid) + "个无效";
  if (counts.resumed > 0) text += "，" + std::to_string(counts.resumed) + "个沿用上次结果";
  if (counts.delegated > 0) text += "，" + std::to_string(counts.delegated) + "个见于区域文件";
  return text + "\n";
}

}  // namespace cli
