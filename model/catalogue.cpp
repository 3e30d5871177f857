#include "model/catalogue.h"

namespace torvane::model {

using namespace Qt::StringLiterals;

void appendPrices(QList<PriceLine> &lines, const GroupSpec &group, std::span<const Priced> options,
                  const LocalizedText &detail)
{
    for (const Priced &option : options)
        lines.append({group.header, option.text, detail, option.price});
}

} // namespace torvane::model
