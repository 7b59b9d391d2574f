#pragma once

// Ends the program.
class ProcessExit
{
public:
    virtual ~ProcessExit() = default;
    virtual void exitNow() = 0;
};

// Leaves the event loop with exit code 0: main() returns, and everything it
// made is destroyed on the way out.
class QtProcessExit final : public ProcessExit
{
public:
    void exitNow() override;
};
