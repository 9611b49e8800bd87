// The cost of one press decision per window and of a registry lookup,
// natively, with the heap calls made while measuring.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include "filters/equalizer_zones.h"
#include "filters/gen_registry.h"
#include "filters/gen_zones.h"
#include "filters/main_zones.h"
#include "filters/playlist_zones.h"
#include "filters/video_zones.h"

// Every malloc, calloc and realloc of the program goes through these (linked
// with --wrap), so a benchmark can tell whether its loop allocated.
static volatile long g_allocations;
extern "C" {
void* __real_malloc(size_t);
void* __real_calloc(size_t, size_t);
void* __real_realloc(void*, size_t);
void* __wrap_malloc(size_t n) { ++g_allocations; return __real_malloc(n); }
void* __wrap_calloc(size_t n, size_t m) { ++g_allocations; return __real_calloc(n, m); }
void* __wrap_realloc(void* p, size_t n) { ++g_allocations; return __real_realloc(p, n); }
}

namespace {

// Presses spread over the window and beyond it, so that hits and misses mix.
const PressPoint kPresses[8] = {{100, 5}, {10, 5}, {20, 77}, {258, 7}, {274, 115}, {150, 66}, {65535, 3}, {200, 200}};

template <typename F>
void RunDecision(benchmark::State& state, F decide)
{
    long before = g_allocations;
    unsigned i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(decide(kPresses[i++ & 7]));
    state.counters["allocations"] = (double)(g_allocations - before);
}

void MainPress(benchmark::State& state)
{
    RunDecision(state, [](PressPoint p) { return MainPressPasses(p, false, true); });
}
void EqualizerPress(benchmark::State& state)
{
    RunDecision(state, [](PressPoint p) { return EqualizerPressPasses(p, false); });
}
void PlaylistPress(benchmark::State& state)
{
    RunDecision(state, [](PressPoint p) { return PlaylistPressPasses(p, WindowSize{400, 232}, false, false, true); });
}
void VideoPress(benchmark::State& state)
{
    RunDecision(state, [](PressPoint p) { return VideoPressPasses(p, WindowSize{275, 232}, false); });
}
void GenPress(benchmark::State& state)
{
    RunDecision(state, [](PressPoint p) { return GenPressPasses(p, WindowSize{275, 116}, false); });
}

void RegistryLookup(benchmark::State& state)
{
    GenWindowRegistry registry;
    const uintptr_t frames = (uintptr_t)state.range(0);
    for (uintptr_t h = 1; h <= frames; ++h) registry.Insert(h * 16, GenFrameProcedure{h, true});
    long before = g_allocations;
    uintptr_t h = 0;
    for (auto _ : state) {
        GenFrameProcedure found;
        benchmark::DoNotOptimize(registry.Find((h % frames + 1) * 16, &found));
        benchmark::DoNotOptimize(found);
        ++h;
    }
    state.counters["allocations"] = (double)(g_allocations - before);
}

}  // namespace

BENCHMARK(MainPress);
BENCHMARK(EqualizerPress);
BENCHMARK(PlaylistPress);
BENCHMARK(VideoPress);
BENCHMARK(GenPress);
BENCHMARK(RegistryLookup)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK_MAIN();
