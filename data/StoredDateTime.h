#pragma once

#include <QDateTime>
#include <QString>

// Date-times as the embedded engine stores and compares them: 'yyyy-MM-dd HH:mm:ss'.
namespace StoredDateTime {

inline const QString Format = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString toText(const QDateTime &value);
// The stored form (also with milliseconds, a 'T' or no time); invalid for anything else.
QDateTime parse(const QString &text);

// Called once at start: local-time conversions then skip re-reading the zone file.
void UseFixedLocalZone();

} // namespace StoredDateTime
