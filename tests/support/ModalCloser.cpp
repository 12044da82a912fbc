#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QWidget>

ModalCloser::ModalCloser() : m_timer(startTimer(10)) {}

void ModalCloser::timerEvent(QTimerEvent *)
{
    if (QWidget *modal = QApplication::activeModalWidget()) {
        closed << modal->objectName();
        modal->close();
    }
}
