#pragma once

#include <QString>

class Connection;

// The shared connection: opened around every operation, kept open by an outer one.
namespace modConn {

extern bool ConnectionWasOpen;
extern qint16 TransactionDepth;

Connection &SharedConnection();
// A fresh shared connection object (start-up, and tests between databases).
void ResetSharedConnection();

bool OpenConnection();
void CloseConnection();
// Records affected, or -1 when the connection can't be opened.
qint32 ExecuteCommand(const QString &sql);
void BeginTransaction();
void CommitTransaction();
void RollbackTransaction();

// Rolls back on every exit path that did not commit.
class TransactionScope
{
public:
    TransactionScope() { BeginTransaction(); }
    ~TransactionScope()
    {
        if (!m_committed)
            RollbackTransaction();
    }
    TransactionScope(const TransactionScope &) = delete;
    TransactionScope &operator=(const TransactionScope &) = delete;
    void commit()
    {
        CommitTransaction();
        m_committed = true;
    }

private:
    bool m_committed = false;
};

} // namespace modConn
