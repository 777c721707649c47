#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

#include "batchtagger/tag_view.h"

// The listed files as a table: file name, the tag's texts, its track number, the
// code page it reads in, and the folder. A file's tag is read when a row of it is
// first asked for (a view asks only for the rows it shows), so a list of tens of
// thousands of files fills at once; sorting by a tag column reads them all.
//
// Rows stand in list order until the table is sorted by a column; sort(-1)
// returns to list order.
class BatchTagTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        FileColumn,
        TitleColumn,
        ArtistColumn,
        AlbumColumn,
        YearColumn,
        TrackColumn,
        CodePageColumn,
        FolderColumn,
        kColumnCount
    };
    // The full path of a row's file.
    static constexpr int PathRole = Qt::UserRole + 1;

    explicit BatchTagTableModel(QObject* parent = nullptr);

    // The files in list order; tags already read are kept for the paths that stay.
    void setPaths(const QStringList& paths);
    QString pathAt(int row) const;
    int rowOf(const QString& path) const;
    // The tag of a row, read now if it was not yet.
    const TagView& tagAt(int row) const;
    // These files changed: their tags are read again when next shown.
    void forget(const QStringList& paths);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    struct Entry {
        QString path;
        mutable std::optional<TagView> tag;
    };
    const Entry& entryAt(int row) const { return entries_[static_cast<size_t>(order_[row])]; }
    void arrange();  // sets order_ by the sort column
    QVariant display(const Entry& entry, int column) const;

    std::vector<Entry> entries_;  // list order
    QList<int> order_;            // row -> entry
    QHash<QString, int> rowOf_;   // path -> row, made again when the order changes
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    mutable TagViewReader reader_;
};
