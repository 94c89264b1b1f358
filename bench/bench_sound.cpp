// The sound module's own costs, on SDL's silent dummy device: opening the
// device (done after the first paint), an effect from the call to the mixer,
// and the first start of the tune, which loads the sound font.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

#include "sound/Mixer.h"

namespace {

std::string Beside(const char* name)
{
    const char* dir = std::getenv("TANDREL_SOUNDS");
    return std::string(dir ? dir : ".") + "/" + name;
}

void OpenDevice(benchmark::State& state)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (auto _ : state) {
        tandrel::Mixer m;
        benchmark::DoNotOptimize(m.Open());
    }
}
BENCHMARK(OpenDevice)->Unit(benchmark::kMillisecond);

void PlayEffect(benchmark::State& state)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    tandrel::Mixer m;
    m.Open();
    const std::string card = Beside("Card5.wav");
    for (auto _ : state) m.PlaySoundFile(card);
}
BENCHMARK(PlayEffect)->Unit(benchmark::kMicrosecond);

void StartTune(benchmark::State& state)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string tune = Beside("rag.mid");
    for (auto _ : state) {
        tandrel::Mixer m;
        m.Open();
        if (!m.PlayMusic(tune)) state.SkipWithError("the tune does not play");
    }
}
BENCHMARK(StartTune)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
