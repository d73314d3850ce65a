#include "app/qt/AboutDlg.h"

#include "app/GameFlow.h"
#include "app/Texts.h"
#include "app/qt/PictureSeam.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "resources/dialogs/Dlg100.h"

#include <QApplication>
#include <QTimer>
#include <utility>

CAboutDlg::CAboutDlg(QWidget* parent)
    : CFixedScaleDlg(resources::kDlg100, parent), versionText(texts::kAboutVersion),
      yearText(texts::kAboutYear), platformText(texts::kAboutPlatform) {
    ReplaceControl(1036, shell::MakePictureControl(this));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    UpdateTexts();
}

void CAboutDlg::SetAboutData(const std::string* picturePath, const std::string* dataPath,
                             bool sound) {
    if (picturePath)
        shell::LoadPictureControl(Control(1036), *picturePath);
    else
        platform::MessageBox(texts::kNoImagePath);
    playSound = sound;
    if (dataPath) {
        gameflow::AboutData data{platformText, yearText, versionText};
        if (gameflow::ReadAboutData(*dataPath, data)) {
            platformText = data.platformText;
            yearText = data.yearText;
            versionText = data.versionText;
        } else {
            platform::MessageBox(texts::kMissingAboutData);
        }
    } else {
        platform::MessageBox(texts::kNoDataPath);
    }
    UpdateTexts();
}

void CAboutDlg::UpdateTexts() {
    SetItemText(1047, QString::fromStdString(versionText));
    SetItemText(1002, QString::fromStdString(yearText));
    SetItemText(1000, QString::fromStdString(platformText));
}

void CAboutDlg::showEvent(QShowEvent* event) {
    CFixedScaleDlg::showEvent(event);
    if (m_initialised)
        return;
    m_initialised = true;
    CenterWindow();
    // The sound starts once the box is on screen: the audio system is only
    // woken by the first sound (loading it takes a while), and the box does
    // not wait for it.
    m_soundPending = playSound && !soundFile.empty();
}

bool CAboutDlg::event(QEvent* event) {
    const bool result = CFixedScaleDlg::event(event);
    if (m_soundPending && (event->type() == QEvent::Paint || event->type() == QEvent::Hide)) {
        m_soundPending = false;
        QTimer::singleShot(0, qApp, [file = soundFile] { platform::PlaySound(file); });
    }
    if (afterFirstPaint && event->type() == QEvent::Paint)
        QTimer::singleShot(0, qApp, std::exchange(afterFirstPaint, {}));
    return result;
}
