// Starts the thread that polls the key log and hands its records to the view.
#pragma once

class CLogPoller {
public:
    CLogPoller() = default;
    CLogPoller(const CLogPoller&) = delete;
    CLogPoller& operator=(const CLogPoller&) = delete;
    virtual ~CLogPoller() = default;

    // Starts the poll thread at once; false if it could not be created.
    bool Start();
};
