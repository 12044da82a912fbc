#pragma once

#include <QString>

// What the operating system tells of this computer.
namespace modAPI {

QString GetComputerNameText();
QString GetUserNameText();
// The first local IPv4 address that is not loopback or 0.0.0.0; empty when there is none.
QString GetLocalIP();

} // namespace modAPI
