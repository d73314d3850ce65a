// The sound module: wave files played with Qt Multimedia. One QSoundEffect per
// file, made the first time the file is played; the effect still playing is
// stopped before the next one starts.
#include "platform/qt/modules/ModuleApi.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <map>
#include <type_traits>

namespace {

struct Player {
    QSoundEffect* playing = nullptr;
    std::map<QString, QSoundEffect*> effects;
};

Player& The() {
    static Player* player = new Player; // lives until the process ends
    return *player;
}

} // namespace

extern "C" Q_DECL_EXPORT bool deduxa_sound_silent() {
    static const bool silent = QMediaDevices::audioOutputs().isEmpty();
    return silent;
}

extern "C" Q_DECL_EXPORT void deduxa_sound_play(const char* path) {
    Player& player = The();
    const QString key = QString::fromUtf8(path);
    QSoundEffect*& effect = player.effects[key];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(key));
    }
    if (player.playing && player.playing != effect)
        player.playing->stop();
    effect->stop();
    effect->play();
    player.playing = effect;
}

// The signatures are the ones the game calls.
static_assert(std::is_same_v<decltype(&deduxa_sound_silent), SoundSilentFn>);
static_assert(std::is_same_v<decltype(&deduxa_sound_play), SoundPlayFn>);
