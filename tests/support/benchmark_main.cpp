// The benchmarks' entry point, run in a temporary folder as the game writes its logs into the working folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    std::string folder = (std::filesystem::temp_directory_path() / "tollmarrow-benchmark-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
        return 1;
    std::filesystem::current_path(folder);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::remove_all(folder);
    return 0;
}
