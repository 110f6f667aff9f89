#pragma once

namespace twindle {

// How a sound call plays its sound. With neither flag the call returns when the sound has played
// to its end, cutting off any sound still playing.
constexpr int kSoundAsync = 1;     // return as soon as the sound has started
constexpr int kSoundNoStop = 16;   // while another sound plays, skip this one
constexpr int kSoundMayBeCut = 32;  // a word said in passing: no later sound yields to it

} // namespace twindle
