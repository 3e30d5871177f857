#pragma once

#include <QString>

#include <stdexcept>
#include <string>

namespace torvane::base {

// Parts of the program that pull in large libraries (the spreadsheet
// writers, printing) are modules beside the executable, loaded on their
// first use instead of with every start. A module gives one entry function
// returning a table of its functions.
//
// Loads the module "<name>.so" from the running program's folder (once; it
// stays loaded) and returns its entry's table; throws std::runtime_error,
// saying which module and why, when it cannot.
const void *loadProgramModule(const char *name, const char *entry);

// Throws the error for a module built from other sources than the program.
[[noreturn]] void refuseForeignModule(const char *name);

template<typename Table>
const Table &programModule(const char *name, const char *entry, int version)
{
    const auto *table = static_cast<const Table *>(loadProgramModule(name, entry));
    if (table->version != version)
        refuseForeignModule(name);
    return *table;
}

} // namespace torvane::base
