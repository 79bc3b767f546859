// Work that must grow linearly with its input, at three sizes each:
// - replace all of "font" in a lower-case page (a case-blind search whose
//   anchor letter occurs in one case only), 1, 4 and 10 MB;
// - the META wizard's scan of a page of lower-case META tags, 1, 4 and 10 MB;
// - filling a script: 2,000 / 8,000 / 20,000 variables and ten times as many
//   references;
// - reading a script library of empty lines (1, 4, 10 MB): the peak of the
//   memory allocated while reading, as a multiple of the file's size.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "core/scripts/ScriptDb.h"
#include "core/scripts/ScriptFill.h"
#include "core/text/FindReplace.h"
#include "core/wizards/MetaTags.h"

// Every allocation through operator new is counted, so a benchmark can tell
// the peak of what a piece of work held at once.
namespace {
std::atomic<std::size_t> allocated{0}, peak{0};
constexpr std::size_t kHeader = alignof(std::max_align_t);
}  // namespace

void* operator new(std::size_t n) {
  auto* block = static_cast<unsigned char*>(std::malloc(n + kHeader));
  if (block == nullptr) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = n;
  const std::size_t now = allocated += n;
  for (std::size_t p = peak.load(); now > p && !peak.compare_exchange_weak(p, now);) {
  }
  return block + kHeader;
}
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  auto* block = static_cast<unsigned char*>(p) - kHeader;
  allocated -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

namespace sc = qm::scripts;

// Lines of lower-case markup, one "font" in each, up to `bytes`.
std::string lowerCasePage(std::size_t bytes) {
  const std::string line = "<p class=note><font color=red>a line of plain lower case words</font></p>\r\n";
  std::string page;
  page.reserve(bytes + line.size());
  while (page.size() < bytes) page += line;
  return page;
}

void BM_ReplaceAllFontLowerCase(benchmark::State& state) {
  const std::string page = lowerCasePage(static_cast<std::size_t>(state.range(0)) << 20);
  const qm::find::Pattern p = qm::find::makePattern("font", false, qm::HebrewStandard::IsoVisual);
  std::int64_t count = 0;
  for (auto _ : state) count = qm::find::replaceAll(page, p, "span").count;
  state.counters["replaced"] = static_cast<double>(count);
}
BENCHMARK(BM_ReplaceAllFontLowerCase)->Arg(1)->Arg(4)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_MetaScan(benchmark::State& state) {
  const std::string line = "<meta name=\"keywords\" content=\"lower, case, words\">\r\n";
  std::string page;
  while (page.size() < (static_cast<std::size_t>(state.range(0)) << 20)) page += line;
  std::size_t tags = 0;
  for (auto _ : state) tags = qm::wizards::scanMeta(page).size();
  state.counters["tags"] = static_cast<double>(tags);
}
BENCHMARK(BM_MetaScan)->Arg(1)->Arg(4)->Arg(10)->Unit(benchmark::kMillisecond);

// range(0) variables, ten references to each spread over the caret text.
void BM_FillScript(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  std::vector<sc::ScriptVar> vars;
  for (std::size_t k = 0; k < n; ++k) vars.push_back({"VAR" + std::to_string(k), "", std::to_string(k), "I"});
  sc::ScriptRec rec;
  for (std::size_t r = 0; r < 10 * n; ++r) rec.STextAtCrsr += "x=$$var" + std::to_string((r * 7919) % n) + "$;";
  for (auto _ : state) benchmark::DoNotOptimize(sc::fillScript(rec, vars, qm::HebrewStandard::IsoVisual).caret.size());
  state.counters["text_mb"] = static_cast<double>(rec.STextAtCrsr.size()) / (1 << 20);
}
BENCHMARK(BM_FillScript)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);

// A library whose one script's description is range(0) MB of empty lines.
void BM_LoadDBOfEmptyLines(benchmark::State& state) {
  const std::size_t lines = (static_cast<std::size_t>(state.range(0)) << 20) / 2;
  std::string file = "#\r\n!NAMELIST\r\n1\r\nx\r\n!SCRIPT\r\n$SNAME\r\nx\r\n$SDESCRIPTION\r\n" + std::to_string(lines) + "\r\n";
  file.append(lines * 2, '\0');
  for (std::size_t k = file.size() - lines * 2; k < file.size(); k += 2) {
    file[k] = '\r';
    file[k + 1] = '\n';
  }
  file += "!SCRIPT-END\r\n!DBEND\r\n";
  double ratio = 0;
  for (auto _ : state) {
    const std::size_t before = allocated.load();
    peak = before;
    sc::LoadResult r = sc::LoadDB(file);
    benchmark::DoNotOptimize(r.scripts.size());
    ratio = static_cast<double>(peak.load() - before) / static_cast<double>(file.size());
  }
  state.counters["peak_x_file"] = ratio;
}
BENCHMARK(BM_LoadDBOfEmptyLines)->Arg(1)->Arg(4)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
