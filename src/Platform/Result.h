#pragma once
// What an operating-system operation hands back: success (with its value), or the errno
// of the step that failed. The errno travels inside the result, so no caller reads the
// global errno after a call that may have overwritten it meanwhile.

#include <cerrno>
#include <optional>
#include <utility>

// A failure carrying its errno; converts to a failed Status or Result<T>.
struct Failure {
    int error;
};

// The errno the last system call left, as a failure; never "success" by accident.
inline Failure lastError() { return Failure{errno != 0 ? errno : EIO}; }

class Status {
  public:
    Status() = default; // success
    Status(Failure failure) : error_(failure.error != 0 ? failure.error : EIO) {}

    bool ok() const { return error_ == 0; }
    explicit operator bool() const { return ok(); }
    int error() const { return error_; }

  private:
    int error_ = 0;
};

// Success for a system call's return value of 0, else its errno.
inline Status statusOf(int returnValue) { return returnValue == 0 ? Status() : Status(lastError()); }

template <typename T> class Result {
  public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : error_(failure.error != 0 ? failure.error : EIO) {}
    // A failed status; a successful one carries no value and must not be used here.
    Result(Status status) : error_(status.ok() ? EIO : status.error()) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    int error() const { return error_; }
    Status status() const { return ok() ? Status() : Status(Failure{error_}); }

    T& operator*() & { return *value_; }
    const T& operator*() const& { return *value_; }
    T operator*() && { return std::move(*value_); } // by value: safe in a range-for over a temporary
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    std::optional<T> asOptional() && { return std::move(value_); }

  private:
    std::optional<T> value_;
    int error_ = 0;
};
