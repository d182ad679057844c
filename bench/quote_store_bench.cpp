// The quote store's costs: seeding against the floor of one plain write of
// the same bytes, and a GetQuote on a small and on a large file (a read is one
// record by its number, so the two should match).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "backends/headless/headless.h"
#include "quotes/quote_file.h"
#include "runtime/runtime.h"

namespace {

namespace fs = std::filesystem;

// A temporary drive c: with its system folder, for one benchmark.
class Drive {
 public:
  Drive() {
    root_ = fs::temp_directory_path() / ("sagelight-bench-" + std::to_string(getpid()));
    fs::create_directories(root_ / "windows" / "system");
    runtime_ =
        std::make_unique<sagelight::rt::Runtime>(sagelight::rt::RuntimeOptions{root_.string()});
  }
  Drive(const Drive&) = delete;
  Drive& operator=(const Drive&) = delete;
  ~Drive() {
    runtime_.reset();
    fs::remove_all(root_);
  }
  [[nodiscard]] fs::path QuoteFile() const {
    return root_ / "windows" / "system" / "Sagelight.quo";
  }

 private:
  fs::path root_;
  sagelight::headless::HeadlessPlatform platform_{sagelight::headless::Options{}};
  std::unique_ptr<sagelight::rt::Runtime> runtime_;
};

void BM_SeedFreshFile(benchmark::State& state) {
  const Drive drive;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(drive.QuoteFile());
    state.ResumeTiming();
    sagelight::cQuoteFile store;
    benchmark::DoNotOptimize(&store);
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(drive.QuoteFile()));
}
BENCHMARK(BM_SeedFreshFile)->Unit(benchmark::kMillisecond);

void BM_OneWriteOfTheSameBytes(benchmark::State& state) {
  const Drive drive;
  const std::string bytes(86200, 'x');
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(drive.QuoteFile());
    state.ResumeTiming();
    std::FILE* file = std::fopen(drive.QuoteFile().c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}
BENCHMARK(BM_OneWriteOfTheSameBytes)->Unit(benchmark::kMillisecond);

void BM_GetQuote(benchmark::State& state) {
  const Drive drive;
  { sagelight::cQuoteFile seed; }
  fs::resize_file(drive.QuoteFile(), static_cast<std::uintmax_t>(state.range(0)));
  sagelight::cQuoteFile store;
  for (auto _ : state) {
    benchmark::DoNotOptimize(store.GetQuote());
  }
}
BENCHMARK(BM_GetQuote)->Arg(86200)->Arg(6553400)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
