#pragma once

#include <QByteArray>

#include <string_view>

namespace twindle {

class SoundCall;

// What the windows play, on its way to the sound call: the built-in sounds by their names, with
// the flags the game gives, and words said in passing, which never hold the game up and which the
// next sound cuts short.
class GameAudio {
public:
    explicit GameAudio(SoundCall& call);

    // A built-in sound ("LOON", "PARTY" or "BIMBLO"); see toolkit/sound_flags.h for the flags.
    void playSound(std::string_view name, int flags);

    // A whole RIFF WAVE image of a word: it starts and the call returns at once.
    void say(const QByteArray& word);

    // How loud words and sounds play, 0 to 1; both 1 until changed.
    void setVolumes(float voice, float sounds);

private:
    SoundCall& m_call;
    float m_voiceVolume = 1;
    float m_soundVolume = 1;
};

} // namespace twindle
