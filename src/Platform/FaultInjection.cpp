#include "Platform/FaultInjection.h"

#include <atomic>

namespace fault {
namespace {
std::atomic<bool> installed{false};
Hook& currentHook()
{
    static Hook hook;
    return hook;
}
} // namespace

int check(Op op, std::string_view path)
{
    if (!installed.load(std::memory_order_acquire))
        return 0;
    return currentHook() ? currentHook()(op, path) : 0;
}

ScopedHook::ScopedHook(Hook hook)
{
    currentHook() = std::move(hook);
    installed.store(true, std::memory_order_release);
}

ScopedHook::~ScopedHook()
{
    installed.store(false, std::memory_order_release);
    currentHook() = nullptr;
}

} // namespace fault
