#pragma once
// The window's state over a test home, without a window: the test seeds the engine's lists
// (or scans the home) and reads the state, its lists and its presenters.

#include "Views/AccessTestSupport.h"
#include "WindowState.h"
#include "support/EngineTestAccess.h"
#include "support/Records.h"

#include <memory>

struct StateFixture : AccessFixture {
    std::unique_ptr<FolderAccess> access;
    std::unique_ptr<WindowState> view;
    int scansStarted = 0;

    // Starts (or restarts) the window over the stored settings, in the stored language unless told.
    void open(bool asksForGrants = false, const char* language = nullptr)
    {
        view.reset();
        scansStarted = 0;
        access = start(asksForGrants);
        view = std::make_unique<WindowState>(
            StorageEngine::Options{.home = home, .applications = applications, .paceCleans = false}, *access);
        if (language)
            view->setLanguageRaw(language);
        QObject::connect(&view->scanner(), &StorageEngine::isScanningChanged, [this] {
            if (view->scanner().isScanning())
                ++scansStarted;
        });
    }
    StorageEngine& engine() const { return view->scanner(); }
    ShownListAdapter& list(ShownList list) const { return view->lists().adapter(list); }
    QString text(const char* name) const
    {
        return WindowState::textTable(view->currentLanguage()).value(name).toString();
    }
};
