#pragma once
// The windows of the application that are loaded, in the order they were loaded, with their
// names (frmMain, frmCulvertSelector, ...). Kept explicitly because Qt's own list of top-level
// widgets also holds menus, tool tips and hidden helpers. A window registers when it loads and
// unregisters when it unloads; WindowRegistration does both for it.

#include <string>
#include <string_view>
#include <vector>

#include <QPointer>
#include <QWidget>

namespace sw {

class WindowRegistry {
public:
    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Appends a window; a window already registered is not added twice.
    void add(QWidget* window, std::string name);
    // Removes a window; nothing happens when it is not registered.
    void remove(const QWidget* window);

    [[nodiscard]] int count() const;
    // Name and window of entry i (0 = loaded first); empty / null when i names no entry.
    [[nodiscard]] std::string nameAt(int index) const;
    [[nodiscard]] QWidget* windowAt(int index) const;
    [[nodiscard]] bool isVisibleAt(int index) const;
    // The first window of that name, compared ignoring letter case; null when none.
    [[nodiscard]] QWidget* find(std::string_view name) const;
    // The loaded windows, first loaded first.
    [[nodiscard]] std::vector<QWidget*> windows() const;

private:
    struct Entry {
        QPointer<QWidget> window;
        const QWidget* key = nullptr;  // identity, also after the widget is gone
        std::string name;
    };
    std::vector<Entry> m_entries;
};

// Registers a window for as long as it lives, or until unregister() (an unload that happens
// before the object is destroyed, as with deleteLater).
class WindowRegistration {
public:
    WindowRegistration(WindowRegistry& registry, QWidget* window, std::string name);
    ~WindowRegistration();
    WindowRegistration(const WindowRegistration&) = delete;
    WindowRegistration& operator=(const WindowRegistration&) = delete;

    void unregister();
    [[nodiscard]] bool registered() const { return m_registered; }

private:
    WindowRegistry& m_registry;
    QWidget* m_window;
    bool m_registered = true;
};

}  // namespace sw
