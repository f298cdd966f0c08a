// The constants that tie this build to the game and to the one item it installs.
#pragma once

#include "Registry.h"
#include "resource.h"

namespace ItemPackage {

constexpr const char* kGameKey = "SOFTWARE\\KORVANE\\QUV6";
constexpr const char* kInstallPathValue = "InstallPath";
constexpr const char* kGameMutexName = "ExclusiveInstance_Quv6";
constexpr const char* kItemMutexName = "ExclusiveInstance_Quv6_Magazine_Item";
constexpr const char* kExeName = "quv6.exe";
constexpr const char* kBackupSuffix = ".tmp";
// An installed executable with a lower "FileVersion" is replaced.
constexpr const char* kRequiredVersion = "1, 0, 0, 7";
constexpr const char* kPayloadType = "FILES";
constexpr unsigned kPayloadId = IDR_PAYLOAD;
constexpr unsigned kItemNameId = IDS_ITEM_NAME;
constexpr unsigned kDungeonNameId = IDS_DUNGEON_NAME;
constexpr unsigned kFlagSlot = 8;

inline const char* FlagValueName() { return FlagValueNames[kFlagSlot]; }

}  // namespace ItemPackage
