#pragma once

#include "ui/MsgBox.h"

#include <QList>
#include <QString>

// Records every message box and exception report while it lives, and answers them from
// queues (OK and "leave the procedure" when the queues are empty).
class Responders
{
public:
    Responders();
    ~Responders();

    QList<modUI::MsgBoxRecord> boxes;
    QList<QString> reports;
    QList<int> boxAnswers;
    QList<qint16> reportAnswers;
};
