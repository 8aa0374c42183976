#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace lumivox {

// The Wine prefix the game runs in, as Wine itself finds it: $WINEPREFIX,
// else .wine in the home folder.
std::string winePrefixFolder();

// Whether the folder holds a Wine prefix: Wine writes system.reg into every
// prefix it makes. Run in any other folder, Wine would quietly make one.
bool isWinePrefix(const std::string& folder);

// The Unix path of a file or folder named by a full Windows path ("C:\..."),
// found in the prefix as Wine finds it: the drive through the prefix's
// dosdevices/<x>: link, then each name as written, else the first one that
// differs from it only in the case of its letters (Latin, Greek, Cyrillic,
// full-width Latin); "." and ".." as Windows reads them, either slash as a
// separator. Names are UTF-8 on both sides. Nothing when the path has no
// drive or something on the way is not there.
std::optional<std::string> unixPathInPrefix(const std::string& prefix, std::string_view windowsPath);

}  // namespace lumivox
