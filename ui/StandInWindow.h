#pragma once

#include <QDialog>

// A window that exists only by its name and caption until its own screen is built.
class StandInWindow : public QDialog
{
    Q_OBJECT

public:
    StandInWindow(const QString &objectName, const QString &caption, QWidget *parent = nullptr);
};
