#pragma once

#include <QStringList>

// The system information programs looked for on PATH, in this order.
QStringList systemInfoCandidates();

// Starts the first candidate found on PATH, detached from this program (its own session, no
// standard streams). False when none is found or it could not be started.
bool StartSysInfo();
