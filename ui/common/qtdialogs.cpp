#include "ui/common/qtdialogs.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

namespace {

// The size and date columns of a file dialog's detail view, written in the
// view's locale rather than the system's.
class LocalisedColumns : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto *model = qobject_cast<const QFileSystemModel *>(index.model());
        if (!model)
            return;
        if (index.column() == 1 && !model->isDir(index))
            option->text = option->locale.formattedDataSize(model->size(index), 1, QLocale::DataSizeTraditionalFormat);
        else if (index.column() == 3)
            option->text = option->locale.toString(model->lastModified(index), QLocale::ShortFormat);
    }
};

// Sized to fit the screen it is on, with room for the detail view's columns.
void fitToScreen(QFileDialog *dialog)
{
    const QScreen *screen = dialog->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize wanted(std::min(room.width() - 40, 900), std::min(room.height() - 60, 540));
    const QSize size = dialog->size().expandedTo(wanted).boundedTo(room.size() - QSize(20, 40));
    if (size != dialog->size()) {
        dialog->resize(size);
        dialog->move(room.x() + (room.width() - size.width()) / 2, room.y() + (room.height() - size.height()) / 2);
    }
}

// The list of places is as wide as its longest name ("Ordinateur",
// "Компьютер"), within a third of the dialog.
void fitPlaces(QFileDialog *dialog)
{
    auto *places = dialog->findChild<QListView *>(u"sidebar"_s);
    auto *splitter = dialog->findChild<QSplitter *>(u"splitter"_s);
    if (!places || !splitter || splitter->count() != 2)
        return;
    const int wanted = places->sizeHintForColumn(0) + 2 * places->frameWidth() + places->verticalScrollBar()->sizeHint().width() + 8;
    QList<int> sizes = splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int width = std::min(wanted, total / 3);
    if (sizes.value(0) < width)
        splitter->setSizes({width, total - width});
}

} // namespace

QtDialogs::QtDialogs(QObject *parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

QtDialogs::~QtDialogs()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool QtDialogs::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show)
        if (auto *dialog = qobject_cast<QFileDialog *>(watched))
            localise(dialog, m_language);
    return false;
}

void QtDialogs::localise(QFileDialog *dialog, base::Language language)
{
    dialog->setLocale(base::localeOf(language));
    auto *view = dialog->findChild<QTreeView *>(u"treeView"_s);
    if (view && !dynamic_cast<LocalisedColumns *>(view->itemDelegate())) {
        view->setItemDelegate(new LocalisedColumns(view));
        // The name takes what is left; the other columns are as wide as
        // their headers and contents ("Dernière modification", "11.12.2026 16:17").
        QHeaderView *header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    fitToScreen(dialog);
    // The places list is laid out once the dialog stands on the screen.
    QTimer::singleShot(0, dialog, [dialog = QPointer<QFileDialog>(dialog)] {
        if (dialog)
            fitPlaces(dialog);
    });
}

} // namespace torvane::ui::common
