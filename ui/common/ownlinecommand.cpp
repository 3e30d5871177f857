#include "ui/common/ownlinecommand.h"

#include "ui/common/undotexts.h"

namespace torvane::ui::common {

OwnLineCommand::OwnLineCommand(model::Budget &budget, Kind kind, const model::OwnLine &line, int index)
    : BudgetCommand(budget)
    , m_kind(kind)
    , m_line(line)
    , m_index(index)
{
}

void OwnLineCommand::undo()
{
    if (m_kind == Kind::Added)
        remove();
    else
        add();
}

void OwnLineCommand::redo()
{
    if (m_kind == Kind::Added)
        add();
    else
        remove();
}

QString OwnLineCommand::describe(base::Language language) const
{
    return m_kind == Kind::Added ? undotexts::ownLineAdded(m_line.item, m_index, language)
                                 : undotexts::ownLineRemoved(m_line.item, m_index, language);
}

} // namespace torvane::ui::common
