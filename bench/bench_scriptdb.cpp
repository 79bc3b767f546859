// Loading and saving a script library of 1,000 scripts (JSDB.dat): the file's
// bytes parsed and written, and the same with the file read and written
// through a temporary file as the library window does.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

#include "core/scripts/ScriptDb.h"
#include "platform/FileIO.h"

namespace {

namespace sc = qm::scripts;

// 1,000 scripts of a typical size: a Hebrew name and two description lines,
// a ten-line caret text, a five-line head text, load code and three variables.
sc::ScriptList library() {
  const std::string hebrew = "\xF9\xEC\xE5\xED \xF2\xE5\xEC\xED";
  sc::ScriptList list;
  for (int n = 0; n < 1000; ++n) {
    sc::ScriptRec r;
    const std::string id = std::to_string(n);
    r.SName = hebrew + " " + id;
    r.SDescription = hebrew + " " + hebrew + " " + id + "\r\n" + hebrew + " $$TEXT$";
    for (int k = 0; k < 10; ++k) r.STextAtCrsr += (k ? "\r\n" : "") + std::string("document.write(\"$$TEXT$ ") + id + "\");";
    for (int k = 0; k < 5; ++k) r.STextAtHead += (k ? "\r\n" : "") + std::string("function f") + id + "_" + std::to_string(k) + "() { return $$N$; }";
    r.AddOnLoad = "f" + id + "_0()";
    r.ListOfVars = sc::formatVars({{"TEXT", hebrew, hebrew, "SH"}, {"N", "count", "10", "I"}, {"COLOR", "c", "FF0000", "C"}});
    sc::insertScript(list, std::move(r));
  }
  return list;
}

const std::string& fileBytes() {
  static const std::string bytes = sc::SaveDB(library());
  return bytes;
}

void BM_LoadDB_Parse(benchmark::State& state) {
  const std::string& bytes = fileBytes();
  for (auto _ : state) {
    sc::LoadResult r = sc::LoadDB(bytes);
    benchmark::DoNotOptimize(r.scripts.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_SaveDB_Format(benchmark::State& state) {
  const sc::ScriptList list = library();
  for (auto _ : state) {
    std::string bytes = sc::SaveDB(list);
    benchmark::DoNotOptimize(bytes.data());
  }
}

void BM_LoadDB_File(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("JSDB.dat"));
  qm::writeFileAtomically(path, fileBytes());
  for (auto _ : state) {
    sc::LoadResult r = sc::LoadDB(qm::readFileBytes(path));
    benchmark::DoNotOptimize(r.scripts.size());
  }
}

void BM_SaveDB_File(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("JSDB.dat"));
  const sc::ScriptList list = library();
  for (auto _ : state) qm::writeFileAtomically(path, sc::SaveDB(list));
}

}  // namespace

BENCHMARK(BM_LoadDB_Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDB_Format)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDB_File)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDB_File)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
