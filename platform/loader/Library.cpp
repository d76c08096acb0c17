#include "platform/loader/Library.h"

#include <dlfcn.h>

void* OpenLibrary(const char* file) {
    return dlopen(file, RTLD_NOW | RTLD_LOCAL);
}

void CloseLibrary(void* handle) {
    dlclose(handle);
}

void* LibrarySymbol(void* handle, const char* name) {
    return dlsym(handle, name);
}
