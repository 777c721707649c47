#include "batchtagger/batch_tag_table_model.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

#include "jukebox/common/natural_order.h"
#include "jukebox/common/path_functions.h"

namespace {

const std::array<const char*, BatchTagTableModel::kColumnCount> kHeaders = {
    QT_TRANSLATE_NOOP("CMarlowispDlg", "File"),      QT_TRANSLATE_NOOP("CMarlowispDlg", "Title"),
    QT_TRANSLATE_NOOP("CMarlowispDlg", "Artist"),    QT_TRANSLATE_NOOP("CMarlowispDlg", "Album"),
    QT_TRANSLATE_NOOP("CMarlowispDlg", "Year"),      QT_TRANSLATE_NOOP("CMarlowispDlg", "Track"),
    QT_TRANSLATE_NOOP("CMarlowispDlg", "Code page"), QT_TRANSLATE_NOOP("CMarlowispDlg", "Folder")};

}  // namespace

BatchTagTableModel::BatchTagTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void BatchTagTableModel::setPaths(const QStringList& paths) {
    beginResetModel();
    QHash<QString, TagView> known;
    for (Entry& entry : entries_) {
        if (entry.tag) {
            known.insert(entry.path, *entry.tag);
        }
    }
    entries_.clear();
    entries_.reserve(static_cast<size_t>(paths.size()));
    for (const QString& path : paths) {
        Entry entry{path, std::nullopt};
        if (!known.isEmpty()) {
            auto found = known.constFind(path);
            if (found != known.constEnd()) {
                entry.tag = *found;
            }
        }
        entries_.push_back(std::move(entry));
    }
    arrange();
    endResetModel();
}

void BatchTagTableModel::arrange() {
    order_.resize(static_cast<qsizetype>(entries_.size()));
    std::iota(order_.begin(), order_.end(), 0);
    if (sortColumn_ >= 0 && sortColumn_ < kColumnCount) {
        // Each row's key is made once; ties keep list order.
        std::vector<QVariant> keys(entries_.size());
        std::vector<NaturalSortKey> names;
        bool byName = sortColumn_ == FileColumn || sortColumn_ == FolderColumn;
        if (byName) {
            names.reserve(entries_.size());
            for (const Entry& entry : entries_) {
                names.emplace_back(sortColumn_ == FileColumn ? FileNamePart(entry.path)
                                                             : FolderPart(entry.path));
            }
        } else {
            for (size_t i = 0; i < entries_.size(); ++i) {
                keys[i] = display(entries_[i], sortColumn_);
            }
        }
        auto less = [&](int a, int b) {
            auto ua = static_cast<size_t>(a);
            auto ub = static_cast<size_t>(b);
            if (byName) {
                return names[ua] < names[ub];
            }
            if (sortColumn_ == TrackColumn) {
                return keys[ua].toInt() < keys[ub].toInt();
            }
            return keys[ua].toString().compare(keys[ub].toString(), Qt::CaseInsensitive) < 0;
        };
        if (sortOrder_ == Qt::AscendingOrder) {
            std::stable_sort(order_.begin(), order_.end(), less);
        } else {
            std::stable_sort(order_.begin(), order_.end(),
                             [&](int a, int b) { return less(b, a); });
        }
    }
    rowOf_.clear();
}

QString BatchTagTableModel::pathAt(int row) const {
    return row >= 0 && row < order_.size() ? entryAt(row).path : QString();
}

int BatchTagTableModel::rowOf(const QString& path) const {
    if (rowOf_.isEmpty() && !order_.isEmpty()) {
        auto& rows = const_cast<QHash<QString, int>&>(rowOf_);
        rows.reserve(order_.size());
        for (int row = 0; row < order_.size(); ++row) {
            rows.insert(entryAt(row).path, row);
        }
    }
    return rowOf_.value(path, -1);
}

const TagView& BatchTagTableModel::tagAt(int row) const {
    const Entry& entry = entryAt(row);
    if (!entry.tag) {
        entry.tag = reader_.readFile(entry.path);
    }
    return *entry.tag;
}

void BatchTagTableModel::forget(const QStringList& paths) {
    for (const QString& path : paths) {
        int row = rowOf(path);
        if (row < 0) {
            continue;
        }
        entryAt(row).tag.reset();
        Q_EMIT dataChanged(index(row, 0), index(row, kColumnCount - 1));
    }
}

int BatchTagTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int BatchTagTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant BatchTagTableModel::display(const Entry& entry, int column) const {
    if (column == FileColumn) {
        return FileNamePart(entry.path);
    }
    if (column == FolderColumn) {
        return FolderPart(entry.path);
    }
    if (!entry.tag) {
        entry.tag = reader_.readFile(entry.path);
    }
    const TagView& tag = *entry.tag;
    switch (column) {
        case TitleColumn:
        case ArtistColumn:
        case AlbumColumn:
        case YearColumn:
            return tag.texts[static_cast<size_t>(column - TitleColumn)];
        case TrackColumn:
            return tag.track == 0 ? QVariant(QString()) : QVariant(tag.track);
        case CodePageColumn:
            if (tag.state == TagView::State::Unreadable) {
                return QCoreApplication::translate("CMarlowispDlg", "cannot open");
            }
            return tag.state == TagView::State::NoTag
                       ? QCoreApplication::translate("CMarlowispDlg", "no tag")
                       : tag.codePageLabel();
        default:
            return {};
    }
}

QVariant BatchTagTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= order_.size() || index.column() >= kColumnCount) {
        return {};
    }
    const Entry& entry = entryAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return display(entry, index.column());
        case Qt::ToolTipRole:
        case PathRole:
            return entry.path;
        case Qt::TextAlignmentRole:
            return index.column() == TrackColumn ? QVariant(int{Qt::AlignRight | Qt::AlignVCenter})
                                                 : QVariant();
        default:
            return {};
    }
}

QVariant BatchTagTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumnCount) {
        return QCoreApplication::translate("CMarlowispDlg", kHeaders[static_cast<size_t>(section)]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void BatchTagTableModel::sort(int column, Qt::SortOrder order) {
    if (column == sortColumn_ && order == sortOrder_) {
        return;
    }
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QModelIndexList before = persistentIndexList();
    QList<int> entriesBefore;
    for (const QModelIndex& index : before) {
        entriesBefore.append(order_[index.row()]);
    }
    sortColumn_ = column;
    sortOrder_ = order;
    arrange();
    // Selections and the current row follow their files.
    QList<int> rowOfEntry(order_.size());
    for (int row = 0; row < order_.size(); ++row) {
        rowOfEntry[order_[row]] = row;
    }
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        after.append(index(rowOfEntry[entriesBefore[i]], before[i].column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
