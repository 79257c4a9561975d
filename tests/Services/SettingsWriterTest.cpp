#include "Services/SettingsWriter.h"

#include "support/TempHome.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

QVariant stored(const QString& file, const char* key) { return QSettings(file, QSettings::IniFormat).value(key); }

// Values reach the file in the order they were handed over, beside what others wrote there,
// once waited for and at the latest when the writer goes.
TEST(SettingsWriter, WritesAndRemovesInOrderKeepsOtherKeysAndLosesNothingOnClose)
{
    TempHome home;
    const QString file = QString::fromStdString(home.at("settings.ini"));
    {
        QSettings others(file, QSettings::IniFormat);
        others.setValue("grant", "kept");
        others.setValue("stale", "dropped");
    }
    {
        SettingsWriter writer(file, QSettings::IniFormat);
        writer.setValue("language", "ja");
        writer.setValue("language", "ar");
        writer.setValue("appearance", "dawn");
        writer.waitUntilWritten();
        EXPECT_EQ(stored(file, "language"), "ar");
        EXPECT_EQ(stored(file, "appearance"), "dawn");
        EXPECT_EQ(stored(file, "grant"), "kept");
        for (int i = 0; i < 50; ++i) // handed over faster than they are written
            writer.setValue("language", QString::number(i));
        writer.remove("stale");
        writer.setValue("appearance", "obsidian"); // set, then removed in the same batch
        writer.remove("appearance");
    }
    EXPECT_EQ(stored(file, "language"), "49");
    EXPECT_FALSE(stored(file, "stale").isValid());
    EXPECT_FALSE(stored(file, "appearance").isValid());
    EXPECT_EQ(stored(file, "grant"), "kept");
}

} // namespace
