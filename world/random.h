// The game's one random generator: every random draw of the game goes through Rand().
#pragma once

#include <cstdint>
#include <vector>

constexpr int RandMax = 32767;  // the largest value Rand() returns

int Rand();                                      // next value 0..RandMax, a scripted one first if any are queued
void SeedRand(std::uint32_t seed);               // restarts the generator's sequence from seed
void ScriptRand(const std::vector<int>& values); // tests: queue values Rand() returns before its own
int ScriptedRandLeft();                          // tests: queued values not yet returned
void ClearRandScript();                          // tests: drop every queued value
