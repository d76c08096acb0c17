#pragma once

#include <cstdint>

// The program-wide pseudo-random generator: seed := seed * 134775813 + 1 (mod 2^32).
// Tests set the seed and get the same games every time.
uint32_t RandSeed();
void SetRandSeed(uint32_t seed);

// A uniform integer in 0..n-1: the high 32 bits of the new seed times n. 0 when n <= 0.
int32_t Random(int32_t n);

// Seeds the generator from the clock, unless a test has frozen it with FreezeRandomize.
void Randomize();

// While frozen, Randomize leaves the seed alone, so seeded tests stay repeatable
// through operations that reseed from the clock.
void FreezeRandomize(bool frozen);
