#pragma once
// A scripted folder picker and settings kept in a file inside a test home, so folder-access
// and window tests never touch the person's own settings or show a dialog.

#include "Platform/DesktopSeams.h"
#include "Services/FolderAccess.h"
#include "support/TempHome.h"

#include <QSettings>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class ScriptedPicker : public FolderPicker {
  public:
    // Each request takes the next answer; none (or running out) is a cancel.
    std::deque<std::optional<Path>> answers;
    std::vector<FolderPickerRequest> requests;

    std::optional<Path> pickFolder(const FolderPickerRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// One machine as the access manager sees it: a home at <root>/Users/demo, an Applications
// folder at <root>/Applications and the settings file, all inside a temporary folder.
struct AccessFixture {
    TempHome root;
    std::string home = root.mkdir("Users/demo");
    std::string applications = root.mkdir("Applications");
    std::shared_ptr<ScriptedPicker> picker = std::make_shared<ScriptedPicker>();
    QString settingsFile = QString::fromStdString(root.at("settings.ini"));

    std::shared_ptr<QSettings> settings() const
    {
        return std::make_shared<QSettings>(settingsFile, QSettings::IniFormat);
    }
    // A new manager over the same stored settings, as after a restart.
    std::unique_ptr<FolderAccess> start(bool asksForGrants = true) const
    {
        return std::make_unique<FolderAccess>(
            FolderAccess::Environment{settings(), picker, home, applications, asksForGrants, {}});
    }
    bool hasStoredKey(AccessScope scope) const
    {
        return settings()->contains(QString::fromStdString(FolderAccess::settingsKey(scope)));
    }
};
