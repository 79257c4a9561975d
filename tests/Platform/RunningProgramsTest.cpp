// Which programs run, as /proc tells: a real child process is found by its short name
// and by its argv[0]; sandboxed apps by their control groups.
#include "Platform/RunningPrograms.h"

#include "support/NamedProcess.h"

#include <gtest/gtest.h>

TEST(RunningPrograms, FindsARealProcessByItsNamesAndForgetsItWhenItEnds)
{
    {
        const NamedProcess child("QmProbeSlack");
        const NamedProcess wrapped(nullptr, "/opt/Probe App/qm-probe-wrapper");
        const auto running = RunningPrograms::read();
        EXPECT_TRUE(running.isRunning("QmProbeSlack"));
        EXPECT_TRUE(running.isRunning("qmprobeslack")); // letter case does not matter
        EXPECT_TRUE(running.isRunning("qm-probe-wrapper"));
        EXPECT_FALSE(running.isRunning("QmProbe"));
    }
    EXPECT_FALSE(RunningPrograms::read().isRunning("QmProbeSlack"));
    EXPECT_FALSE(RunningPrograms::read("/var/tmp/quillmere-no-such-proc").isRunning("sh"));
}

TEST(RunningPrograms, ReadsExecutablesAndFlatpakGroups)
{
    RunningPrograms running;
    running.addProcess("signal-desktop\n", "/opt/Signal/signal-desktop (deleted)",
                       std::string_view("/opt/Signal/signal-desktop\0--no-sandbox\0", 40), "");
    running.addProcess("Discord\n", "/usr/share/discord/Discord", std::string_view("/usr/bin/discord --start\0", 25),
                       "0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                       "app-flatpak-com.discordapp.Discord-4242.scope\n");
    running.addProcess("firefox\n", "", "",
                       "0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                       "snap.firefox.firefox-2c6b5d1e.scope\n");
    running.addProcess("gnome-shell\n", "", "", "0::/user.slice/app-flatpak-broken.scope\n1:name=x:/snap\n");

    EXPECT_TRUE(running.isRunning("signal-desktop"));
    EXPECT_TRUE(running.isRunning("discord")); // argv[0] of a command line written as one string
    EXPECT_FALSE(running.isRunning("--no-sandbox"));
    EXPECT_TRUE(running.isFlatpakAppRunning("com.discordapp.Discord"));
    EXPECT_TRUE(running.isSnapRunning("firefox"));
    EXPECT_FALSE(running.isFlatpakAppRunning("broken"));
    EXPECT_FALSE(running.isSnapRunning(""));
}
