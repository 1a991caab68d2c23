#include "driver/os_architecture.h"
#include "install/install_os_kind.h"

int QueryInstallOsKind() {
    return ClassifyInstallOsKind(ReadOsVersion(), &ReadBuildLab);
}
