#include "ui/StandInWindow.h"

#include <QLabel>
#include <QVBoxLayout>

StandInWindow::StandInWindow(const QString &objectName, const QString &caption, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(caption, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    resize(420, 240);
}
