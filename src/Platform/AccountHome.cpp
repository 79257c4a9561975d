#include "Platform/AccountHome.h"

#include <pwd.h>
#include <unistd.h>

Path accountHomeFolder()
{
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && entry->pw_dir[0])
        return entry->pw_dir;
    const char* login = getlogin();
    if (!login) {
        const passwd* entry = getpwuid(getuid());
        login = entry && entry->pw_name ? entry->pw_name : "user";
    }
    return std::string("/home/") + login;
}
