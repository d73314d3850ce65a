#include "platform/qt/QtSound.h"

#include "platform/DataPath.h"
#include "platform/FileReplace.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

CQtSound& CQtSound::Instance() {
    static CQtSound* sound = new CQtSound; // lives until the process ends
    return *sound;
}

void CQtSound::Play(const std::string& relativeName) {
    if (!m_checked) {
        m_checked = true;
        m_silent = QMediaDevices::audioOutputs().isEmpty();
    }
    if (m_silent)
        return;
    std::string path = RealPath(relativeName);
    if (!FileExists(path))
        return;
    QString key = QString::fromStdString(path);
    QSoundEffect*& effect = m_effects[key];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(key));
    }
    if (m_playing && m_playing != effect)
        m_playing->stop();
    effect->stop();
    effect->play();
    m_playing = effect;
}

} // namespace platform
