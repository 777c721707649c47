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
    dialog = std::make_unique<CMarlowispDlg>();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    list = child<QListWidget>("fileList");
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
    for (int row = 0; row < list->count(); ++row) {
        items.append(list->item(row)->text());
    }
    return items;
}

QList<int> MarlowispDlgTest::selectedRows() const {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected()) {
            rows.append(row);
        }
    }
    return rows;
}

void MarlowispDlgTest::clickRow(int row, Qt::KeyboardModifiers modifiers) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(item).center());
}
