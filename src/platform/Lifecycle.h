#pragma once

// Program lifetime: the one-copy rule and ending the program.
class Lifecycle {
public:
    virtual ~Lifecycle() = default;
    // True when another copy of the program holds the instance lock.
    virtual bool otherInstanceRunning() = 0;
    // Ends the event loop at once; no window close handler runs.
    virtual void endProgram() = 0;
};
