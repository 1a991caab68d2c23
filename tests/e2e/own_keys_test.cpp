// Keys of the user's own: actions stored under "Software\Corvale\Keys" by the
// key's name, acted on from both key roads in place of the built-in action.
#include "tests/e2e/dispatch_fixture.h"
#include "tests/e2e/dispatch_test_window.h"
#include "tests/e2e/e2e.h"
#include "tests/e2e/registry_fixture.h"
#include "tests/e2e/robustness_support.h"

#include <algorithm>
#include <string>
#include <vector>

using e2e::DispatchSession;
using e2e::KeyMessage;

namespace {

constexpr char kKeysKey[] = "Software\\Corvale\\Keys";
constexpr std::uint32_t kMailReport = 8;  // the key log's record for the mail key (command 0x03)

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool Mentions(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&text](const std::string& line) { return line.find(text) != std::string::npos; });
}

bool HasPicture(const std::vector<std::string>& lines) {
    return Mentions(lines, "keyvane: picture ");
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += "[" + line + "] ";
    }
    return text;
}

void Store(const e2e::ScratchKey& keys, const char* name, const std::string& action) {
    keys.Write(name, REG_SZ, action + '\0');
}

}  // namespace

E2E_CASE(OwnKeys, MailStartsTheStoredProgramFromBothRoads) {
    const e2e::ScratchFolder folder("keyvane own keys");
    // A folder with a blank: the command line is split after the program's last backslash.
    const std::string program = folder.Path() + "mailer.exe";
    const e2e::PlantedProgram mailer(program);
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "mail", "run:" + program + " --to ann@example.com");
    DispatchSession keyvane("winxp");
    e2e::KeyLogRoad keyLog;
    keyLog.StartFresh(keyvane);
    for (const char* road : {"hook", "key log"}) {
        const size_t from = keyvane.Mark();
        if (std::string(road) == "hook") {
            keyvane.Press(0x22);
        } else {
            keyLog.Write({kMailReport});
        }
        const auto commandLine = mailer.WaitStarted(from);
        E2E_CHECK(commandLine.has_value(), std::string("the stored program started from the ") + road + " road");
        const std::string arguments = " --to ann@example.com";
        E2E_CHECK(commandLine->size() > arguments.size() &&
                      commandLine->compare(commandLine->size() - arguments.size(), arguments.size(), arguments) == 0,
                  "with its arguments: " + *commandLine);
        E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
        const auto lines = keyvane.LinesSince(from);
        E2E_CHECK(Has(lines, "keyvane: picture Mail 32"), "the mail picture showed: " + Joined(lines));
        E2E_CHECK(!Mentions(lines, "MSIMN"), "the built-in mail program was not looked for");
    }
}

E2E_CASE(OwnKeys, WordPressesTheStoredChordAndNothingElse) {
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "word", "keys:Ctrl+Shift+N");
    // A chord of a multimedia key must not come back through the keyboard hook as the key itself.
    Store(keys, "play", "keys:MediaPlayPause");
    e2e::TestWindow editor("Notepad", "Untitled - Notepad");
    DispatchSession keyvane("winxp");
    E2E_CHECK(editor.BringToFront(), "the editor is in front");
    const size_t from = keyvane.Mark();
    keyvane.Press(0x32);
    const std::vector<std::string> expected = {KeyMessage("down", VK_CONTROL), KeyMessage("down", VK_SHIFT),
                                               KeyMessage("down", 'N'),        KeyMessage("up", 'N'),
                                               KeyMessage("up", VK_SHIFT),     KeyMessage("up", VK_CONTROL)};
    const auto got = e2e::Describe(editor.WaitForMessages(expected.size()));
    E2E_CHECK(got == expected, "Ctrl, Shift, N down, then N, Shift, Ctrl up; got " + Joined(got));
    E2E_CHECK(keyvane.Sync() >= 0, "keyvane answers");
    const auto lines = keyvane.LinesSince(from);
    E2E_CHECK(Has(lines, "keyvane: picture WORD 32"), "the Word picture showed: " + Joined(lines));
    E2E_CHECK(!Mentions(lines, "WINWORD"), "Word was not looked for");

    editor.ClearMessages();
    const size_t play = keyvane.Mark();
    keyvane.Press(0x29);
    E2E_CHECK(editor.WaitForMessages(2).size() == 2, "the play key pressed and released MediaPlayPause");
    // The hook handles a key before the window gets it, so a command it posted
    // for it is in the view's queue ahead of this posted one.
    ::PostMessageA(keyvane.View(), ::RegisterWindowMessageA("KeyCommand"), 0, 0x3C);
    E2E_CHECK(keyvane.WaitForLine(play, "keyvane: command 0x3C") >= 0, "the next key was dispatched");
    E2E_CHECK_EQ(e2e::CountLines(keyvane, play, "keyvane: command 0x29"), size_t{1},
                 "the play key acted once: " + Joined(keyvane.LinesSince(play)));
}

E2E_CASE(OwnKeys, NothingBadValuesAndChangesAtTheNextKey) {
    const e2e::ScratchKey keys(HKEY_LOCAL_MACHINE, kKeysKey);
    Store(keys, "play", "none");
    Store(keys, "mail", "keys:Ctrl+Hyper+N");
    keys.Write("stop", REG_DWORD, std::string(4, '\0'));
    Store(keys, "next", "text:" + std::string(100000, 'x'));
    DispatchSession keyvane("winxp");

    auto lines = keyvane.LinesOfPress(0x08);
    E2E_CHECK(Has(lines, "keyvane: key play: own action nothing") && !HasPicture(lines),
              "play does nothing and shows nothing: " + Joined(lines));

    lines = keyvane.LinesOfPress(0x22);
    E2E_CHECK(Has(lines, "keyvane: key mail: stored action not taken, keys: unknown key name \"Hyper\""),
              "a line says why the mail key's value was not taken: " + Joined(lines));
    E2E_CHECK(Has(lines, "keyvane: picture Mail 32") && Mentions(lines, "keyvane: open MSIMN.EXE"),
              "the mail key did what it does built in: " + Joined(lines));

    lines = keyvane.LinesOfPress(0x0B);
    E2E_CHECK(Has(lines, "keyvane: key stop: stored action not taken, not a string value") &&
                  Has(lines, "keyvane: picture VCDStop 32"),
              "a number under the stop key's name leaves it built in: " + Joined(lines));

    lines = keyvane.LinesOfPress(0x2B);
    E2E_CHECK(Has(lines, "keyvane: key next: stored action not taken, longer than 1024 characters") &&
                  Has(lines, "keyvane: picture VCDNext 32"),
              "a text far too long leaves the next key built in: " + Joined(lines));

    // Changed while the program runs: the very next key acts on the new value.
    keys.Write("play", REG_SZ, std::string(1, '\0'));
    lines = keyvane.LinesOfPress(0x29);
    E2E_CHECK(Has(lines, "keyvane: picture VCDPlay 32"),
              "an emptied value gives play its picture back: " + Joined(lines));
    Store(keys, "play", "none");
    lines = keyvane.LinesOfPress(0x29);
    E2E_CHECK(!HasPicture(lines), "and \"none\" takes it away again: " + Joined(lines));
}
