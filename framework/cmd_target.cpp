#include "framework/cmd_target.h"

namespace framework {

const MessageEntry* MessageMap::Find(UINT message, UINT id) const {
    for (const MessageMap* map = this; map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageEntry& entry = map->entries[i];
            if (entry.message == message && entry.id == id) {
                return &entry;
            }
        }
    }
    return nullptr;
}

const MessageMap& CCmdTarget::ThisMessageMap() {
    static const MessageMap map{nullptr, nullptr, 0};
    return map;
}

const MessageMap& CCmdTarget::GetMessageMap() const {
    return ThisMessageMap();
}

bool CCmdTarget::OnCmdMsg(UINT id) {
    LRESULT ignored = 0;
    return DispatchFromMap(WM_COMMAND, id, id, 0, &ignored);
}

bool CCmdTarget::DispatchFromMap(UINT message, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const MessageEntry* entry = GetMessageMap().Find(message, id);
    if (entry == nullptr) {
        return false;
    }
    *result = entry->call(this, wParam, lParam);
    return true;
}

}  // namespace framework
