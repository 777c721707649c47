#include "tests/jukebox/tracklist_window/tracklist_window_fixture.h"

#include <QAction>

TracklistWindowTest::TracklistWindowTest() {
    record.selectCodePage = true;
    record.autoTranslate = true;  // the code-page markers are honoured
    wnd.setPanelObserver(&observer);
    store.setObserver(&wnd);
    wnd.resize(320, 300);
    wnd.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&wnd));
}

TracklistWindowTest::~TracklistWindowTest() {
    store.setObserver(nullptr);
}

QStringList TracklistWindowTest::shownLines() const {
    QStringList lines;
    QAbstractItemModel* model = const_cast<CTracklistWnd&>(wnd).list().model();
    for (int row = 0; row < model->rowCount(); ++row) {
        lines.append(model->data(model->index(row, 0)).toString());
    }
    return lines;
}

void TracklistWindowTest::fillEntries(const QStringList& paths) {
    appendEntries(paths);
    store.FillList();
}

void TracklistWindowTest::clickLine(int row, Qt::KeyboardModifiers modifiers) {
    QListView& list = wnd.list();
    const QModelIndex at = list.model()->index(row, 0);
    list.scrollTo(at);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualRect(at).center());
}

void TracklistWindowTest::pressInList(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&wnd.list(), key, modifiers);
}

void TracklistWindowTest::trigger(int command) {
    QAction* act = wnd.action(command);
    ASSERT_NE(act, nullptr) << command;
    act->trigger();
}
