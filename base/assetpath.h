#pragma once

#include <QString>

namespace torvane::base {

// Pictures and the reference workbook live beside the executable. A path is
// built afresh for every load from the folder and a relative name.
class AssetPath
{
public:
    // Relative names may use backslashes; they are folded to this platform's separator.
    static QString of(const QString &relative);
    // The executable's folder with its trailing separator.
    static QString root();

    static void setRootForTesting(const QString &folder); // empty restores the default
};

} // namespace torvane::base
