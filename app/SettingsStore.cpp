#include "app/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace modSystem {
namespace {

constexpr int TextBufferLength = 1024;

QString iniPath()
{
    const QString configured = qEnvironmentVariable("VERDALO_SETTINGS");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/verdalo/verdalo.ini");
}

// The settings object for a full key path, its group opened.
std::unique_ptr<QSettings> openKey(const QString &root, const QString &keyPath)
{
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(root + QLatin1Char('\\') + keyPath,
                                                QSettings::NativeFormat);
    return settings;
#else
    Q_UNUSED(root);
    const QString base = QString::fromLatin1(SettingsKeyPath);
    QString group = keyPath;
    if (group.startsWith(base, Qt::CaseInsensitive))
        group = group.mid(base.size());
    while (group.startsWith(QLatin1Char('\\')))
        group.remove(0, 1);
    auto settings = std::make_unique<QSettings>(iniPath(), QSettings::IniFormat);
    if (!group.isEmpty())
        settings->beginGroup(group.replace(QLatin1Char('\\'), QLatin1Char('/')));
    return settings;
#endif
}

bool writeText(const QString &subkey, const QString &name, const QString &text)
{
#ifndef Q_OS_WIN
    QDir().mkpath(QFileInfo(iniPath()).absolutePath());
#endif
    std::unique_ptr<QSettings> key = OpenSettingsKey(subkey);
    if (!key->isWritable())
        return false;
    key->setValue(name, text);
    key->sync();
    return key->status() == QSettings::NoError;
}

QString readText(const QString &subkey, const QString &name)
{
    QString text;
    RegReadText(QString::fromLatin1(LocalMachine),
                QString::fromLatin1(SettingsKeyPath) + QLatin1Char('\\') + subkey, name, text);
    return text;
}

} // namespace

std::unique_ptr<QSettings> OpenSettingsKey(const QString &subkey)
{
    return openKey(QString::fromLatin1(LocalMachine),
                   QString::fromLatin1(SettingsKeyPath) + QLatin1Char('\\') + subkey);
}

bool SaveServerIP(const QString &text)
{
    return writeText(QStringLiteral("System"), QStringLiteral("ServerIP"), text);
}

QString GetServerIP() { return readText(QStringLiteral("System"), QStringLiteral("ServerIP")); }

bool SaveLastLoginUser(const QString &text)
{
    return writeText(QStringLiteral("User"), QStringLiteral("IdUserLastLogin"), text);
}

QString GetLastLoginUser()
{
    return readText(QStringLiteral("User"), QStringLiteral("IdUserLastLogin"));
}

bool RegReadText(const QString &root, const QString &keyPath, const QString &valueName,
                 QString &text)
{
    text.clear();
    std::unique_ptr<QSettings> key = openKey(root, keyPath);
    if (key->status() != QSettings::NoError || !key->contains(valueName))
        return false;
    const QString value = key->value(valueName).toString();
    if (value.size() >= TextBufferLength)
        return false;
    const int nul = int(value.indexOf(QChar(u'\0')));
    text = nul >= 0 ? value.left(nul) : value;
    return true;
}

} // namespace modSystem
