#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QTimer>

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
    static constexpr int kVideoLineMs = 1000;

    explicit CFilterDialog(MediaEngine& engine, QWidget* parent = nullptr);

    // Lists the current graph's filters anew.
    void RefreshFilters();
    // The line under the list with the frames of the current video shown and
    // dropped; kept up to date every second while the dialog shows.
    void RefreshVideoLine();
    QLabel& videoLine() { return videoLine_; }
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
    void showEvent(QShowEvent* event) override;
    // A page left open goes with the dialog.
    void hideEvent(QHideEvent* event) override;

private:
    void selectionChanged();

    MediaEngine& engine_;
    QListWidget list_;
    QLabel videoLine_;
    QTimer videoTimer_;
    QPushButton properties_;
    QPushButton close_;
    QPropertyAnimation fade_;
    bool fadingOut_ = false;
    QPointer<CPropertyPage> page_;
    QPointer<QWidget> keyTarget_;
};
