// Reading RTF: the shipped help document, as the help window does once at start-up,
// and a megabyte of the deepest nesting the reader keeps, to see that the cost stays
// linear in the input.
#include "TLecteurRtf.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

void LectureAide(benchmark::State &state)
{
    std::ifstream fichier(TAVELOR_AIDE_RTF, std::ios::binary);
    const std::string rtf((std::istreambuf_iterator<char>(fichier)), std::istreambuf_iterator<char>());
    for (auto _ : state)
        benchmark::DoNotOptimize(tavelor::TLecteurRtf::Lit(rtf));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}

void LectureGroupesProfonds(benchmark::State &state)
{
    // One document group, then groups down to the depth limit, over and over.
    std::string rtf = "{\\rtf1";
    while (rtf.size() < (1u << 20))
        rtf += std::string(63, '{') + "\\b\\'e9\\u8364?x\\par" + std::string(63, '}');
    rtf += '}';
    for (auto _ : state)
        benchmark::DoNotOptimize(tavelor::TLecteurRtf::Lit(rtf));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}

} // namespace

BENCHMARK(LectureAide);
BENCHMARK(LectureGroupesProfonds);
