// The security descriptor of the filter driver's service ("Security"): who may
// control the service, and that failed attempts by anyone are audited. The
// service control manager reads it as it stands, so it is kept byte for byte.
#pragma once

#include <array>
#include <cstdint>

constexpr int kServiceSecuritySize = 184;

// A self-relative descriptor, revision 1, owner and group LocalSystem. Its
// system access list audits failed full access by Everyone; its access list
// allows LocalSystem 0x000201FD, Administrators 0x000F01FF, Authenticated Users
// 0x0002018D and Power Users 0x000201FD. Each entry carries 4 spare bytes
// after its identifier, which stay as they are.
extern const std::array<std::uint8_t, kServiceSecuritySize> ServiceSecurity;
