#pragma once

#include <QString>

// The stored form of a password: each character's code in the Traditional Chinese code page
// (a double-byte character's two bytes read as a signed 16-bit number), in decimal with at
// least two digits, one after another.
namespace modMain {

QString EncodePassword(const QString &password);
// Reads two digits a character, so codes of three digits or negative ones don't come back.
QString DecodePassword(const QString &stored);

} // namespace modMain
