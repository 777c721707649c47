#pragma once

#include <QCheckBox>
#include <QCoreApplication>
#include <QString>
#include <QWidget>

// One page of the options sheet. The page object lives as long as the main
// window and edits fields that the rest of the program reads; its controls only
// carry them while the sheet is open.
//
// During one opening of the sheet, a page is initialised the first time it
// becomes the current page; only a page that was initialised takes part in OK
// or Cancel, so a page the user never looked at keeps its fields unchanged.
class COptionPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The tab's caption ("Skin", "Tag", "File extension", "General", "About").
    virtual QString caption() const = 0;
    // The sheet opens on this page or the user turned to it for the first time
    // in this opening: fill the controls from the fields.
    virtual void initPage() = 0;
    // OK: the fields from the controls.
    virtual void okPage() = 0;
    // Cancel: the fields keep (or get back) the values they had when the sheet
    // opened.
    virtual void cancelPage() {}

protected:
    // A check box of the page, named so that tests find it, with its tool tip.
    QCheckBox* namedCheckBox(const char* name, const char* text, const char* tip) {
        auto* box = new QCheckBox(QCoreApplication::translate("Options", text), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setToolTip(QCoreApplication::translate("Options", tip));
        return box;
    }
};
