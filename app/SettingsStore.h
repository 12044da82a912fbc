#pragma once

#include <QString>

#include <memory>

class QSettings;

// The computer's own settings: the server address and the last login id. The registry on
// Windows; an INI file elsewhere, at $VERDALO_SETTINGS when that is set.
namespace modSystem {

inline constexpr char SettingsKeyPath[] = "SOFTWARE\\Korvane\\Verdalo";
inline constexpr char LocalMachine[] = "HKEY_LOCAL_MACHINE";

// The key "SOFTWARE\Korvane\Verdalo\<subkey>", created when missing.
std::unique_ptr<QSettings> OpenSettingsKey(const QString &subkey);
bool SaveServerIP(const QString &text);
QString GetServerIP();
bool SaveLastLoginUser(const QString &text);
QString GetLastLoginUser();
// Reads a text value of at most 1,024 characters; false and an empty text on any failure.
bool RegReadText(const QString &root, const QString &keyPath, const QString &valueName,
                 QString &text);

} // namespace modSystem
