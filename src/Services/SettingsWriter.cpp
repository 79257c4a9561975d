#include "Services/SettingsWriter.h"

SettingsWriter::SettingsWriter(QString fileName, QSettings::Format format)
    : fileName_(std::move(fileName)), format_(format), thread_([this] { run(); })
{
}

SettingsWriter::~SettingsWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void SettingsWriter::setValue(const QString& key, const QVariant& value) { hand({key, value}); }

void SettingsWriter::remove(const QString& key) { hand({key, std::nullopt}); }

void SettingsWriter::hand(Change change)
{
    {
        std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(change));
    }
    wake_.notify_one();
}

void SettingsWriter::waitUntilWritten()
{
    std::unique_lock lock(mutex_);
    written_.wait(lock, [this] { return waiting_.empty() && !writing_; });
}

void SettingsWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty())
            return; // stopping, and nothing is left to write
        std::vector<Change> batch = std::move(waiting_);
        waiting_.clear();
        writing_ = true;
        lock.unlock();
        {
            // Made here and gone before the next wait: it belongs to this thread alone.
            QSettings settings(fileName_, format_);
            for (const auto& [key, value] : batch) {
                if (value)
                    settings.setValue(key, *value);
                else
                    settings.remove(key);
            }
            settings.sync();
        }
        lock.lock();
        writing_ = false;
        written_.notify_all();
    }
}
