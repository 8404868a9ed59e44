#pragma once
// The menu commands of the workbench by their handler names ("Velocity1Click"), and the rule
// that only one of them runs at a time. Each feature group registers its handlers in one
// explicit call at start-up; the main window routes every menu item and toolbar button here.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvant {

class Operator;

class CommandRegistry {
public:
    using Handler = std::function<void()>;

    explicit CommandRegistry(Operator& op);

    // Adds a handler under its menu handler name; a name can be registered once only
    // (a second registration is a wiring fault and throws std::logic_error).
    void Register(const std::string& name, Handler handler);
    bool Contains(const std::string& name) const;
    std::vector<std::string> Names() const;

    // Runs the named handler unless another command is running: then the operator hears the
    // default beep and nothing runs. False when it did not run (busy or not registered).
    bool Run(const std::string& name);
    // The same rule for work that is not a registered handler (a main-window slot, the
    // serial setup at start-up).
    bool RunExclusive(const std::function<void()>& work);

    // True while a command runs (its dialogs, its waits, its serial setup).
    bool Busy() const { return depth_ > 0; }

private:
    class Hold {
    public:
        explicit Hold(int& depth) : depth_(depth) { ++depth_; }
        ~Hold() { --depth_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        int& depth_;
    };

    Operator& op_;
    std::map<std::string, Handler> handlers_;
    int depth_ = 0;
};

} // namespace orvant
