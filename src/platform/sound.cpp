#include "platform/sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace platform {
namespace {
std::function<void(const QString&)> handler;
}

void setSoundHandler(std::function<void(const QString&)> h) {
    handler = std::move(h);
}

void playSound(const QString& path) {
    if (handler) {
        handler(path);
        return;
    }
    if (!QFileInfo::exists(path)) {
        return;
    }
    static QSoundEffect* effect = nullptr;  // lives for the run; one fanfare at a time
    if (effect == nullptr) {
        effect = new QSoundEffect;
    }
    effect->stop();
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play();
}

}  // namespace platform
