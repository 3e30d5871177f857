#include "report/reportfolder.h"

#include "base/assetpath.h"
#include "base/safefile.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace torvane::report {

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

ReportFolder reportFolder()
{
    ReportFolder folder;
    QString target = folderOverride();
    if (target.isEmpty()) {
        const QString beside = base::AssetPath::root();
        if (canWriteIn(beside)) {
            folder.path = beside;
            return folder;
        }
        folder.inDocuments = true;
        target = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    folder.path = QDir(target).absolutePath() + QLatin1Char('/');
    if (const base::WriteResult made = base::makeFolder(target); !made) {
        folder.unmade = made.path;
        folder.reason = made.reason;
    }
    return folder;
}

void setReportFolderForTesting(const QString &folder)
{
    folderOverride() = folder;
}

} // namespace torvane::report
