#include "platform/sound/PulseLibrary.h"

#include "platform/loader/Library.h"

namespace {

bool Resolve(void* handle, TPulseLibrary& table) {
    bool complete = true;
    QUORVEL_PULSE_FUNCTIONS(QUORVEL_RESOLVE)
    return complete;
}

} // namespace

const TPulseLibrary* PulseLibrary(const char* file) {
    return LibraryTable<TPulseLibrary>(file, Resolve);
}
