#pragma once

// Shared fixtures of the report tests: a written workbook read back by an
// independent reader.

#include "model/reportplan.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace torvane::test {

using namespace Qt::StringLiterals;

// A section as a report reads it: control texts by name, cells by place.
class MapSource : public model::ReportSource
{
public:
    QString title;
    QHash<QString, QString> controls;
    QHash<QString, QString> cells;

    QString caption() const override { return title; }
    QString controlText(const QString &name) const override { return controls.value(name, u"0"_s); }
    QString cellText(int tab, int row, int column) const override
    {
        return cells.value(u"%1/%2/%3"_s.arg(tab).arg(row).arg(column), u"0"_s);
    }
    void row(int tab, int row, const QStringList &texts)
    {
        for (int c = 0; c < texts.size(); ++c)
            cells.insert(u"%1/%2/%3"_s.arg(tab).arg(row).arg(c + 1), texts[c]);
    }
};

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
