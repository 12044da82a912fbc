#include "ui/TextBoxBehaviour.h"

#include "ui/FlexGrid.h"
#include "ui/FocusMoves.h"
#include "ui/KeyFilters.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace modUI {
namespace {

class TextBoxFilter : public QObject
{
public:
    TextBoxFilter(QLineEdit *box, int kind, bool allowSeparator)
        : QObject(box), m_box(box), m_kind(kind), m_allowSeparator(allowSeparator)
    {
        setObjectName(QStringLiteral("TextBoxFilter"));
    }

    QPointer<QLineEdit> m_box;
    int m_kind;
    bool m_allowSeparator;
    QPointer<QLineEdit> m_previous, m_next;
    QPointer<QWidget> m_nextControl;
    QPointer<FlexGrid> m_nextGrid;

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            TextBoxGotFocus(m_box, m_kind);
            return false;
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent *>(event));
        case QEvent::InputMethod:
            return inputMethod(static_cast<QInputMethodEvent *>(event));
        default:
            return false;
        }
    }

private:
    // The accepted characters of a typed text, each turned as its kind asks.
    QString filtered(const QString &typed)
    {
        QString accepted;
        for (QChar c : typed) {
            int key = c.unicode();
            TextBoxKeyPress(key, m_box, m_kind, m_next, m_allowSeparator);
            if (key != 0)
                accepted += QChar(char16_t(key));
        }
        return accepted;
    }

    bool keyPress(QKeyEvent *event)
    {
        const int key = event->key();
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TextBoxKeyDown(key, event->modifiers(), m_kind, m_box, m_previous, m_next, m_nextControl, m_nextGrid);
            return true; // stays in the box when nothing was chosen
        }
        if (key == Qt::Key_Backspace || key == Qt::Key_Left || key == Qt::Key_Right) {
            QPointer<QLineEdit> box = m_box;
            const bool movedOn = TextBoxKeyDown(key, event->modifiers(), m_kind, box, m_previous, m_next,
                                                m_nextControl, m_nextGrid);
            if (movedOn || !box || !box->hasFocus())
                return true;
        }
        const QString typed = event->text();
        if (typed.isEmpty() || typed.at(0).unicode() < 32) {
            int control = typed.isEmpty() ? 0 : typed.at(0).unicode();
            TextBoxKeyPress(control, m_box, m_kind, m_next, m_allowSeparator);
            return false;
        }
        const QString accepted = filtered(typed);
        if (accepted == typed)
            return false;
        if (!accepted.isEmpty())
            m_box->insert(accepted);
        return true;
    }

    bool inputMethod(QInputMethodEvent *event)
    {
        const QString commit = event->commitString();
        if (commit.isEmpty())
            return false;
        const QString accepted = filtered(commit);
        if (accepted == commit)
            return false;
        QInputMethodEvent replaced(event->preeditString(), event->attributes());
        replaced.setCommitString(accepted, event->replacementStart(), event->replacementLength());
        m_box->removeEventFilter(this);
        QCoreApplication::sendEvent(m_box, &replaced);
        m_box->installEventFilter(this);
        return true;
    }
};

TextBoxFilter *filterOf(QLineEdit *box)
{
    return box ? box->findChild<TextBoxFilter *>(QStringLiteral("TextBoxFilter"), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

void AttachTextBox(QLineEdit *box, int kind, const TextBoxLinks &links, bool allowSeparator)
{
    if (!box)
        return;
    TextBoxFilter *filter = filterOf(box);
    if (!filter) {
        filter = new TextBoxFilter(box, kind, allowSeparator);
        box->installEventFilter(filter);
    }
    filter->m_kind = kind;
    filter->m_allowSeparator = allowSeparator;
    SetTextBoxLinks(box, links);
}

void SetTextBoxLinks(QLineEdit *box, const TextBoxLinks &links)
{
    TextBoxFilter *filter = filterOf(box);
    if (!filter)
        return;
    filter->m_previous = links.previous;
    filter->m_next = links.next;
    filter->m_nextControl = links.nextControl;
    filter->m_nextGrid = links.nextGrid;
}

} // namespace modUI
