// The text tools on 1 MB texts: ReplaceText and RemoveSpaces on prose with no, sparse and
// dense matches and on chat art, each beside boost::algorithm::ireplace_all on the same
// text; SwapText, MirrorArt, FlipArt and the art styles on chat art. ReplaceText, SwapText
// and MirrorArt also run on 1 KB and 100 KB, beside the same routines written the
// straightforward way (naive_text_tools.h), whose rate falls with the size; those run on
// 1 KB and 100 KB only, as 1 MB would take minutes.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <boost/algorithm/string/replace.hpp>
#include <functional>
#include <string>
#include <vector>

#include "bench_texts.h"
#include "host/substitute_desktop.h"
#include "library/text/text_art.h"
#include "library/text/text_tools.h"
#include "naive_text_tools.h"

namespace {

using velto::bench::Drawing;
using velto::bench::FewBlanks;
using velto::bench::Prose;

constexpr int64_t kKilobyte = 1 << 10;
constexpr int64_t kMegabyte = 1 << 20;
constexpr int kMallocKeeps = 256 << 20;

using Replace = std::string (*)(std::string&, std::string_view, std::string_view);
using Restyle = std::string (*)(std::string&);

std::string BoostReplace(std::string& text, std::string_view find, std::string_view replacement) {
  boost::algorithm::ireplace_all(text, find, replacement);
  return text;
}

void Report(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// A replacement of `find` by `replacement` in a copy of `original` on every iteration.
void RunReplace(benchmark::State& state, Replace replace, const std::string& original,
                std::string_view find, std::string_view replacement) {
  for (auto _ : state) {
    std::string text = original;
    benchmark::DoNotOptimize(replace(text, find, replacement));
  }
  Report(state, original);
}

void RunRestyle(benchmark::State& state, Restyle restyle, const std::string& original) {
  for (auto _ : state) {
    std::string text = original;
    benchmark::DoNotOptimize(restyle(text));
  }
  Report(state, original);
}

struct ReplaceCase {
  const char* name;
  std::function<std::string()> text;
  const char* find;
  const char* replacement;
};

std::vector<ReplaceCase> ReplaceCases() {
  return {
      {"prose/no_match", [] { return Prose(kMegabyte, 0); }, "velto", "Idler"},
      {"prose/sparse", [] { return Prose(kMegabyte, kKilobyte); }, "velto", "Idler"},
      {"prose/dense", [] { return Prose(kMegabyte, 0); }, "e", "3"},
      {"drawing", [] { return Drawing(kMegabyte); }, "o", "0"},
  };
}

std::vector<ReplaceCase> RemoveSpacesCases() {
  return {
      {"no_blank", [] { return FewBlanks(kMegabyte, 0); }, " ", ""},
      {"sparse", [] { return FewBlanks(kMegabyte, kKilobyte); }, " ", ""},
      {"prose_dense", [] { return Prose(kMegabyte, 0); }, " ", ""},
  };
}

std::string LibraryRemoveSpaces(std::string& text, std::string_view, std::string_view) {
  return velto::library::RemoveSpaces(text);
}

void RegisterReplaceCases(const char* routine, Replace ours,
                          const std::vector<ReplaceCase>& cases) {
  for (const ReplaceCase& c : cases) {
    const std::string text = c.text();
    for (auto [who, replace] : {std::pair{"", ours}, std::pair{"/boost", BoostReplace}}) {
      benchmark::RegisterBenchmark(
          (std::string(routine) + "/" + c.name + who).c_str(),
          [=](benchmark::State& state) { RunReplace(state, replace, text, c.find, c.replacement); })
          ->Unit(benchmark::kMicrosecond);
    }
  }
}

void RegisterArtCases() {
  const std::string drawing = Drawing(kMegabyte);
  const Restyle styles[] = {
      velto::library::ArtStyle01, velto::library::ArtStyle02, velto::library::ArtStyle03,
      velto::library::ArtStyle04, velto::library::ArtStyle05, velto::library::ArtStyle06,
      velto::library::ArtStyle07, velto::library::ArtStyle08, velto::library::ArtStyle09,
      velto::library::ArtStyle10, velto::library::ArtStyle11, velto::library::ArtStyle12,
      velto::library::ArtStyle13, velto::library::ArtStyle14, velto::library::ArtStyle15,
      velto::library::ArtStyle16, velto::library::ArtStyle17, velto::library::ArtStyle18,
      velto::library::ArtStyle19, velto::library::ArtStyle20, velto::library::ArtStyle21,
      velto::library::ArtStyle22, velto::library::ArtStyle23, velto::library::ArtStyle24,
      velto::library::ArtStyle25, velto::library::ArtStyle26, velto::library::ArtStyle27,
      velto::library::ArtStyle28};
  int number = 1;
  for (Restyle restyle : styles) {
    benchmark::RegisterBenchmark(
        ("ArtStyle/" + std::to_string(number++)).c_str(),
        [=](benchmark::State& state) { RunRestyle(state, restyle, drawing); })
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("FlipArt", [=](benchmark::State& state) {
    velto::host::SubstituteDesktop desktop;
    for (auto _ : state) {
      std::string text = drawing;
      benchmark::DoNotOptimize(velto::library::FlipArt(desktop, text));
    }
    Report(state, drawing);
  })->Unit(benchmark::kMicrosecond);
}

template <Replace replace>
void BM_Replace(benchmark::State& state) {
  RunReplace(state, replace, Drawing(state.range(0)), "o", "0");
}

template <Replace swap>
void BM_Swap(benchmark::State& state) {
  RunReplace(state, swap, Drawing(state.range(0)), "/", "\\");
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

int main(int argc, char** argv) {
  // glibc hands every freed block of a megabyte back to the system at once, and every page
  // of the next one is then a fault to it, which on a virtual machine costs more than the
  // work measured. Kept, the memory is reused, as a long-running program's would be.
  mallopt(M_MMAP_THRESHOLD, kMallocKeeps);
  mallopt(M_TRIM_THRESHOLD, kMallocKeeps);
  RegisterReplaceCases("ReplaceText", velto::library::ReplaceText, ReplaceCases());
  RegisterReplaceCases("RemoveSpaces", LibraryRemoveSpaces, RemoveSpacesCases());
  RegisterArtCases();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
