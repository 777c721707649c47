#pragma once

// The rig of Marlowisp's dialog tests: the dialog shown offscreen, its children by
// name, clicks, drops from a file manager and MP3 files made for the test.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <string>

#include "batchtagger/marlowisp_dlg.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"
#include "tests/taglib/id3v1_fixtures.h"

std::string padded(std::string text, size_t width);
QString qpath(const std::filesystem::path& path);

class MarlowispDlgTest : public testing::Test {
protected:
    void SetUp() override;

    template <typename T>
    T* child(const char* name) const {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* edit(const char* stem) const;
    QCheckBox* change(const char* stem) const;
    void click(const char* button) const;
    QString status() const;

    // An MP3 file with an optional block; returns its path.
    std::filesystem::path makeMp3(const std::string& name, const RawBlock* block = nullptr);

    // Drags paths from a file manager and lets them go over the file list.
    void drop(const QList<std::filesystem::path>& paths, QWidget* target = nullptr);
    void dropUrls(const QList<QUrl>& urls, QWidget* target = nullptr);

    // The full paths of the table's rows, top to bottom.
    QStringList listed() const;
    int rowCount() const;
    QList<int> selectedRows() const;
    QRect rowRect(int row) const;
    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    TempDir dir;
    RecordingUiService ui;
    std::unique_ptr<CMarlowispDlg> dialog;
    QTableView* list = nullptr;
};
