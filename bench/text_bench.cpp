// ReplaceText, SwapText and MirrorArt on drawings of 1 KB, 100 KB and 1 MB: the library's
// one-pass edits keep the same bytes per second at every size. Beside them, the same
// routines written the straightforward way (naive_text_tools.h), whose rate falls with
// the size; they run on 1 KB and 100 KB only, as 1 MB would take minutes.

#include <benchmark/benchmark.h>

#include <string>

#include "library/text_art.h"
#include "library/text_tools.h"
#include "naive_text_tools.h"

namespace {

constexpr int64_t kKilobyte = 1 << 10;
constexpr int64_t kMegabyte = 1 << 20;

// Chat art with strokes to swap and mirror, a letter in both cases for ReplaceText to
// match, and characters beyond ASCII.
std::string Drawing(int64_t bytes) {
  const std::string row = " /¯¯¯\\  |___|  (o O) « ‹ Velto › » [{<>}]\r\n";
  std::string drawing;
  while (static_cast<int64_t>(drawing.size()) < bytes) drawing += row;
  return drawing;
}

void Report(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

template <std::string (*Replace)(std::string&, std::string_view, std::string_view)>
void BM_Replace(benchmark::State& state) {
  const std::string drawing = Drawing(state.range(0));
  for (auto _ : state) {
    std::string text = drawing;
    benchmark::DoNotOptimize(Replace(text, "o", "0"));
  }
  Report(state, drawing);
}

template <std::string (*Swap)(std::string&, std::string_view, std::string_view)>
void BM_Swap(benchmark::State& state) {
  const std::string drawing = Drawing(state.range(0));
  for (auto _ : state) {
    std::string text = drawing;
    benchmark::DoNotOptimize(Swap(text, "/", "\\"));
  }
  Report(state, drawing);
}

template <std::string (*Mirror)(std::string_view)>
void BM_Mirror(benchmark::State& state) {
  const std::string drawing = Drawing(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(Mirror(drawing));
  Report(state, drawing);
}

void AllSizes(benchmark::internal::Benchmark* b) {
  b->Arg(kKilobyte)->Arg(100 * kKilobyte)->Arg(kMegabyte)->Unit(benchmark::kMicrosecond);
}

void SmallSizes(benchmark::internal::Benchmark* b) {
  b->Arg(kKilobyte)->Arg(100 * kKilobyte)->Unit(benchmark::kMicrosecond);
}

BENCHMARK_TEMPLATE(BM_Replace, velto::library::ReplaceText)->Name("ReplaceText")->Apply(AllSizes);
BENCHMARK_TEMPLATE(BM_Replace, velto::naive::ReplaceText)
    ->Name("ReplaceText/naive")
    ->Apply(SmallSizes);
BENCHMARK_TEMPLATE(BM_Swap, velto::library::SwapText)->Name("SwapText")->Apply(AllSizes);
BENCHMARK_TEMPLATE(BM_Swap, velto::naive::SwapText)->Name("SwapText/naive")->Apply(SmallSizes);
BENCHMARK_TEMPLATE(BM_Mirror, velto::library::MirrorArt)->Name("MirrorArt")->Apply(AllSizes);
BENCHMARK_TEMPLATE(BM_Mirror, velto::naive::MirrorArt)->Name("MirrorArt/naive")->Apply(SmallSizes);

}  // namespace

BENCHMARK_MAIN();
