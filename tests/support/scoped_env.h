#pragma once
// Sets (or removes) an environment variable for the life of a scope and restores what was
// there before, so that one test's channel mapping never leaks into the next.

#include <cstdlib>
#include <optional>
#include <string>

namespace orvant::test {

class ScopedEnv {
public:
    // Sets `name` to `value`; with no value, removes it.
    explicit ScopedEnv(std::string name, std::optional<std::string> value = std::nullopt)
        : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str()))
            previous_ = old;
        if (value)
            ::setenv(name_.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ~ScopedEnv() {
        if (previous_)
            ::setenv(name_.c_str(), previous_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

} // namespace orvant::test
