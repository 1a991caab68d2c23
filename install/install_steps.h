// The steps of Registry that act on the system, each carrying out its share
// of the plan. Every failure is passed over: the setup goes on regardless.
#pragma once

#include "install/install_plan.h"

// "Software\Corvale" as the product's setup left it.
ProductValues ReadProductValues();
// Copies the driver package into the product folder and runs its installer,
// first to remove the package and then to install it again.
void SetUpDriverPackage(const InstallPlan& plan);
// The filter driver's file into the system's driver folder, over an older one.
void CopyDriverFile(const InstallPlan& plan);
// Names the filter below the keyboard's device keys and logs each key changed.
void ChangeDeviceKeys(const InstallPlan& plan);
// The filter driver's service keys (not on the Windows 95 family).
void FillServiceKeys(const InstallPlan& plan, const ProductValues& values);
