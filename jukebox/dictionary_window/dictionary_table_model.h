#pragma once

#include <QAbstractTableModel>

#include "jukebox/dictionary/dictionary_listener.h"

class DictionaryStore;

// The dictionary's rows as a table for a view, read straight from the store: the
// view asks only for the cells it paints, so 10,000 rows cost no copy and no
// widget item. The store tells the model of every change as its listener, while
// the model lives.
class DictionaryTableModel : public QAbstractTableModel, public DictionaryListener {
    Q_OBJECT
public:
    explicit DictionaryTableModel(DictionaryStore& store, QObject* parent = nullptr);
    ~DictionaryTableModel() override;

    // The header and the initial width in pixels of a column.
    static QString ColumnHeader(int column);
    static int ColumnWidth(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Only the Filename is edited in place (Rename); an empty or unchanged text
    // leaves the row as it was.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // DictionaryListener.
    void rowsAboutToBeReset() override;
    void rowsReset() override;
    void rowsAboutToBeAppended(int first, int last) override;
    void rowsAppended() override;
    void rowChanged(int row) override;
    void modifiedChanged(bool modified) override;

Q_SIGNALS:
    void modifiedStateChanged(bool modified);

private:
    DictionaryStore& store_;
};
