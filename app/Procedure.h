#pragma once

#include "data/DbError.h"

#include <QString>

#include <functional>

// A procedure's failure handler, written once: a failing step undoes what must not outlive
// the failure, composes the detail text and reports it; the answer decides whether the
// procedure goes on with the next step (ignore), runs the step again (retry) or leaves.
class Procedure
{
public:
    // detail composes ExceptionDetail at the moment of a failure.
    explicit Procedure(std::function<QString()> detail);

    // Runs before each report: restore the pointer, roll back, close the connection.
    void onFailure(std::function<void()> undo) { m_undo = std::move(undo); }

    // Runs one step; true to go on with the next, false when the procedure must leave.
    template <class Step>
    bool step(Step &&run)
    {
        if (m_left)
            return false;
        for (;;) {
            qint16 answer;
            try {
                run();
                return true;
            } catch (const DbError &error) {
                answer = report(error);
            } catch (const std::exception &error) {
                answer = report(DbError(0, QString::fromUtf8(error.what()), QStringLiteral("Verdalo")));
            }
            if (answer == 5)
                return true;
            if (answer != 4) {
                m_left = true;
                return false;
            }
        }
    }

    bool left() const { return m_left; }

private:
    qint16 report(const DbError &error);

    std::function<QString()> m_detail;
    std::function<void()> m_undo;
    bool m_left = false;
};
