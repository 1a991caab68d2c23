// Stores the keys' own actions where the program reads them: one string value
// per key under HKEY_LOCAL_MACHINE "Software\Corvale\Keys", named by the key.
#pragma once

#include <string>
#include <utility>
#include <vector>

// Writes each (key name, stored text) pair; an empty text removes the key's
// value, so that the key does what it does built in. Returns one line per
// value that could not be stored, saying why; none when all were stored.
std::vector<std::string> StoreKeyActions(const std::vector<std::pair<std::string, std::string>>& values);
