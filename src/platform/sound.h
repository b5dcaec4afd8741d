#pragma once
// Plays a sound file once; silent when the file or the audio device is missing.
#include <functional>

#include <QString>

namespace platform {

void playSound(const QString& path);
// Tests record the sounds instead of playing them; empty restores playing.
void setSoundHandler(std::function<void(const QString&)> handler);

}  // namespace platform
