// Runs the driver package's installer and waits for it (both deliverables).
#pragma once

#include <string>

// Starts `commandLine` in "C:\", shown normally, and waits without a time
// limit for it to end. A command that cannot be started is passed over.
void RunAndWait(std::string commandLine);
