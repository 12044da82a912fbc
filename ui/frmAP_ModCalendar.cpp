#include "ui/frmAP_ModCalendar.h"

#include "data/modDB_TORVO.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QVBoxLayout>

frmAP_ModCalendar::frmAP_ModCalendar(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAP_ModCalendar"));
    setWindowTitle(QStringLiteral("選擇日期"));
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("mvw"));
    m_calendar->setGridVisible(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_calendar, &QCalendarWidget::clicked, this, &frmAP_ModCalendar::take);
    connect(m_calendar, &QCalendarWidget::activated, this, &frmAP_ModCalendar::take);
}

void frmAP_ModCalendar::setDateValue(const QString &text)
{
    const QDate date = modSystem_TORVO::DateFromText(text);
    if (date.isValid())
        m_calendar->setSelectedDate(date);
}

bool frmAP_ModCalendar::PickDate(QString &dateText, const QString &preset)
{
    const QDate presetDate = modSystem_TORVO::DateFromText(preset);
    m_calendar->setSelectedDate(presetDate.isValid() ? presetDate : QDate::currentDate());
    m_result = QDate::currentDate(); // the close box counts as a choice of today
    m_cancelled = false;
    exec();
    const bool picked = !m_cancelled;
    if (picked)
        dateText = m_result.toString(QStringLiteral("yyyy/MM/dd"));
    m_cancelled = false;
    return picked;
}

void frmAP_ModCalendar::take(const QDate &date)
{
    m_result = date;
    accept();
}

void frmAP_ModCalendar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_cancelled = true;
        reject();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        take(m_calendar->selectedDate());
        return;
    }
    QDialog::keyPressEvent(event);
}
