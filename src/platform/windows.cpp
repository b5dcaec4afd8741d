#include "platform/windows.h"

#include <map>
#include <vector>

#include <QTimer>

namespace platform {
namespace {
std::map<QString, Windows::Factory>& factories() {
    static std::map<QString, Windows::Factory> f;
    return f;
}
std::map<QString, std::unique_ptr<Form>>& liveWindows() {
    static std::map<QString, std::unique_ptr<Form>> l;
    return l;
}
// Unloaded windows wait here until control is back in an event loop: a window may unload
// itself from inside one of its own handlers.
std::vector<std::unique_ptr<Form>>& graveyard() {
    static std::vector<std::unique_ptr<Form>> g;
    return g;
}
}  // namespace

void Windows::registerWindow(const QString& name, Factory factory) {
    factories()[name] = std::move(factory);
}

bool Windows::isRegistered(const QString& name) {
    return factories().contains(name);
}

Form* Windows::load(const QString& name) {
    if (Form* existing = find(name)) {
        return existing;
    }
    auto it = factories().find(name);
    if (it == factories().end()) {
        qFatal("No window is registered as %s", qPrintable(name));
    }
    std::unique_ptr<Form> made = it->second();
    Form* window = made.get();
    liveWindows()[name] = std::move(made);
    window->Form_Load();
    return window;
}

Form* Windows::find(const QString& name) {
    auto it = liveWindows().find(name);
    return it == liveWindows().end() ? nullptr : it->second.get();
}

Form* Windows::show(const QString& name) {
    Form* window = load(name);
    // A window whose load found it could not open (and unloaded itself) is not shown.
    if (find(name) != window) {
        return nullptr;
    }
    window->show();
    bringToFront(window);
    return window;
}

void Windows::bringToFront(QWidget* window) {
    window->raise();
    window->activateWindow();
}

void Windows::unload(Form* window) {
    if (window == nullptr) {
        return;
    }
    for (auto it = liveWindows().begin(); it != liveWindows().end(); ++it) {
        if (it->second.get() == window) {
            window->unloading_ = true;
            window->hide();
            graveyard().push_back(std::move(it->second));
            liveWindows().erase(it);
            QTimer::singleShot(0, [] { graveyard().clear(); });
            return;
        }
    }
}

void Windows::unload(const QString& name) {
    unload(find(name));
}

void Windows::unloadAll() {
    while (!liveWindows().empty()) {
        unload(liveWindows().begin()->second.get());
    }
    graveyard().clear();
}

QStringList Windows::liveNames() {
    QStringList names;
    for (const auto& [name, window] : liveWindows()) {
        names << name;
    }
    return names;
}

}  // namespace platform
