#pragma once

#include <QColor>
#include <QLineEdit>

namespace torvane::ui::common {

// A field the user does not type into (a name, an amount): tinted ground, a
// thin border and coloured text, from its palette and its own paint. A style
// sheet per field would look the same but costs every one of them a style
// of its own at start-up; style sheets are kept for the rare marked states
// (a waiting or refused figure), and while one is set it alone draws.
class FlatField : public QLineEdit
{
    Q_OBJECT
public:
    FlatField(QColor ground, QColor border, QColor text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_border;
};

} // namespace torvane::ui::common
