#include "jukebox/tracklist_window/tracklist_line_model.h"

#include <algorithm>
#include <limits>

TracklistLineModel::TracklistLineModel(LineSource line, FormatSource format, QObject* parent)
    : QAbstractListModel(parent), line_(std::move(line)), format_(std::move(format)) {}

int TracklistLineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rowFormats_.size());
}

QVariant TracklistLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return line(index.row());
    }
    return {};
}

QString TracklistLineModel::line(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    auto it = cache_.constFind(row);
    if (it != cache_.constEnd()) {
        return *it;
    }
    if (cache_.size() >= kCachedLines) {
        cache_.clear();  // the view moved on: what it shows now is asked again
    }
    QString text = line_(row, formats_.at(rowFormats_[static_cast<std::size_t>(row)]));
    cache_.insert(row, text);
    return text;
}

std::uint16_t TracklistLineModel::currentFormatId() {
    const QString format = format_();
    if (!formats_.isEmpty() && formats_.constLast() == format) {
        return static_cast<std::uint16_t>(formats_.size() - 1);
    }
    const qsizetype known = formats_.indexOf(format);
    if (known >= 0) {
        return static_cast<std::uint16_t>(known);
    }
    if (formats_.size() > std::numeric_limits<std::uint16_t>::max()) {
        // Formats no row uses any more are let go; a row keeps its own.
        std::vector<bool> used(static_cast<std::size_t>(formats_.size()), false);
        for (std::uint16_t id : rowFormats_) {
            used[id] = true;
        }
        QStringList kept;
        std::vector<std::uint16_t> renumbered(used.size(), 0);
        for (std::size_t id = 0; id < used.size(); ++id) {
            if (used[id]) {
                renumbered[id] = static_cast<std::uint16_t>(kept.size());
                kept.append(formats_.at(static_cast<qsizetype>(id)));
            }
        }
        for (std::uint16_t& id : rowFormats_) {
            id = renumbered[id];
        }
        formats_ = std::move(kept);
        if (formats_.size() > std::numeric_limits<std::uint16_t>::max()) {
            formats_.last() = format;  // every one in use: the newest gives way
            return static_cast<std::uint16_t>(formats_.size() - 1);
        }
    }
    formats_.append(format);
    return static_cast<std::uint16_t>(formats_.size() - 1);
}

void TracklistLineModel::refill(int count) {
    beginResetModel();
    cache_.clear();
    formats_.clear();
    rowFormats_.assign(static_cast<std::size_t>(std::max(count, 0)), 0);
    rowFormats_.shrink_to_fit();
    formats_.append(format_());
    endResetModel();
}

void TracklistLineModel::append() {
    const int row = rowCount();
    const std::uint16_t format = currentFormatId();
    beginInsertRows({}, row, row);
    rowFormats_.push_back(format);
    endInsertRows();
}

void TracklistLineModel::replace(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    rowFormats_[static_cast<std::size_t>(row)] = currentFormatId();
    cache_.remove(row);
    const QModelIndex at = index(row);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole});
}

void TracklistLineModel::removeRun(int first, int last) {
    beginRemoveRows({}, first, last);
    rowFormats_.erase(rowFormats_.begin() + first, rowFormats_.begin() + last + 1);
    endRemoveRows();
}

void TracklistLineModel::removeRows(const std::vector<int>& ascending) {
    // Runs of neighbouring rows, last run first so the earlier numbers hold.
    std::vector<std::pair<int, int>> runs;
    for (int row : ascending) {
        if (row < 0 || row >= rowCount()) {
            continue;
        }
        if (!runs.empty() && runs.back().second + 1 == row) {
            runs.back().second = row;
        } else if (runs.empty() || runs.back().second < row) {
            runs.emplace_back(row, row);
        }
    }
    if (runs.empty()) {
        return;
    }
    // The rows after the first removed one hold other entries now.
    cache_.clear();
    if (runs.size() <= kMaxRemovalRuns) {
        std::for_each(runs.rbegin(), runs.rend(),
                      [this](const auto& run) { removeRun(run.first, run.second); });
        return;
    }
    beginResetModel();
    std::size_t write = static_cast<std::size_t>(runs.front().first);
    std::size_t next = 0;
    for (std::size_t row = write; row < rowFormats_.size(); ++row) {
        if (next < runs.size() && static_cast<int>(row) >= runs[next].first) {
            if (static_cast<int>(row) == runs[next].second) {
                ++next;
            }
            continue;
        }
        rowFormats_[write++] = rowFormats_[row];
    }
    rowFormats_.resize(write);
    endResetModel();
}
