#pragma once
// Writes settings on a thread of its own. Qt writes a settings file whole and waits until the
// disk has it (a lock file, a flush, a rename); while other programs write a lot, that took
// 40-160 ms, which the window would spend frozen after each choice a person makes.
//
// Values are handed over at once and written in order; several handed over while a write is
// on the way go to the file together. Other settings objects of this process over the same
// file see a value once the writer has set it, and the file has it once written.

#include <QSettings>
#include <QString>
#include <QVariant>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

class SettingsWriter {
  public:
    SettingsWriter(QString fileName, QSettings::Format format);
    // Writes what is still waiting first: a choice made just before the window closes stays.
    ~SettingsWriter();
    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;

    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);
    // Returns once everything handed over so far is in the file.
    void waitUntilWritten();

  private:
    // A value to set, or none to remove the key.
    using Change = std::pair<QString, std::optional<QVariant>>;
    void hand(Change change);
    void run();

    const QString fileName_;
    const QSettings::Format format_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable written_;
    std::vector<Change> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: starts once everything it reads is made
};
