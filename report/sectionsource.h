#pragma once

#include "model/recalculationpass.h"
#include "model/reportplan.h"

#include <QHash>

namespace torvane::report {

// A section as its report reads it, made from the model: the texts its
// screen shows in a language, its entries and the figures computed from them.
class SectionSource : public model::ReportSource
{
public:
    SectionSource(const model::SectionEntries &entries, const model::SectionFigures &figures, base::Language language);

    QString caption() const override;
    QString controlText(const QString &name) const override;
    QString cellText(int tab, int row, int column) const override;

private:
    const model::SectionEntries &m_entries;
    base::Language m_language;
    QHash<QString, QString> m_controls;
    QHash<int, QString> m_sums; // by grid cell index of the row's sum field
};

} // namespace torvane::report
