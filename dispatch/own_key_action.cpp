// A key's own action in place of its built-in one: the key's picture first,
// as the built-in action shows it, then the program, chord or text the user
// chose; a key set to nothing shows nothing either.
#include "app/tamber_view.h"
#include "dispatch/key_chord.h"
#include "dispatch/key_names.h"
#include "dispatch/text_encoding_win32.h"
#include "dispatch/win32_desktop.h"
#include "framework/diagnostics.h"
#include "settings/launch_shortcut_win32.h"

namespace {

const char* KindName(KeyActionKind kind) {
    switch (kind) {
        case KeyActionKind::kNothing:
            return "nothing";
        case KeyActionKind::kRun:
            return "run";
        case KeyActionKind::kKeys:
            return "keys";
        case KeyActionKind::kText:
            return "text";
        case KeyActionKind::kBuiltIn:
            break;
    }
    return "built in";
}

}  // namespace

bool CTamberView::RunOwnKeyAction(std::uint8_t command) {
    const KeyName* key = KeyNameForCode(command);
    if (key == nullptr) {
        return false;
    }
    const KeyAction& action = m_keyActions.For(*key);
    if (action.kind == KeyActionKind::kBuiltIn) {
        if (!action.fault.empty()) {
            framework::Trace("key %s: stored action not taken, %s", key->name, AnsiFromUtf8(action.fault).c_str());
        }
        return false;
    }
    framework::Trace("key %s: own action %s", key->name, KindName(action.kind));
    // The chord's keys carry the mark that keeps the keyboard hook from taking them for the keyboard's.
    CWin32Desktop desktop(*this);
    if (action.kind != KeyActionKind::kNothing && key->picture != nullptr) {
        desktop.ShowKeyPicture(key->picture);
    }
    switch (action.kind) {
        case KeyActionKind::kRun:
            LaunchShortcut(action.text);
            break;
        case KeyActionKind::kKeys:
            SendKeyChord(desktop, action.keys);
            break;
        case KeyActionKind::kText:
            TypeText(action.text, ::GetForegroundWindow());
            break;
        case KeyActionKind::kNothing:
        case KeyActionKind::kBuiltIn:
            break;
    }
    return true;
}
