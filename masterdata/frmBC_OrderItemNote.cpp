#include "masterdata/frmBC_OrderItemNote.h"

#include "ui/KeyFilters.h"

#include <QLineEdit>

namespace {

MasterDataWindow::Definition definition()
{
    MasterDataWindow::Definition d;
    d.caption = QStringLiteral("單據品項備註");
    d.table = QStringLiteral("BC_OrderItemNote");
    d.keyColumn = QStringLiteral("OrderItemNoteID");
    d.nameColumn = QStringLiteral("OrderItemNote");
    d.listStatement = QStringLiteral("SELECT OrderItemNote AS ListField, OrderItemNoteID FROM [BC_OrderItemNote] ORDER BY OrderItemNoteID ");
    d.listBoundColumn = QStringLiteral("OrderItemNoteID");
    d.closingText.clear();
    return d;
}

} // namespace

frmBC_OrderItemNote::frmBC_OrderItemNote(QWidget *parent)
    : MasterDataWindow(QStringLiteral("frmBC_OrderItemNote"), definition(), parent)
{
    addIdentifierPanel(QStringLiteral("sspOrderItemNoteID"));
    m_note = addTextField(QStringLiteral("txtOrderItemNote"), QStringLiteral("備註說明"),
                          QStringLiteral("OrderItemNote"), 24, modUI::KindName);
    addTextField(QStringLiteral("txtSortOrder"), QStringLiteral("排序數值"), QStringLiteral("SortOrder"), 4,
                 modUI::KindSortOrder, FieldKind::SortOrder);
    addCheckField(QStringLiteral("sscInActiveInStock"), QStringLiteral("入庫單不需顯示"),
                  QStringLiteral("顯示設定"), QStringLiteral("InActiveInStock"));
    addCheckField(QStringLiteral("sscInActiveOutOrder"), QStringLiteral("出貨單不需顯示"), QString(),
                  QStringLiteral("InActiveOutOrder"));
    setNameBox(m_note);
}

// A new note keeps the sort order and flags of the note shown before.
void frmBC_OrderItemNote::clearForAddNew()
{
    clearIdentifier();
    m_note->clear();
}

bool frmBC_OrderItemNote::FormSaveCheck()
{
    return checkRequired(m_note, requiredMessage(QStringLiteral("品項備註說明")))
        && checkUnique(m_note, duplicateMessage(QStringLiteral("品項備註")), false);
}
