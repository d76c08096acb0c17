#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

// Libraries the program opens itself at run time, after its first window, rather than
// being linked with them: the loader then does not read them, and the dozen libraries
// each needs, before the window; a machine without one goes on without what it gives.
//
// A library's functions come in a table, a struct with one function pointer per entry,
// each of the type its header declares, which resolve fills from the library. Each
// file is opened once (it stays loaded); the table is nullptr where the library or one
// of the functions is missing. Safe from any thread.
template <class TTable>
const TTable* LibraryTable(const char* file, bool (*resolve)(void* handle, TTable& table));

// The open handle of a library, its names kept local so that they stand in for nothing
// else the program loads; nullptr where it cannot be opened.
void* OpenLibrary(const char* file);
void CloseLibrary(void* handle);
// A function of the open library, or nullptr.
void* LibrarySymbol(void* handle, const char* name);

// In a table: the entry for the library's function of that name, of its header's type.
#define QUORVEL_LIBRARY_ENTRY(name) decltype(&::name) name = nullptr;

// In a resolve function: sets table.name to the library's function of that name,
// clearing complete where there is none.
#define QUORVEL_RESOLVE(name)                                                                      \
    table.name = reinterpret_cast<decltype(table.name)>(LibrarySymbol(handle, #name));             \
    complete = complete && table.name;

template <class TTable>
const TTable* LibraryTable(const char* file, bool (*resolve)(void* handle, TTable& table)) {
    // Never destroyed: a thread that uses a table may run on while the program's
    // statics are torn down, and the libraries stay loaded anyway.
    static auto* mutex = new std::mutex;
    static auto* opened = new std::map<std::string, std::optional<TTable>>;
    std::lock_guard lock(*mutex);
    auto found = opened->find(file);
    if (found == opened->end()) {
        std::optional<TTable> table;
        if (void* handle = OpenLibrary(file)) {
            table.emplace();
            if (!resolve(handle, *table)) {
                table.reset();
                CloseLibrary(handle);
            }
        }
        found = opened->emplace(file, table).first;
    }
    return found->second ? &*found->second : nullptr;
}
