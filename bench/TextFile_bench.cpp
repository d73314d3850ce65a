// Reading a data file of 10,000 lines through CTextFile.
#include "platform/TextFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

static void BM_ReadTenThousandLines(benchmark::State& state) {
    char name[] = "/tmp/deduxa-bench-XXXXXX";
    int fd = mkstemp(name);
    close(fd);
    {
        std::ofstream out(name, std::ios::binary);
        for (int i = 0; i < 10000; ++i)
            out << (i % 7) << "," << (i % 13) << "\r\n";
    }
    for (auto _ : state) {
        platform::CTextFile file;
        file.Open(name, platform::CTextFile::modeRead);
        std::string line;
        int sum = 0;
        while (file.ReadString(line))
            sum += platform::ParseInt(line);
        benchmark::DoNotOptimize(sum);
    }
    std::remove(name);
}
BENCHMARK(BM_ReadTenThousandLines)->Unit(benchmark::kMicrosecond);
