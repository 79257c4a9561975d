#include "Platform/HomeLayout.h"

#include "Platform/UserDirs.h"

HomeLayout HomeLayout::of(const Path& home, bool isAccountHome)
{
    HomeLayout layout;
    layout.home = home;
    layout.base = XdgBaseDirs::forHome(home, isAccountHome);
    layout.userDirs = userdirs::load(layout.base.config, home);
    return layout;
}

const Path* HomeLayout::userDir(const std::string& name) const
{
    const auto found = userDirs.find(name);
    return found == userDirs.end() ? nullptr : &found->second;
}
