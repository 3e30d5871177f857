#include "base/assetpath.h"

#include <QCoreApplication>
#include <QDir>

namespace torvane::base {

namespace {
QString &rootOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString AssetPath::root()
{
    QString folder = rootOverride().isEmpty() ? QCoreApplication::applicationDirPath() : rootOverride();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString AssetPath::of(const QString &relative)
{
    QString name = relative;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return root() + name;
}

void AssetPath::setRootForTesting(const QString &folder)
{
    rootOverride() = folder;
}

} // namespace torvane::base
