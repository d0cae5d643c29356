#pragma once

#include <string>

namespace stub {

// The path of the running program's file.
std::string OwnProgramPath();

// Deletes a program's file and, with removeFolder, its folder when that is then empty. A Linux
// program may delete its own file while it runs, so no helper script is needed.
void RemoveProgramFile(const std::string& programPath, bool removeFolder);

} // namespace stub
