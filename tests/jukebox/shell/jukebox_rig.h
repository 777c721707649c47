#pragma once

#include <QMouseEvent>
#include <QString>
#include <filesystem>
#include <memory>

#include "jukebox/shell/command_line.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "tests/support/recording_ui_service.h"
#include "tests/support/temp_dir.h"

// The whole jukebox on the offscreen platform, in a working folder of its own
// that starts as scripts/run prepares one (the extension lists, the shipped
// skins, an empty tracklist and dictionary) and that is the current folder
// while the rig lives. Messages are recorded, never shown.
class JukeboxRig {
public:
    // clearSettings: start from an empty settings file.
    explicit JukeboxRig(bool clearSettings = true);
    ~JukeboxRig();
    JukeboxRig(const JukeboxRig&) = delete;
    JukeboxRig& operator=(const JukeboxRig&) = delete;

    // Starts the program and waits until its start-up step has run.
    void start(const CommandLine& commandLine = {});
    // Only InitInstance: the start-up step is still to come.
    void startWithoutStep(const CommandLine& commandLine = {});
    bool waitForStep();
    // The program started anew in the same folder, as the next run (close the
    // running one first).
    void restart(const CommandLine& commandLine = {});
    // A left click on a control of the face, as the user gives it.
    void click(int controlId);
    // Closes with the close control and waits for the close sequence.
    bool closeWithControl();

    // Mouse events on the face as the platform delivers them: the point in the
    // face and the cursor on the screen.
    void mouse(QEvent::Type type, QPoint facePoint, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons buttons);
    // Files and folders dropped on the face.
    void drop(const QStringList& paths);

    CVelorineApp& app() { return *app_; }
    CVelorineWnd& window() { return app_->window(); }
    const std::filesystem::path& folder() const { return dir_.path(); }
    QString path(const char* name) const;

    static QString settingsFile();

    RecordingUiService ui;

private:
    TempDir dir_;
    QString previousFolder_;
    std::unique_ptr<CVelorineApp> app_;
};

// A copy of a test media file into folder under name.
QString copyMedia(const QString& source, const std::filesystem::path& folder, const char* name);
