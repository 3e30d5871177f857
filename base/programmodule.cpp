#include "base/programmodule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

#include <mutex>

namespace torvane::base {

namespace {

QString programFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

} // namespace

const void *loadProgramModule(const char *name, const char *entry)
{
    static std::mutex guard;
    static QHash<QByteArray, const void *> loaded;
    const std::lock_guard lock(guard);
    if (const void *table = loaded.value(name))
        return table;
    QLibrary library(programFolder() + u'/' + QString::fromLatin1(name) + QStringLiteral(".so"));
    library.setLoadHints(QLibrary::PreventUnloadHint);
    using Entry = const void *(*)();
    const auto function = reinterpret_cast<Entry>(library.resolve(entry));
    const void *table = function ? function() : nullptr;
    if (!table)
        throw std::runtime_error(std::string("the module ") + name + " could not be loaded: " + library.errorString().toStdString());
    loaded.insert(name, table); // a failure is tried again on the next use
    return table;
}

void refuseForeignModule(const char *name)
{
    throw std::runtime_error(std::string("the module ") + name + " belongs to another version of the program");
}

} // namespace torvane::base
