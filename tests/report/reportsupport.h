#pragma once

// Shared fixtures of the report tests: a written workbook read back by an
// independent reader.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace torvane::test {

using namespace Qt::StringLiterals;

// A written workbook as an independent reader sees it (xlrd for .xls,
// openpyxl for .xlsx), as JSON; empty on failure, with the reason warned.
inline QJsonObject readBack(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral(TORVANE_PYTHON), {QStringLiteral(TORVANE_TEST_DIR "/report/readback_workbook.py"), path});
    if (!python.waitForFinished(120000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        qWarning("reading %s back failed: %s", qUtf8Printable(path), python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// One cell of a sheet read back, by reference ("B2").
inline QJsonObject cellOf(const QJsonObject &sheet, const QString &ref)
{
    return sheet.value(QStringLiteral("cells")).toObject().value(ref).toObject();
}

} // namespace torvane::test
