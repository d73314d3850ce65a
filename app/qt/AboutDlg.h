// CAboutDlg: the About box (template 100) with the picture "data\Deduxa.bmp",
// the texts of "data\About.dat" and the sound "data\About.wav".
#pragma once

#include "app/qt/FixedScaleDlg.h"

#include <functional>
#include <string>

class CAboutDlg : public CFixedScaleDlg {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // Loads the picture and the About data; a null path gets its message.
    void SetAboutData(const std::string* picturePath, const std::string* dataPath, bool playSound);

    std::string versionText;
    std::string yearText;
    std::string platformText;
    bool playSound = false;
    std::string soundFile; // relative to the data folder, set by the caller
    // Work to do once the box is drawn on the screen and its sound started
    // (at start-up, the main window is built then). Runs once, and not at all
    // when the box closes before its first paint.
    std::function<void()> afterFirstPaint;

protected:
    void showEvent(QShowEvent* event) override;
    // The first paint (the box is on the screen), or a hide that came first,
    // starts the sound.
    bool event(QEvent* event) override;

private:
    void UpdateTexts();
    bool m_initialised = false;
    bool m_soundPending = false;
};
