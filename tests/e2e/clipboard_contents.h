// A clipboard with known contents before keyvane types through it, and
// whether it holds them again afterwards.
#pragma once

#include <windows.h>

namespace e2e {

// Empties the clipboard as `owner`; with contents, puts text and a private
// format with known bytes on it.
void FillClipboard(HWND owner, bool withContents);
bool ClipboardHoldsTheTestContents();
int ClipboardFormatCount();

}  // namespace e2e
