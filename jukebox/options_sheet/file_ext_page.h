#pragma once

#include "jukebox/options_sheet/option_page.h"

#include <QCoreApplication>

class ExtensionLists;
class QListWidget;
class UiService;

// The File extension page: the audio and video extension lists in two sorted
// list boxes. Add asks for an extension, Delete takes the selected one away;
// the lists and their files change only at OK, which writes both files in the
// boxes' order.
class CFileExtPage : public COptionPage {
    Q_OBJECT
public:
    CFileExtPage(ExtensionLists& lists, UiService& ui, QWidget* parent = nullptr);

    QString caption() const override {
        return QCoreApplication::translate("Options", "File extension");
    }
    void initPage() override;
    void okPage() override;

private:
    QWidget* listGroup(const QString& title, QListWidget* box, const char* addName,
                       const char* addTip, const char* deleteName);
    QWidget* child(const char* name) const;
    void addTo(QListWidget* box);
    void deleteFrom(QListWidget* box);

    ExtensionLists& lists_;
    UiService& ui_;
    QListWidget* audio_;
    QListWidget* video_;
};
