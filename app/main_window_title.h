// The main frame's title, by which the program recognises its own window.
#pragma once

constexpr char kMainWindowTitle[] = "Keyvane V1.0.20010401";
