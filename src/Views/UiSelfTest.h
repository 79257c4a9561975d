#pragma once
// The scripted walk of --ui-self-test: every workspace, the media previews, the twelve
// languages and both appearance modes, driven only through the window's own state, with
// pauses that let the window render in between. Prints its progress to standard output.

#include <QString>

#include <functional>

class WindowState;

class UiSelfTest {
  public:
    // Called after each step (and each language) with a short name, e.g. for screenshots.
    using StepHook = std::function<void(const QString& name)>;

    UiSelfTest(WindowState& view, StepHook afterStep = {});
    // Runs the whole walk; returns when it is done (the caller ends the process).
    void run();

  private:
    void say(const std::string& line);
    void pause(int milliseconds);
    void waitForScan();
    void step(const QString& name);
    // One walk per workspace, then the languages and appearance modes.
    void walkSafeCaches();
    void walkDevAndDuplicates();
    void walkLargeMedia();
    void walkAppSlimming();
    void walkLanguagesAndAppearance();
    // For pictures only: every workspace in the languages of four scripts, in both modes.
    void showEveryWorkspaceInEachScript();

    WindowState& view_;
    StepHook afterStep_;
};
