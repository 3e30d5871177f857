#pragma once

#include <QLocale>
#include <QString>

namespace torvane::base {

// Decimal amounts are shown with up to 15 significant digits in their
// shortest form, with the user's decimal separator and never a group
// separator; the same object reads them back, so a shown amount always reads
// back to the same value.
class DecimalFormat
{
public:
    explicit DecimalFormat(QLocale locale = QLocale::system());

    QString toText(double value) const;
    double fromText(const QString &text, bool *ok = nullptr) const;
    QChar decimalPoint() const;
    const QLocale &locale() const { return m_locale; }

    // The format the program uses, from the regional settings.
    static const DecimalFormat &regional();
    static void setRegionalForTesting(const QLocale &locale);

private:
    QLocale m_locale;
};

} // namespace torvane::base
