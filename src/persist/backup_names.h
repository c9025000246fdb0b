#pragma once
// The names of the versions a save replaces, kept in the backup folder: NAME-YYYYMMDD-HHMMSS.kvx
// after the design file's name and the local time of the save, with "-2", "-3" ... added when
// two saves fall in one second. The newest ten of each design file are kept.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

inline constexpr std::size_t kBackupsKept = 10;

struct BackupTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The NAME of a design file's backups: its file name less a ".kvx" of any case.
std::string backupStem(std::string_view designFileName);

// A name for a new backup that sorts after every backup already in the folder of that second.
std::string backupName(std::string_view stem, const BackupTime &when,
                       const std::vector<std::string> &existing);

// The backups of one design file among the names in the folder, oldest first.
std::vector<std::string> backupsOf(std::string_view stem, const std::vector<std::string> &names);

// The backups of one design file to remove so that only the newest `keep` remain.
std::vector<std::string> backupsToRemove(std::string_view stem,
                                         const std::vector<std::string> &names,
                                         std::size_t keep = kBackupsKept);

} // namespace kovrin
