#pragma once

// The General page's values. Plain data: the settings load and save them, the
// options sheet edits them, and the track panel, the drop handling and the pop-ups
// read them at the moment of use.
struct GeneralSettings {
    static constexpr int kAutomaticCodePage = -1;

    bool scrollText = true;  // "TextScroll": scroll long text in the track panel
    // "CodePage": for tag text without a code-page marker; kAutomaticCodePage
    // lets each tag's bytes tell (the choice of a new user).
    int codePage = kAutomaticCodePage;
    bool autoplay = false;  // "Autoplay": play a dropped or command-line file at once
    int popupDelay = 10;    // "TxtDelay": how long pop-up texts stay, in 100 ms units
    // Never stored: every run starts without it.
    bool alwaysOnTop = false;
    // Written as "DispMode" on every save and never read; it means nothing, but
    // writing it keeps the stored set of values complete.
    int displayMode = 0;

    static constexpr const char* kScrollTextKey = "TextScroll";
    static constexpr const char* kCodePageKey = "CodePage";
    static constexpr const char* kAutoplayKey = "Autoplay";
    static constexpr const char* kPopupDelayKey = "TxtDelay";
    static constexpr const char* kDisplayModeKey = "DispMode";
    // The General page's range for the pop-up delay.
    static constexpr int kMinPopupDelay = 1;
    static constexpr int kMaxPopupDelay = 100;

    friend bool operator==(const GeneralSettings&, const GeneralSettings&) = default;
};
