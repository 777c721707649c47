#include "jukebox/dictionary_window/dictionary_table_model.h"

#include <QCoreApplication>
#include <array>

#include "jukebox/dictionary/dictionary_store.h"

namespace {

struct ColumnLook {
    const char* header;
    int width;
};

constexpr std::array<ColumnLook, DictionaryColumnCount> kColumns{{
    {QT_TRANSLATE_NOOP("CDictionaryWnd", "Filename"), 125},
    {QT_TRANSLATE_NOOP("CDictionaryWnd", "Display"), 125},
    {QT_TRANSLATE_NOOP("CDictionaryWnd", "Artist"), 100},
    {QT_TRANSLATE_NOOP("CDictionaryWnd", "Source"), 75},
    {QT_TRANSLATE_NOOP("CDictionaryWnd", "Genre"), 60},
    {QT_TRANSLATE_NOOP("CDictionaryWnd", "Date"), 60},
    {QT_TRANSLATE_NOOP("CDictionaryWnd", "Comment"), 100},
}};

bool validColumn(int column) {
    return column >= 0 && column < DictionaryColumnCount;
}

}  // namespace

DictionaryTableModel::DictionaryTableModel(DictionaryStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {
    store_.setListener(this);
}

DictionaryTableModel::~DictionaryTableModel() {
    store_.setListener(nullptr);
}

QString DictionaryTableModel::ColumnHeader(int column) {
    return validColumn(column)
               ? QCoreApplication::translate("CDictionaryWnd",
                                             kColumns[static_cast<std::size_t>(column)].header)
               : QString();
}

int DictionaryTableModel::ColumnWidth(int column) {
    return validColumn(column) ? kColumns[static_cast<std::size_t>(column)].width : 0;
}

int DictionaryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : store_.rowCount();
}

int DictionaryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DictionaryColumnCount;
}

QVariant DictionaryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= store_.rowCount() || !validColumn(index.column())) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return store_.rowAt(index.row()).text(index.column());
    }
    return {};
}

QVariant DictionaryTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return ColumnHeader(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DictionaryTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ColumnFilename) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

bool DictionaryTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != ColumnFilename) {
        return false;
    }
    const QString text = value.toString();
    // An emptied label is taken as a rename given up: a row without a name
    // would match every path that ends in a separator.
    if (text.isEmpty()) {
        return false;
    }
    return store_.renameRow(index.row(), text);
}

void DictionaryTableModel::rowsAboutToBeReset() {
    beginResetModel();
}

void DictionaryTableModel::rowsReset() {
    endResetModel();
}

void DictionaryTableModel::rowsAboutToBeAppended(int first, int last) {
    beginInsertRows({}, first, last);
}

void DictionaryTableModel::rowsAppended() {
    endInsertRows();
}

void DictionaryTableModel::rowChanged(int row) {
    Q_EMIT dataChanged(index(row, 0), index(row, DictionaryColumnCount - 1), {Qt::DisplayRole});
}

void DictionaryTableModel::modifiedChanged(bool modified) {
    Q_EMIT modifiedStateChanged(modified);
}
