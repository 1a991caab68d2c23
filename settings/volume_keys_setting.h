// The setting "VolumeKeys": whether the program takes the volume keys from Windows.
#pragma once

bool ReadVolumeKeysSetting();
