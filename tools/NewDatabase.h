#pragma once

#include <QString>

#include <functional>

class Connection;

// Creates the database file with the schema and seed rows, opens it and hands it to fill.
// Anything fill throws removes the half-made file again, so the next attempt starts clean.
void fillNewDatabase(const QString &path, const std::function<void(Connection &)> &fill);

QString sqliteConnectString(const QString &path);
