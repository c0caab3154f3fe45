#include "platform/windowregistry.h"

#include <algorithm>

#include "core/text.h"

namespace sw {

void WindowRegistry::add(QWidget* window, std::string name)
{
    if (window == nullptr)
        return;
    const bool known = std::any_of(m_entries.begin(), m_entries.end(),
                                   [window](const Entry& e) { return e.key == window; });
    if (!known)
        m_entries.push_back(Entry{window, window, std::move(name)});
}

void WindowRegistry::remove(const QWidget* window)
{
    std::erase_if(m_entries, [window](const Entry& e) { return e.key == window; });
}

int WindowRegistry::count() const
{
    return static_cast<int>(m_entries.size());
}

std::string WindowRegistry::nameAt(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return m_entries[static_cast<std::size_t>(index)].name;
}

QWidget* WindowRegistry::windowAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_entries[static_cast<std::size_t>(index)].window.data();
}

bool WindowRegistry::isVisibleAt(int index) const
{
    const QWidget* w = windowAt(index);
    return w != nullptr && w->isVisible();
}

QWidget* WindowRegistry::find(std::string_view name) const
{
    for (const Entry& e : m_entries) {
        if (equalsIgnoringCase(e.name, name))
            return e.window.data();
    }
    return nullptr;
}

std::vector<QWidget*> WindowRegistry::windows() const
{
    std::vector<QWidget*> out;
    for (const Entry& e : m_entries) {
        if (e.window)
            out.push_back(e.window.data());
    }
    return out;
}

WindowRegistration::WindowRegistration(WindowRegistry& registry, QWidget* window, std::string name)
    : m_registry(registry), m_window(window)
{
    m_registry.add(window, std::move(name));
}

WindowRegistration::~WindowRegistration()
{
    unregister();
}

void WindowRegistration::unregister()
{
    if (m_registered) {
        m_registry.remove(m_window);
        m_registered = false;
    }
}

}  // namespace sw
