#pragma once

#include <QString>

#include <functional>

// How a write or load command of a tab ended, for the window and the command line alike.
struct FileCommandOutcome {
    enum class Status { Done, Stopped, Failed };
    Status status = Status::Done;
    QString detail; // why a command stopped without a message (for the command line)
};

// Asks for the file a command writes or reads: "" when the clerk cancels.
using PathChooser = std::function<QString()>;
