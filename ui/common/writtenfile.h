#pragma once

#include <QString>

namespace torvane::ui::common {

// A file the program wrote, as the notice after every save tells it.
struct WrittenFile {
    enum class Shown {
        NotAsked,       // written only; the user may open it from the notice
        Opened,         // handed to the desktop, which took it
        NoViewer,       // the desktop found no program to open it
        NotOpened,      // opening it failed for another reason
        FolderNotShown, // its folder could not be shown in a file manager
    };
    QString path;           // absolute
    Shown shown = Shown::NotAsked;
    bool offerOpen = true;  // false for files the program opens itself (budgets)
    QString note;           // said before the rest; may be empty

    bool failed() const { return shown == Shown::NoViewer || shown == Shown::NotOpened || shown == Shown::FolderNotShown; }
};

} // namespace torvane::ui::common
