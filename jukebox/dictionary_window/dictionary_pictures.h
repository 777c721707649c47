#pragma once

#include <QIcon>

// The dictionary window's two button pictures, drawn in code: a disk for Save
// and a cross for Close, 16 x 16.
class DictionaryPictures {
public:
    static constexpr int kSize = 16;

    static QIcon SaveImage();
    static QIcon CloseImage();
};
