#include "tests/batchtagger/marlowisp_dlg_fixture.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

std::string padded(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void MarlowispDlgTest::SetUp() {
    dialog = std::make_unique<CMarlowispDlg>(nullptr, &ui, (dir / "journal").string());
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    list = child<QTableView>("fileList");
}

QLineEdit* MarlowispDlgTest::edit(const char* stem) const {
    return child<QLineEdit>((std::string(stem) + "Edit").c_str());
}

QCheckBox* MarlowispDlgTest::change(const char* stem) const {
    return child<QCheckBox>((std::string(stem) + "Change").c_str());
}

void MarlowispDlgTest::click(const char* button) const {
    QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
}

QString MarlowispDlgTest::status() const {
    return child<QLineEdit>("statusLine")->text();
}

std::filesystem::path MarlowispDlgTest::makeMp3(const std::string& name, const RawBlock* block) {
    std::filesystem::path path = dir / name;
    std::filesystem::create_directories(path.parent_path());
    writeFileBytes(path, audioBody() + (block ? block->bytes() : std::string()));
    return path;
}

void MarlowispDlgTest::drop(const QList<std::filesystem::path>& paths, QWidget* target) {
    QList<QUrl> urls;
    for (const auto& path : paths) {
        urls.append(QUrl::fromLocalFile(qpath(path)));
    }
    dropUrls(urls, target);
}

void MarlowispDlgTest::dropUrls(const QList<QUrl>& urls, QWidget* target) {
    QMimeData data;
    data.setUrls(urls);
    QWidget* over = target ? target : list->viewport();
    QPoint pos = over->rect().center();
    // A file manager offers to copy or move, and Shift asks for a move; the
    // list only ever copies, so the files are never taken away.
    Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(pos, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(over, &enter);
    ASSERT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent dropped(QPointF(pos), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(over, &dropped);
    ASSERT_TRUE(dropped.isAccepted());
    EXPECT_EQ(dropped.dropAction(), Qt::CopyAction);
}

QStringList MarlowispDlgTest::listed() const {
    QStringList items;
    for (int row = 0; row < rowCount(); ++row) {
        items.append(list->model()->index(row, 0).data(BatchTagTableModel::PathRole).toString());
    }
    return items;
}

int MarlowispDlgTest::rowCount() const {
    return list->model()->rowCount();
}

QList<int> MarlowispDlgTest::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QRect MarlowispDlgTest::rowRect(int row) const {
    QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    return list->visualRect(index);
}

void MarlowispDlgTest::clickRow(int row, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rowRect(row).center());
}
