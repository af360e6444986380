// libFuzzer target: the team file reader and its records.
// Campaign (clang build with -DTEAMTOOL_FUZZ=ON, from the repository root):
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTEAMTOOL_FUZZ=ON -DTEAMTOOL_BUILD_UI=OFF -DTEAMTOOL_BUILD_BENCH=OFF -DBUILD_TESTING=OFF && ninja -C build-fuzz fuzz_team_file && mkdir -p build-fuzz/corpus fuzz/findings && build-fuzz/fuzz/fuzz_team_file -max_total_time=600 -max_len=4096 -jobs=1 -workers=1 -artifact_prefix=fuzz/findings/ -dict=fuzz/team_file.dict build-fuzz/corpus fuzz/corpus

#include "fuzz/team_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return teamtool::fuzz::checkTeamFileBytes(data, size);
}
