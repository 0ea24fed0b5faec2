#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

// What the commands shown in a context menu work on while that menu exists: the row it was opened on, not
// the selection. A menu opened on another row meanwhile takes the commands over, and the first one going
// gives back nothing. When the menu that holds them goes, the commands work on their usual target again
// and `gone` runs. A menu's item runs after the menu closed and before it goes, so it still finds its
// target.
template <typename Target> class MenuTarget {
public:
    explicit MenuTarget(std::function<void()> gone) : m_gone(std::move(gone)) {}
    ~MenuTarget() { QObject::disconnect(m_watch); }
    MenuTarget(const MenuTarget&) = delete;
    MenuTarget& operator=(const MenuTarget&) = delete;

    // The commands work on `target` while `menu` exists.
    void aim(QObject* menu, Target target) {
        QObject::disconnect(m_watch);
        m_menu = menu;
        m_target = std::move(target);
        m_watch = QObject::connect(menu, &QObject::destroyed, [this] {
            m_menu = nullptr;
            m_target = Target();
            m_watch = {};
            m_gone();
        });
    }

    // The menu that holds the commands, while one does.
    QObject* menu() const { return m_menu; }
    // What they work on while a menu holds them; nothing otherwise. A target whose rows went may be pruned.
    const Target& target() const { return m_target; }
    Target& target() { return m_target; }

private:
    std::function<void()> m_gone;
    QPointer<QObject> m_menu;
    Target m_target{};
    QMetaObject::Connection m_watch;
};
