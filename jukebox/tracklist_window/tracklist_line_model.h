#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

// The list's lines as a model for a list view. A line is formatted when the view
// asks for it (only the rows it paints) and kept while it stays in view, so a
// list of 100,000 entries holds no text per entry. Each row remembers the format
// it was built with: a changed list format reaches a line only when the line is
// built again (added, rescanned, or all of them at a refill).
class TracklistLineModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Beyond this many separate runs a removal resets the model: one reset is
    // cheaper than thousands of row notifications.
    static constexpr int kMaxRemovalRuns = 64;
    // Formatted lines kept at most; a view shows a few dozen at a time.
    static constexpr int kCachedLines = 512;

    // line(row, format) is the entry at row in that format; format() the list
    // format of the moment.
    using LineSource = std::function<QString(int row, const QString& format)>;
    using FormatSource = std::function<QString()>;
    TracklistLineModel(LineSource line, FormatSource format, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // count rows, all in the format of the moment.
    void refill(int count);
    void append();
    // The row was built again, in the format of the moment.
    void replace(int row);
    // ascending: the rows to remove, as numbered before the removal.
    void removeRows(const std::vector<int>& ascending);
    // The text shown at row.
    QString line(int row) const;

private:
    void removeRun(int first, int last);
    std::uint16_t currentFormatId();

    LineSource line_;
    FormatSource format_;
    // Per row, the index of its format in formats_.
    std::vector<std::uint16_t> rowFormats_;
    QStringList formats_;
    mutable QHash<int, QString> cache_;
};
