// The text engines on generated Hebrew pages: the colouring (RTF document and
// run scan), the document searches, the visual Hebrew conversion, tag removal
// and the entity conversion.
#include <benchmark/benchmark.h>

#include <map>

#include "core/hebrew/VisualHebrew.h"
#include "core/markup/Entities.h"
#include "core/markup/Highlight.h"
#include "core/markup/MarkupText.h"
#include "core/markup/RtfColorTable.h"
#include "core/markup/WizardMarkup.h"
#include "core/text/Cp1255.h"
#include "core/text/Lines.h"
#include "core/text/Search.h"
#include "corpus/Corpus.h"

namespace {

constexpr std::size_t MB = 1 << 20;

const std::string& page(std::size_t bytes) {
  static std::map<std::size_t, std::string> pages;
  auto it = pages.find(bytes);
  if (it == pages.end()) it = pages.emplace(bytes, qmbench::hebrewPage(bytes)).first;
  return it->second;
}

void BM_BuildRtf(benchmark::State& state) {
  const std::string& text = page(static_cast<std::size_t>(state.range(0)) * MB);
  qm::highlight::RtfSettings settings;
  settings.colorTable = qm::buildRtfColorTable(0xFF0000, 0x707070, 0);
  for (auto _ : state) benchmark::DoNotOptimize(qm::highlight::buildRtf(text, settings));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_BuildRtf)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The whole page in one pass into a reused run list.
void BM_ScanRuns(benchmark::State& state) {
  const std::string& text = page(static_cast<std::size_t>(state.range(0)) * MB);
  std::vector<qm::highlight::StyledRun> runs;
  for (auto _ : state) {
    runs.clear();
    qm::highlight::scanRuns(text, 0, text.size(), {}, runs);
    benchmark::DoNotOptimize(runs.data());
  }
  state.counters["runs"] = static_cast<double>(runs.size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ScanRuns)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Line by line over UTF-16 lines, as a per-block highlighter sees the page.
void BM_ScanLinesUtf16(benchmark::State& state) {
  const std::string& text = page(static_cast<std::size_t>(state.range(0)) * MB);
  std::vector<std::u16string> lines;
  for (const auto& l : qm::lines::split(text)) lines.push_back(qm::cp1255::decode(l));
  std::vector<qm::highlight::StyledRun> runs;
  for (auto _ : state) {
    qm::highlight::ScanState st;
    for (const auto& l : lines) {
      runs.clear();
      st = qm::highlight::scanLine(l, st, runs);
      benchmark::DoNotOptimize(runs.data());
    }
  }
  state.counters["lines"] = static_cast<double>(lines.size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ScanLinesUtf16)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// Searches for a pattern that is not in the page: the whole text is scanned.
// Args: megabytes, case-sensitive, pattern (0 "<APPLET", 1 a Hebrew word, 2 "</TITLE>" from past its only match).
void BM_SearchTS2(benchmark::State& state) {
  const std::string& text = page(static_cast<std::size_t>(state.range(0)) * MB);
  const bool cs = state.range(1) != 0;
  const char* const patterns[] = {"<APPLET", "\xF9\xEC\xE5\xED\xE0", "</TITLE>"};
  const std::string pat = patterns[state.range(2)];
  const std::int64_t from = state.range(2) == 2 ? 300 : 0;
  for (auto _ : state) benchmark::DoNotOptimize(qm::searchTS2(text, pat, cs, from));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SearchTS2)
    ->Args({1, 0, 0})
    ->Args({1, 1, 0})
    ->Args({1, 1, 1})
    ->Args({1, 0, 2})
    ->Args({10, 0, 0})
    ->Args({10, 1, 1})
    ->Unit(benchmark::kMicrosecond);

// searchTS3 limited to the end of the page (the scan stops with the last line).
void BM_SearchTS3(benchmark::State& state) {
  const std::string& text = page(static_cast<std::size_t>(state.range(0)) * MB);
  const auto limit = static_cast<std::int64_t>(text.size()) - 10;
  for (auto _ : state) benchmark::DoNotOptimize(qm::searchTS3(text, "onMouseOver", false, 0, limit));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SearchTS3)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

// The same search over a line list.
void BM_SearchTS2Lines(benchmark::State& state) {
  const std::vector<std::string> lines = qm::lines::split(page(static_cast<std::size_t>(state.range(0)) * MB));
  std::size_t bytes = 0;
  for (const auto& l : lines) bytes += l.size() + 2;
  for (auto _ : state) benchmark::DoNotOptimize(qm::searchTS2(lines, "<APPLET", false, 0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SearchTS2Lines)->Arg(1)->Unit(benchmark::kMicrosecond);

// Every line of a 1 MB page through the conversion; the time per line is total / lines.
void BM_XferhebPerLine(benchmark::State& state) {
  const std::vector<std::string> lines = qm::lines::split(page(MB));
  for (auto _ : state) {
    for (const auto& l : lines) benchmark::DoNotOptimize(qm::xferheb(l, true, true, qm::HebrewStandard::IsoVisual));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines.size()));
}
BENCHMARK(BM_XferhebPerLine)->Unit(benchmark::kMillisecond);

// One long line (Arg kilobytes of Hebrew and Latin words with runs of spaces).
void BM_XferhebLongLine(benchmark::State& state) {
  std::string line;
  while (line.size() < static_cast<std::size_t>(state.range(0)) * 1024) line += "\xF9\xEC\xE5\xED (world)   123,  ";
  for (auto _ : state) benchmark::DoNotOptimize(qm::xferheb(line, true, true, qm::HebrewStandard::IsoVisual));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * line.size()));
}
BENCHMARK(BM_XferhebLongLine)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_StripTag(benchmark::State& state) {
  const std::string& text = page(MB);
  for (auto _ : state) benchmark::DoNotOptimize(qm::StripTag(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_StripTag)->Unit(benchmark::kMillisecond);

void BM_EntityHebrew(benchmark::State& state) {
  std::string text;
  while (text.size() < MB) text += "<P>&ugrave;&igrave;&aring;&iacute; world &lt;\xBA</P>\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(qm::convertEntityHebrew(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_EntityHebrew)->Unit(benchmark::kMillisecond);

}  // namespace

// Path removal on a page with an IMG tag on every line (10 MB: about 150,000 SRC values).
void BM_RemovePathNames(benchmark::State& state) {
  const std::string line = "<IMG SRC=\"C:\\site\\img\\a.gif\" ALT=\"x\"> text text text text text text\r\n";
  std::string text;
  while (text.size() < static_cast<std::size_t>(state.range(0)) * MB) text += line;
  for (auto _ : state) benchmark::DoNotOptimize(qm::wizard::RemovePathNames(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RemovePathNames)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
