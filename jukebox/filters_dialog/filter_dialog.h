#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <QPropertyAnimation>
#include <QPushButton>

#include "jukebox/filters_dialog/property_page.h"

class MediaEngine;

// The filters of the playing graph, listed after each successful open, and a
// property page for the one selected. Modeless, created hidden, and shown or
// hidden with a fade; it reaches the graph only through the engine, so a list
// left from a released graph finds nothing and does nothing.
class CFilterDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFadeMs = 200;

    explicit CFilterDialog(MediaEngine& engine, QWidget* parent = nullptr);

    // Lists the current graph's filters anew.
    void RefreshFilters();
    // Fades in when hidden, else fades out; true when now shown.
    bool Toggle();
    // Ends a running fade at once.
    void FinishFade();
    // Opens the page of the selected filter, modal to this dialog; nothing when
    // no filter of that name is in the graph.
    void ShowFilterProperties();
    // Where keys this dialog does not use go (the main window's commands).
    void setKeyTarget(QWidget* target) { keyTarget_ = target; }

    QListWidget& list() { return list_; }
    QPushButton& propertiesButton() { return properties_; }
    // The page opened last, while it is open.
    CPropertyPage* page() const { return page_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // A page left open goes with the dialog.
    void hideEvent(QHideEvent* event) override;

private:
    void selectionChanged();

    MediaEngine& engine_;
    QListWidget list_;
    QPushButton properties_;
    QPushButton close_;
    QPropertyAnimation fade_;
    bool fadingOut_ = false;
    QPointer<CPropertyPage> page_;
    QPointer<QWidget> keyTarget_;
};
