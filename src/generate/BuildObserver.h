#pragma once

namespace gw::generate {

// What a run tells the window that shows its progress.  The run calls it only when more than
// one attempt was requested: before each attempt, and around the abort check after it.
class BuildObserver
{
public:
    virtual ~BuildObserver() = default;

    virtual void attemptStarting(int /*attempt*/) { }
    // The window system may handle pending events (the Abort button, repaints) here.
    virtual void processEvents() { }
    // Checked once after each attempt; the attempt just finished still counts.
    virtual bool abortRequested() { return false; }
};

} // namespace gw::generate
