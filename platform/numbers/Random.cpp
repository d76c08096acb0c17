#include "platform/numbers/Random.h"

#include <QDateTime>

namespace {
uint32_t gSeed = 0;
bool gFrozen = false;
} // namespace

uint32_t RandSeed() {
    return gSeed;
}

void SetRandSeed(uint32_t seed) {
    gSeed = seed;
}

int32_t Random(int32_t n) {
    gSeed = gSeed * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(gSeed) * static_cast<uint32_t>(n)) >> 32);
}

void Randomize() {
    if (!gFrozen) gSeed = static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

void FreezeRandomize(bool frozen) {
    gFrozen = frozen;
}
