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

    // Answers at once, before returning.
    void pickFolder(const FolderPickerRequest& request, Picked done) override
    {
        requests.push_back(request);
        std::optional<Path> answer;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        done(answer);
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
    // One request, answered at once by the next scripted answer.
    GrantOutcome pick(FolderAccess& access, AccessScope scope, std::optional<Path> answer) const
    {
        picker->answers.push_back(std::move(answer));
        GrantOutcome outcome = GrantOutcome::cancelled();
        access.requestAccess(scope, QStringLiteral("Grant Access"), QStringLiteral("message"),
                             [&](const GrantOutcome& given) { outcome = given; });
        return outcome;
    }
    // What the manager stored, once its writer has it in the file.
    bool hasStoredKey(FolderAccess& access, AccessScope scope) const { return !storedGrant(access, scope).isNull(); }
    QByteArray storedGrant(FolderAccess& access, AccessScope scope) const
    {
        access.settingsWriter().waitUntilWritten();
        return settings()->value(QString::fromStdString(FolderAccess::settingsKey(scope))).toByteArray();
    }
};
