#pragma once

class BatchTagTableModel;
class QTableView;
class QWidget;

// The table of the listed files as Marlowisp shows it: whole rows selected,
// several at once, columns that sort on a click (a third click returns to the
// list order), rows of one height so that only the rows shown are read.
QTableView* MakeFileTableView(BatchTagTableModel* model, QWidget* parent);
