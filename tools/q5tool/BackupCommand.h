/*
 * q5tool settings --export FILE / --import FILE: the three stored values in
 * one backup file (see model/SettingsBackup.h).
 *
 * With --settings/--names/--macros the values are those files (export reads
 * them, import writes only the given ones); without them, on Windows, the
 * values under HKEY_LOCAL_MACHINE\Software\Korvo\Fingrel\Q5 in the registry.
 * A value missing at export, or not of its image's size, is left out and
 * said so. Import checks the whole file before it writes anything.
 */
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace q5::tool {

struct BackupOptions {
    std::string exportPath;
    std::string importPath;
    // Value name (UTF-8) and file, for the file mode.
    std::vector<std::pair<std::string, std::string>> storedFiles;
};

int RunBackup(const BackupOptions& options);

}  // namespace q5::tool
