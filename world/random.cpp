// A 15-bit linear congruential generator of the classic C library form, so a
// seed gives the same sequence of draws on every machine. Tests may queue
// exact values ahead of it, because the rules fix the order of draws.
#include "world/random.h"

#include <deque>

namespace {

std::uint32_t State = 1;
std::deque<int> Script;

}  // namespace

int Rand()
{
    if (!Script.empty()) {
        int value = Script.front();
        Script.pop_front();
        return value;
    }
    State = State * 214013u + 2531011u;
    return static_cast<int>((State >> 16) & static_cast<std::uint32_t>(RandMax));
}

void SeedRand(std::uint32_t seed)
{
    State = seed;
}

void ScriptRand(const std::vector<int>& values)
{
    Script.insert(Script.end(), values.begin(), values.end());
}

int ScriptedRandLeft()
{
    return static_cast<int>(Script.size());
}

void ClearRandScript()
{
    Script.clear();
}
