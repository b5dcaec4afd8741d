#pragma once
// The window model: one live instance per window name, made on first use and destroyed by
// unload; the next use makes a fresh one. Subsystems register a factory per window name.
#include <functional>
#include <memory>

#include <QString>
#include <QStringList>

#include "platform/form.h"

namespace platform {

class Windows {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    // Registers (or replaces) the factory of a window name.
    static void registerWindow(const QString& name, Factory factory);
    template <class T>
    static void registerWindow(const QString& name) {
        registerWindow(name, [] { return std::make_unique<T>(); });
    }
    static bool isRegistered(const QString& name);

    // The live window of that name, loading it (and running its Form_Load) when there is none.
    static Form* load(const QString& name);
    template <class T>
    static T* get(const QString& name) {
        return dynamic_cast<T*>(load(name));
    }
    // The live window of that name, or nullptr.
    static Form* find(const QString& name);
    template <class T>
    static T* live(const QString& name) {
        return dynamic_cast<T*>(find(name));
    }
    // Loads the window, shows it (not modally) and brings it to the front; nullptr when the
    // window unloaded itself while it loaded.
    static Form* show(const QString& name);
    static void bringToFront(QWidget* window);
    // Hides and destroys the window; a later load makes a fresh one.
    static void unload(Form* window);
    static void unload(const QString& name);
    static void unloadAll();
    static QStringList liveNames();
};

}  // namespace platform
