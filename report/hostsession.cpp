#include "report/hostsession.h"

#include "base/assetpath.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace torvane::report {

HostSession &HostSession::instance()
{
    static HostSession session;
    return session;
}

void HostSession::release()
{
    Abc = nullptr;
    Ke = nullptr;
    reportApp.reset();
    App.reset();
    AppProgID.clear();
    ExelOtch.clear();
}

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}

// Permission bits say little for an administrator or a read-only mount:
// trying to create a file is the only sure test.
bool canWriteIn(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".torvane-XXXXXX")));
    return probe.open();
}
} // namespace

QString reportFolder(bool *movedToDocuments)
{
    if (movedToDocuments)
        *movedToDocuments = false;
    if (!folderOverride().isEmpty())
        return QDir(folderOverride()).absolutePath() + QLatin1Char('/');
    const QString beside = base::AssetPath::root();
    if (canWriteIn(beside))
        return beside;
    if (movedToDocuments)
        *movedToDocuments = true;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    return QDir(documents).absolutePath() + QLatin1Char('/');
}

void setReportFolderForTesting(const QString &folder)
{
    folderOverride() = folder;
}

} // namespace torvane::report
