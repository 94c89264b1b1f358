#pragma once
// The computer's search as coroutines: a part of it hands out its steps one at
// a time (co_yield) and ends with what it reports (co_return), a tactic whether
// it moved. A part awaits another (co_await), whose steps go out through it, so
// the search keeps the shape of plain calls while the caller applies each move
// between two steps.
#include <coroutine>
#include <cstddef>
#include <utility>

#include "engine/Move.h"

namespace tandrel {

struct ComputerStep {
    enum class Kind { Move, Pause } kind = Kind::Move;
    Move move;
};

namespace plan {

inline constexpr ComputerStep Pause{ComputerStep::Kind::Pause, {}};

class Steps {
public:
    struct promise_type;
    using Handle = std::coroutine_handle<promise_type>;

    struct promise_type {
        promise_type* root = this; // the outermost part: it keeps the step and the running part
        Handle running;            // the root's innermost part, the one to resume
        Handle awaiting;           // the part to go back to at the end; none for the root
        ComputerStep step;         // the root's last step
        bool result = false;

        Steps get_return_object()
        {
            running = Handle::from_promise(*this);
            return Steps(running);
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct Back {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(Handle done) noexcept
            {
                promise_type& p = done.promise();
                if (!p.awaiting) return std::noop_coroutine();
                p.root->running = p.awaiting;
                return p.awaiting;
            }
            void await_resume() noexcept {}
        };
        Back final_suspend() noexcept { return {}; }
        std::suspend_always yield_value(const ComputerStep& s) noexcept
        {
            root->step = s;
            return {};
        }
        std::suspend_always yield_value(const Move& m) noexcept
        {
            return yield_value(ComputerStep{ComputerStep::Kind::Move, m});
        }
        void return_value(bool r) noexcept { result = r; }
        void unhandled_exception() { throw; }
        // A turn starts and ends hundreds of parts: their frames come from a free list of the thread's own.
        static void* operator new(std::size_t size);
        static void operator delete(void* frame, std::size_t size) noexcept;
    };

    // A part with nothing to do, that reports at once: no frame is made.
    explicit Steps(bool result) : result_(result) {}
    Steps(Steps&& other) noexcept : handle_(std::exchange(other.handle_, {})), result_(other.result_) {}
    Steps& operator=(Steps other) noexcept
    {
        std::swap(handle_, other.handle_);
        result_ = other.result_;
        return *this;
    }
    ~Steps()
    {
        if (handle_) handle_.destroy();
    }

    // Run as the root: on to the next step; false once the part has ended.
    bool Advance()
    {
        if (!handle_ || handle_.done()) return false;
        handle_.promise().running.resume();
        return !handle_.done();
    }
    const ComputerStep& Step() const { return handle_.promise().step; }
    // What the part reported, once it has ended.
    bool Result() const { return handle_ ? handle_.promise().result : result_; }

    // Awaited by another part: runs inside it and gives what it reported.
    bool await_ready() const noexcept { return !handle_; }
    std::coroutine_handle<> await_suspend(Handle awaiting) noexcept
    {
        promise_type& p = handle_.promise();
        p.root = awaiting.promise().root;
        p.awaiting = awaiting;
        p.root->running = handle_;
        return handle_;
    }
    bool await_resume() const noexcept { return Result(); }

private:
    explicit Steps(Handle h) : handle_(h) {}
    Handle handle_;
    bool result_ = false;
};

} // namespace plan
} // namespace tandrel
