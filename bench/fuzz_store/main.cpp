// tandrel-fuzz-store CASES [FIRST]: runs the store fuzz cases and exits 1 on any failure.
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "StoreFuzz.h"

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const auto first = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0);
    if (count <= 0) {
        std::cerr << "usage: tandrel-fuzz-store CASES [FIRST]\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const tandrel::FuzzSummary s = tandrel::FuzzStore(count, first, std::cerr);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << s.cases << " cases in " << seconds << " s: " << s.restored << " games restored, " << s.newGames
              << " new deals, " << s.failures << " failures\n";
    return s.failures == 0 ? 0 : 1;
}
