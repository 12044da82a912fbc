#include "admin/modAPI.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QSysInfo>

namespace modAPI {
namespace {

// The platform queries fill fixed buffers; a longer name doesn't fit and gives nothing.
QString fitting(const QString &text, int buffer) { return text.size() < buffer ? text : QString(); }

} // namespace

QString GetComputerNameText() { return fitting(QSysInfo::machineHostName(), 16); }

QString GetUserNameText()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return fitting(name, 25);
}

QString GetLocalIP()
{
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        const QString text = address.toString();
        if (!text.isEmpty() && text != QLatin1String("127.0.0.1") && text != QLatin1String("0.0.0.0"))
            return text;
    }
    return {};
}

} // namespace modAPI
