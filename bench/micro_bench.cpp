// Micro-benchmarks of the query's text work on inputs from 1 KiB to 16 MiB: the cleaning of a
// paste up to the point where its elements are counted, the decoding of a page, and the harvest
// of a page up to the removal body. Each reports its complexity, which must come out as O(N).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/LowerCase.h"
#include "query/Cleaning.h"
#include "query/Harvesting.h"
#include "query/Splitting.h"
#include "web/Module1.h"

namespace {

constexpr std::int64_t kSmallest = 1 << 10;
constexpr std::int64_t kLargest = 16 << 20;

// A paste of `units` UTF-16 code units in the shapes users paste: prefixes, spaces, blank lines,
// Chinese text and a few emoji.
std::u16string Paste(std::size_t units) {
  const std::u16string lines[] = {
      u"http://www.example-name.com\r\n",
      u"  spaced name .net\r\n\r\n",
      u"中文域名.cn\r\n",
      u"www.www.http://mixed.org\r\n",
      u"\U0001F600smile.com\r\n\r\n\r\n",
      u"plain-name-with-digits-0123.biz\r\n",
  };
  std::u16string text;
  text.reserve(units + 64);
  for (std::size_t i = 0; text.size() < units; ++i) text += lines[i % std::size(lines)];
  text.resize(units);
  return text;
}

// A paste made of near misses of every text the cleaning removes, the worst case for searching.
std::u16string NearMisses(std::size_t units) {
  const std::u16string pattern = u"http:/http:www\r\r\n\rww.wwhttp:/ \r\n\r";
  std::u16string text;
  text.reserve(units + pattern.size());
  while (text.size() < units) text += pattern;
  text.resize(units);
  return text;
}

// A selection page of about `units` code units. The entries stay within what a 16-bit fragment
// number counts, so the whole page is harvested rather than refused.
std::u16string Page(std::size_t units) {
  const std::size_t entries = std::min<std::size_t>(units / 64 + 1, 30'000);
  const std::size_t filler = units / entries;
  std::u16string page =
      u"<html><head><title>批量查询 价格 $9.99</title></head><body>"
      u"<h2>My Selected Domain Names</h2><table>";
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t before = page.size();
    page += u"<tr class='x' id='FREE-NAME-" + std::u16string(1, u'A' + i % 26) + u".COM'><td>";
    while (page.size() < before + filler - 10) page += u"价格 $12.99 ";
    page += u"</td></tr>";
  }
  page += u"</table><div>版权所有</div></body></html>";
  return page;
}

// The same page as the registrar sends it: GB18030 bytes, two per Chinese character.
std::vector<std::uint8_t> PageBytes(std::size_t bytes) {
  const std::string chunk =
      "<tr class='x' id='FREE-NAME.COM'><td>\xBC\xDB\xB8\xF1 $12.99</td></tr>";
  std::string page = "<html>My Selected Domain Names<table>";
  while (page.size() < bytes) page += chunk;
  page.resize(bytes);
  return {page.begin(), page.end()};
}

void Clean(benchmark::State& state, const std::u16string& paste) {
  for (auto _ : state) {
    std::u16string text = paste;
    for (const query::Replacement& step : query::kCleaningSteps) {
      text = query::ReplaceAll(text, step.what, step.with);
    }
    const std::u16string list = query::SubmittedList(text);
    benchmark::DoNotOptimize(query::CountPieces(list, u",", 492));
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

void Cleaning(benchmark::State& state) {
  Clean(state, Paste(std::size_t(state.range(0))));
}
void CleaningNearMisses(benchmark::State& state) {
  Clean(state, NearMisses(std::size_t(state.range(0))));
}

void Decoding(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = PageBytes(std::size_t(state.range(0)));
  for (auto _ : state) {
    auto text = web::DecodeBytes(bytes, u"gb2312");
    benchmark::DoNotOptimize(text.ok());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void Harvest(benchmark::State& state) {
  const std::u16string page = Page(std::size_t(state.range(0)));
  for (auto _ : state) {
    auto names = query::HarvestNames(page);
    if (!names.ok()) {
      state.SkipWithError("the page was not harvested");
      break;
    }
    auto body = query::RemovalBody(base::ToLower(names.value().lines));
    benchmark::DoNotOptimize(body.ok());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

// From the smallest paste to the largest, four times larger a step, with the order fitted.
void PasteSizes(benchmark::internal::Benchmark* bench) {
  bench->RangeMultiplier(4)
      ->Range(kSmallest, kLargest)
      ->Unit(benchmark::kMillisecond)
      ->Complexity(benchmark::oN);
}

}  // namespace

BENCHMARK(Cleaning)->Apply(PasteSizes);
BENCHMARK(CleaningNearMisses)->Apply(PasteSizes);
BENCHMARK(Decoding)->Apply(PasteSizes);
BENCHMARK(Harvest)->Apply(PasteSizes);

BENCHMARK_MAIN();
