#pragma once

#include "jukebox/options_sheet/option_page.h"

#include <QCoreApplication>

class QCheckBox;
class QLineEdit;
struct TagPageSettings;

// The Tag page: the three display formats (track panel primary and alternate,
// tracklist lines) and the tag-reading switches. The MARLOW box is kept but
// not shown. "Prefer ID3v2" has MP3 files that carry both tags show their
// ID3v2 texts.
class CTagPage : public COptionPage {
    Q_OBJECT
public:
    explicit CTagPage(TagPageSettings& settings, QWidget* parent = nullptr);

    QString caption() const override { return QCoreApplication::translate("Options", "Tag"); }
    void initPage() override;
    void okPage() override;

private:
    TagPageSettings& settings_;
    QLineEdit* primary_;
    QLineEdit* alternate_;
    QLineEdit* list_;
    QCheckBox* winamp_;
    QCheckBox* autoTranslate_;
    QCheckBox* marlow_;
    QCheckBox* preferId3v2_;
};
