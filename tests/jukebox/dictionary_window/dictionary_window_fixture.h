#pragma once

#include <QList>
#include <QTest>
#include <QUrl>
#include <functional>
#include <initializer_list>

#include "jukebox/dictionary_window/dictionary_wnd.h"
#include "jukebox/dictionary_window/tag_edit_dialog.h"
#include "tests/jukebox/dictionary/dictionary_fixture.h"

// The real dictionary window on the offscreen platform over a store whose
// default.dic lies in a temporary folder.
class DictionaryWindowTest : public DictionaryTest {
protected:
    DictionaryWindowTest();

    // Writes rows to default.dic and loads them.
    void loadRows(const QList<DictionaryEntry>& rows);
    QList<DictionaryEntry> rows() const;
    // Clicks on each row, the later ones with Ctrl, as a user picks rows.
    void pickRows(std::initializer_list<int> rows);
    void pressInList(Qt::Key key);
    // A menu item of the list's right-click menu, by its text.
    void triggerMenu(const QString& text);
    // Runs act on the tag editor once it shows; act ends it with OK or Cancel.
    void whenTagEditShows(std::function<void(CTagEditDialog&)> act);
    // Drops urls on the window; true when the window took the drop.
    bool drop(const QList<QUrl>& urls);
    // The title as the window system shows it (with the modified mark).
    QString shownTitle() const;

    CDictionaryWnd wnd{store, ui};
};
