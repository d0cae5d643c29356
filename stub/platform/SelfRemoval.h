#pragma once

namespace stub {

// Deletes the running program's own file and, with removeFolder, its folder when that is then
// empty. A Linux program may do this while it runs, so no helper script is needed.
void RemoveOwnFile(bool removeFolder);

} // namespace stub
