#include "platform/input/SdlLibrary.h"

#include "platform/loader/Library.h"

namespace {

bool Resolve(void* handle, TSdlLibrary& table) {
    bool complete = true;
    QUORVEL_SDL_FUNCTIONS(QUORVEL_RESOLVE)
    return complete;
}

} // namespace

const TSdlLibrary* SdlLibrary(const char* file) {
    return LibraryTable<TSdlLibrary>(file, Resolve);
}
