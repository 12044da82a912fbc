#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Closes each modal window as it appears while it lives, recording their object names.
class ModalCloser : public QObject
{
    Q_OBJECT

public:
    ModalCloser();
    QStringList closed;

private:
    void timerEvent(QTimerEvent *event) override;
    int m_timer;
};
