#pragma once

#include "jukebox/options_sheet/option_page.h"

#include <QCoreApplication>

class QCheckBox;
class QComboBox;
class QSpinBox;
struct GeneralSettings;

// The General page: always on top, scrolling, autoplay, the default character
// set for tag text without a code-page marker and the pop-up delay.
class CGeneralPage : public COptionPage {
    Q_OBJECT
public:
    explicit CGeneralPage(GeneralSettings& settings, QWidget* parent = nullptr);

    QString caption() const override { return QCoreApplication::translate("Options", "General"); }
    void initPage() override;
    void okPage() override;
    void cancelPage() override;

    // The list's code pages by position: Automatic, UTF-8, BIG5, GB, SJIS, KSC,
    // ANSI (Western).
    static int CodePageAt(int position);
    // The position of a code page; one that is not listed shows as UTF-8.
    static int PositionOf(int codePage);

private:
    void charsetChosen(int position);

    GeneralSettings& settings_;
    // The code page when the sheet opened: a choice in the list reaches the
    // settings at once, and Cancel takes it back.
    int openingCodePage_ = 0;
    QCheckBox* onTop_;
    QCheckBox* scroll_;
    QCheckBox* autoplay_;
    QComboBox* charset_;
    QSpinBox* delay_;
};
