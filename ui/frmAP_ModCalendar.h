#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

// The date picker: one month calendar; a click or Enter takes a date, Esc cancels.
class frmAP_ModCalendar : public QDialog
{
    Q_OBJECT

public:
    explicit frmAP_ModCalendar(QWidget *parent = nullptr);

    // Shows the calendar on the preset date (today when it is no date) and writes the chosen
    // date as "yyyy/mm/dd"; the text stays as it was when cancelled. True when a date was
    // taken.
    bool PickDate(QString &dateText, const QString &preset = QString());
    void setDateValue(const QString &text);
    void Dispose() { deleteLater(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void take(const QDate &date);

    QCalendarWidget *m_calendar;
    QDate m_result;
    bool m_cancelled = false;
};
