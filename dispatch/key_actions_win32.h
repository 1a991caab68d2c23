// The keys' own actions as HKEY_LOCAL_MACHINE "Software\Corvale\Keys" holds
// them, one string value per key named by the key's name. They are read once
// and again only after the registry reports a change under the settings key,
// so a key press costs no registry read, and a changed value acts at the next
// press.
#pragma once

#include "dispatch/key_action.h"
#include "dispatch/key_names.h"
#include "driver/registry_key_watch_win32.h"

#include <array>

class CKeyActions {
public:
    CKeyActions();

    // The action stored for `key` (an entry of KeyNames).
    const KeyAction& For(const KeyName& key);

private:
    void Load();

    CRegistryKeyWatch m_watch;
    std::array<KeyAction, std::tuple_size<decltype(KeyNames)>::value> m_actions;
};
