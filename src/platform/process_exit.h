#pragma once

// Ends the process at once.
class ProcessExit
{
public:
    virtual ~ProcessExit() = default;
    virtual void exitNow() = 0;
};

class QtProcessExit final : public ProcessExit
{
public:
    void exitNow() override;
};
