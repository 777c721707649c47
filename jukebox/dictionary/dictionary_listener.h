#pragma once

// Told about every change of the dictionary's rows, before and after, so that a
// list model over the store can follow it.
class DictionaryListener {
public:
    virtual ~DictionaryListener() = default;
    // Every row may change (load, delete).
    virtual void rowsAboutToBeReset() {}
    virtual void rowsReset() {}
    // Rows first..last are about to be appended at the end.
    virtual void rowsAboutToBeAppended(int /*first*/, int /*last*/) {}
    virtual void rowsAppended() {}
    // One or more texts of row changed.
    virtual void rowChanged(int /*row*/) {}
    // The rows now differ from the file (true), or match it again after a load
    // or a save (false).
    virtual void modifiedChanged(bool /*modified*/) {}
};
