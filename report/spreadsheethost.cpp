#include "report/spreadsheethost.h"

#include "report/builtinhost.h"

#include <QDesktopServices>
#include <QUrl>

namespace torvane::report {

using namespace Qt::StringLiterals;

namespace {
SpreadsheetHost::Factory &factory()
{
    static SpreadsheetHost::Factory f;
    return f;
}
SpreadsheetHost::Opener &opener()
{
    static SpreadsheetHost::Opener o;
    return o;
}
} // namespace

std::unique_ptr<SpreadsheetApplication> SpreadsheetHost::create(const QString &progId)
{
    if (factory())
        return factory()(progId);
    if (progId != u"Excel.Application"_s)
        throw HostError(u"No spreadsheet application is registered as \"%1\"."_s.arg(progId));
    return makeBuiltinApplication();
}

bool SpreadsheetHost::open(const QString &path)
{
    if (opener())
        return opener()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SpreadsheetHost::setFactoryForTesting(Factory f)
{
    factory() = std::move(f);
}

void SpreadsheetHost::setOpenerForTesting(Opener o)
{
    opener() = std::move(o);
}

} // namespace torvane::report
