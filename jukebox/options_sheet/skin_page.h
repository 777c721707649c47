#pragma once

#include <QString>

#include "jukebox/options_sheet/option_page.h"

class QLabel;
class QListWidget;
class QPushButton;
class SkinList;

// The Skin page: the installed skins by name, and the designer, version and
// description of the one selected. Selecting only shows; "Load" asks for the
// selected skin at once, and OK asks for it when it is not the skin in use
// (nor the one "Load" already asked for). Whoever owns the skins and the main
// window carries the request out (skinChosen), so the page holds no loading.
class CSkinPage : public COptionPage {
    Q_OBJECT
public:
    // Control ids of the page, as the rest of the program names them.
    static constexpr int kDescriptionId = 1170;
    static constexpr int kDesignerId = 1171;
    static constexpr int kVersionId = 1172;
    static constexpr int kListId = 1173;
    static constexpr int kLoadId = 1174;

    // skins: the program's skin list, rescanned from workFolder/skins each time
    // the page opens.
    CSkinPage(SkinList& skins, QString workFolder, QWidget* parent = nullptr);

    QString caption() const override;
    void initPage() override;
    void okPage() override;

    QListWidget* listBox() const { return list_; }
    QPushButton* loadButton() const { return load_; }
    QLabel* designerLabel() const { return designer_; }
    QLabel* versionLabel() const { return version_; }
    QLabel* descriptionLabel() const { return description_; }

Q_SIGNALS:
    // Load the skin at index of the skin list and make it the current one.
    void skinChosen(int index);

private:
    void buildControls();
    void showDetails(int row);
    void loadSelected();

    SkinList& skins_;
    QString workFolder_;
    QListWidget* list_;
    QPushButton* load_;
    QLabel* designer_;
    QLabel* version_;
    QLabel* description_;
    int requested_ = -1;  // the skin in use or last asked for in this opening
};
