#include "app/tamber_app.h"

// The paths and the menu switch come from the settings key with the settings store.
void CTamberApp::InitDefaultPaths() {}

void CTamberApp::LoadMenuEnable() {}
