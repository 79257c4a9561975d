#pragma once
// Sets one environment variable for the lifetime of the object and puts back what was
// there before (including "unset"). `afterChange` runs after each change, for settings
// the C library caches (tzset for TZ).

#include <cstdlib>
#include <optional>
#include <string>

class ScopedEnvironment {
  public:
    ScopedEnvironment(std::string name, const std::string& value, void (*afterChange)() = nullptr)
        : name_(std::move(name)), afterChange_(afterChange)
    {
        if (const char* old = std::getenv(name_.c_str()))
            previous_ = old;
        setenv(name_.c_str(), value.c_str(), 1);
        if (afterChange_)
            afterChange_();
    }
    ~ScopedEnvironment()
    {
        if (previous_)
            setenv(name_.c_str(), previous_->c_str(), 1);
        else
            unsetenv(name_.c_str());
        if (afterChange_)
            afterChange_();
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    void (*afterChange_)();
    std::optional<std::string> previous_;
};
