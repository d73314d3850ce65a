// Sound output over Qt Multimedia. One QSoundEffect per wave file, made the
// first time the file is played; the effect still playing is stopped before
// the next one starts. With no audio output device nothing is created and
// every sound is silent. Qt Multimedia is first touched by the first sound,
// so start-up does not wait for the audio system.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <string>

class QSoundEffect;

namespace platform {

class CQtSound : public QObject {
    Q_OBJECT
public:
    static CQtSound& Instance();

    // Plays a file named relative to the data folder.
    void Play(const std::string& relativeName);
    // True once the audio system was found to have no output device.
    bool Silent() const { return m_silent; }

private:
    CQtSound() = default;
    bool m_checked = false;
    bool m_silent = false;
    QSoundEffect* m_playing = nullptr;
    std::map<QString, QSoundEffect*> m_effects;
};

} // namespace platform
