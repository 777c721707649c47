#include "jukebox/tracklist_window/tracklist_line_model.h"

#include <algorithm>

int TracklistLineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant TracklistLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return lines_.at(index.row());
    }
    return {};
}

void TracklistLineModel::refill(const QStringList& lines) {
    beginResetModel();
    lines_ = lines;
    endResetModel();
}

void TracklistLineModel::append(const QString& line) {
    const int row = static_cast<int>(lines_.size());
    beginInsertRows({}, row, row);
    lines_.append(line);
    endInsertRows();
}

void TracklistLineModel::replace(int row, const QString& line) {
    if (row < 0 || row >= lines_.size()) {
        return;
    }
    lines_[row] = line;
    const QModelIndex at = index(row);
    Q_EMIT dataChanged(at, at, {Qt::DisplayRole});
}

void TracklistLineModel::removeRun(int first, int last) {
    beginRemoveRows({}, first, last);
    lines_.remove(first, last - first + 1);
    endRemoveRows();
}

void TracklistLineModel::removeRows(const std::vector<int>& ascending) {
    // Runs of neighbouring rows, last run first so the earlier numbers hold.
    std::vector<std::pair<int, int>> runs;
    for (int row : ascending) {
        if (row < 0 || row >= lines_.size()) {
            continue;
        }
        if (!runs.empty() && runs.back().second + 1 == row) {
            runs.back().second = row;
        } else if (runs.empty() || runs.back().second < row) {
            runs.emplace_back(row, row);
        }
    }
    if (runs.size() <= kMaxRemovalRuns) {
        std::for_each(runs.rbegin(), runs.rend(),
                      [this](const auto& run) { removeRun(run.first, run.second); });
        return;
    }
    beginResetModel();
    QStringList kept;
    kept.reserve(lines_.size());
    std::size_t next = 0;
    for (int row = 0; row < lines_.size(); ++row) {
        if (next < runs.size() && row >= runs[next].first) {
            if (row == runs[next].second) {
                ++next;
            }
            continue;
        }
        kept.append(lines_.at(row));
    }
    lines_ = std::move(kept);
    endResetModel();
}
