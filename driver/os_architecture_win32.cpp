#include "driver/os_architecture.h"

int QueryOsArchitecture() {
    return ClassifyBuildLab(ReadBuildLab());
}
