#include "tests/jukebox/dictionary_window/dictionary_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMimeData>
#include <QTimer>
#include <QWindow>

DictionaryWindowTest::DictionaryWindowTest() {
    wnd.resize(640, 300);
    wnd.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&wnd));
}

void DictionaryWindowTest::loadRows(const QList<DictionaryEntry>& rows) {
    QStringList lines;
    for (const DictionaryEntry& row : rows) {
        lines << row.filename << row.display << row.artist << row.genre << row.date << row.source
              << row.comment;
    }
    writeFileBytes(dir / "default.dic", dicBytes(lines));
    ASSERT_TRUE(store.LoadDictionary());
}

QList<DictionaryEntry> DictionaryWindowTest::rows() const {
    QList<DictionaryEntry> all;
    for (int row = 0; row < store.rowCount(); ++row) {
        all.append(store.rowAt(row));
    }
    return all;
}

void DictionaryWindowTest::pickRows(std::initializer_list<int> rows) {
    QTableView& list = wnd.list();
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (int row : rows) {
        const QModelIndex at = list.model()->index(row, ColumnDisplay);
        list.scrollTo(at);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualRect(at).center());
        modifiers = Qt::ControlModifier;
    }
}

void DictionaryWindowTest::pressInList(Qt::Key key) {
    QTest::keyClick(&wnd.list(), key);
}

void DictionaryWindowTest::triggerMenu(const QString& text) {
    for (QAction* act : wnd.contextMenu().actions()) {
        if (act->text() == text) {
            act->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
}

void DictionaryWindowTest::whenTagEditShows(std::function<void(CTagEditDialog&)> act) {
    // The timer goes with the window, so a dialog that never shows leaves no
    // action behind for a later test.
    auto* timer = new QTimer(&wnd);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        timer->deleteLater();
        auto* dialog = qobject_cast<CTagEditDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the tag editor did not show";
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    timer->start(0);
}

bool DictionaryWindowTest::drop(const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPointF at = QRectF(wnd.rect()).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&wnd, &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    dropped.ignore();
    QCoreApplication::sendEvent(&wnd, &dropped);
    return dropped.isAccepted();
}

QString DictionaryWindowTest::shownTitle() const {
    return wnd.windowHandle()->title();
}
