#include "batchtagger/file_table_view.h"

#include <QHeaderView>
#include <QTableView>
#include <array>

#include "batchtagger/batch_tag_table_model.h"

QTableView* MakeFileTableView(BatchTagTableModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("fileList"));
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    // The end of a folder tells it from its neighbours.
    view->setTextElideMode(Qt::ElideMiddle);
    view->setShowGrid(false);
    view->verticalHeader()->hide();
    // Rows of one height: the view never measures rows it does not show, so
    // tags are read only for the rows on the screen.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    QHeaderView* columns = view->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    // Wide enough for "Western (guess)" in the code-page column.
    const std::array<int, BatchTagTableModel::kColumnCount - 1> widths = {170, 170, 120, 130,
                                                                          45,  45,  125};
    for (size_t column = 0; column < widths.size(); ++column) {
        view->setColumnWidth(static_cast<int>(column), widths[column]);
    }
    // The list order (natural order of the paths) until a column is chosen.
    columns->setSortIndicatorClearable(true);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    return view;
}
