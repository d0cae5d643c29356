#pragma once

#include <QString>

// How a write or load command of a tab ended, for the window and the command line alike.
struct FileCommandOutcome {
    enum class Status { Done, Stopped, Failed };
    Status status = Status::Done;
    QString detail; // why a command stopped without a message (for the command line)
};
