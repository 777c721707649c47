#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

// The list's lines, one formatted text per entry, as a model for a list view:
// the view asks only for the lines it paints, so a list of 100,000 entries
// costs one string each and no widget item.
class TracklistLineModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Beyond this many separate runs a removal resets the model: one reset is
    // cheaper than thousands of row notifications.
    static constexpr int kMaxRemovalRuns = 64;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void refill(const QStringList& lines);
    void append(const QString& line);
    void replace(int row, const QString& line);
    // ascending: the rows to remove, as numbered before the removal.
    void removeRows(const std::vector<int>& ascending);
    const QStringList& lines() const { return lines_; }

private:
    void removeRun(int first, int last);

    QStringList lines_;
};
