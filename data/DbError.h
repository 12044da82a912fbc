#pragma once

#include <QString>
#include <exception>

// The one error the data layer throws: number, description and source, as the exception
// report shows them.
class DbError : public std::exception
{
public:
    // The number a connection carries when the server can't be reached or refuses the login.
    static constexpr qint32 ServerUnreachable = -2147467259;
    // A statement the engine refused.
    static constexpr qint32 CommandFailed = -2147217900;
    // A value that can't be converted to the type asked for.
    static constexpr qint32 TypeMismatch = 13;

    DbError(qint32 number, QString description, QString source);

    qint32 number() const { return m_number; }
    const QString &description() const { return m_description; }
    const QString &source() const { return m_source; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    qint32 m_number;
    QString m_description;
    QString m_source;
    QByteArray m_what;
};
