#include "platform/sound/PulseLibrary.h"

#include <dlfcn.h>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace {

std::optional<TPulseLibrary> Open(const char* file) {
    // Local: its names must not stand in for anything else the program loads.
    void* handle = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return std::nullopt;
    TPulseLibrary library;
    bool complete = true;
#define QUORVEL_PULSE_RESOLVE(name)                                                                \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));                 \
    complete = complete && library.name;
    QUORVEL_PULSE_FUNCTIONS(QUORVEL_PULSE_RESOLVE)
#undef QUORVEL_PULSE_RESOLVE
    if (!complete) {
        dlclose(handle);
        return std::nullopt;
    }
    return library;
}

} // namespace

const TPulseLibrary* PulseLibrary(const char* file) {
    // Never destroyed: the sound channel's thread runs on while the program's statics
    // are torn down, and the libraries stay loaded anyway.
    static auto* mutex = new std::mutex;
    static auto* opened = new std::map<std::string, std::optional<TPulseLibrary>>;
    std::lock_guard lock(*mutex);
    auto found = opened->find(file);
    if (found == opened->end()) found = opened->emplace(file, Open(file)).first;
    return found->second ? &*found->second : nullptr;
}
