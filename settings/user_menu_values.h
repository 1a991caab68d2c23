// Which stored value each user-menu command reads.
#pragma once

// The settings value ("CompanyName", "ShortCut1Path", ...) or shell folder
// value ("Personal", "Favorites", "My Pictures") of a user-menu command;
// null for any other command.
const char* UserMenuValueName(unsigned commandId);
