// Reading, saving and deleting the records of a master-data window.
#include "masterdata/MasterDataWindow.h"

#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/modMain.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/modConn.h"
#include "data/modDB.h"
#include "data/SqlText.h"
#include "ui/FocusMoves.h"
#include "ui/MsgBox.h"
#include "ui/ToolBar.h"
#include "units/QuantityText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QToolBar>

namespace {

const QString TwoLines = QLatin1String(modMain::CRLF) + QLatin1String(modMain::CRLF);

bool readsAsNumber(const QString &text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace

Procedure MasterDataWindow::procedure(const char *name)
{
    const QString where = objectName() + QLatin1Char('.') + QLatin1String(name);
    Procedure proc([this, where] {
        return modMain::ExceptionHeader(where)
            + modMain::ExceptionLine(QStringLiteral("sSQL　　　　　　："), m_lastSql);
    });
    proc.onFailure([] { modConn::CloseConnection(); });
    return proc;
}

QString MasterDataWindow::sqlText(const QString &value) const { return modDB::SqlText(value); }

void MasterDataWindow::formLoad()
{
    Procedure proc = procedure("Form_Load");
    proc.step([&] { m_baseCaption = m_definition.caption; });
    proc.step([&] { fillCombos(); });
    proc.step([&] { subFormUserModeModify(false); });
    proc.step([&] { subFormListRefresh(); });
    proc.step([&] { subFormLoadFirst(); });
    proc.step([&] { subFormCaptionRefresh(); });
}

void MasterDataWindow::fillCombos()
{
    for (const Field &field : m_fields) {
        if (field.kind != FieldKind::DataCombo)
            continue;
        auto *combo = static_cast<QComboBox *>(field.control);
        combo->clear();
        m_lastSql = field.statement;
        if (!modConn::OpenConnection())
            return;
        Recordset rs;
        rs.open(m_lastSql, modConn::SharedConnection());
        const int shown = rs.fieldIndex(combo->property("shownColumn").toString());
        const int bound = rs.fieldIndex(combo->property("boundColumn").toString());
        for (; !rs.eof(); rs.moveNext())
            combo->addItem(modDB::NullToString(rs.value(shown)), modDB::NullToLong(rs.value(bound)));
        combo->setCurrentIndex(-1);
        rs.close();
        modConn::CloseConnection();
    }
}

void MasterDataWindow::subFormUserModeModify(bool edit)
{
    Procedure proc = procedure("subFormUserModeModify");
    proc.step([&] {
        const bool any = m_recordCount > 0;
        for (const char *key : {"AddNew", "Quit"})
            modUI::ToolBarButton(m_toolBar, QLatin1String(key))->setEnabled(!edit);
        for (const char *key : {"Modify", "Delete"})
            modUI::ToolBarButton(m_toolBar, QLatin1String(key))->setEnabled(!edit && any);
        for (const char *key : {"Cancel", "Save"})
            modUI::ToolBarButton(m_toolBar, QLatin1String(key))->setEnabled(edit);
        m_list->setEnabled(!edit);
        for (QWidget *control : m_fieldsArea->findChildren<QWidget *>())
            if (qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control)
                || qobject_cast<QCheckBox *>(control) || qobject_cast<QLabel *>(control))
                control->setEnabled(edit);
        if (m_idBox)
            m_idBox->setEnabled(edit && m_addNew); // a typed code never changes
        modeChanged(edit);
    });
    subFormCaptionRefresh();
}

void MasterDataWindow::subFormListRefresh()
{
    Procedure proc = procedure("subFormListRefresh");
    proc.step([&] {
        m_lastSql = m_definition.listStatement;
        if (!modConn::OpenConnection())
            return;
        Recordset rs;
        rs.open(m_lastSql, modConn::SharedConnection());
        const int listColumn = rs.fieldIndex(m_definition.listField);
        const int boundColumn = rs.fieldIndex(m_definition.listBoundColumn);
        const QScopedValueRollback<bool> quiet(m_settingList, true);
        m_list->clear();
        m_listRows.clear();
        QStringList texts, bound;
        texts.reserve(rs.recordCount());
        bound.reserve(rs.recordCount());
        for (; !rs.eof(); rs.moveNext()) {
            texts << modDB::NullToString(rs.value(listColumn));
            bound << modDB::NullToString(rs.value(boundColumn));
        }
        m_list->addItems(texts);
        for (int row = 0; row < bound.size(); ++row) {
            m_list->item(row)->setData(Qt::UserRole, bound.at(row));
            m_listRows.insert(bound.at(row), row);
        }
        m_recordCount = rs.recordCount();
        rs.close();
        modConn::CloseConnection();
        for (const char *key : {"Modify", "Delete"})
            modUI::ToolBarButton(m_toolBar, QLatin1String(key))->setEnabled(!m_editing && m_recordCount > 0);
        if (m_recordCount == 0) {
            subFormClear();
            m_currentId.clear();
            m_currentName.clear();
            return;
        }
        modUI::SetFocusControl(m_list);
    });
}

void MasterDataWindow::subFormLoadFirst()
{
    const QString first = m_definition.firstRecordStatement.isEmpty()
        ? QStringLiteral("SELECT MIN(") + m_definition.keyColumn + QStringLiteral(") FROM [")
            + m_definition.table + QStringLiteral("] ")
        : m_definition.firstRecordStatement;
    const QString identifier = modDB::GetString(first);
    setBoundValue(identifier);
    FormLoadRecord(identifier);
}

bool MasterDataWindow::FormLoadRecord(const QString &identifier)
{
    bool loaded = false;
    Procedure proc = procedure("FormLoadRecord");
    proc.step([&] {
        if (!modConn::OpenConnection())
            return;
        const QString id = identifier.trimmed();
        if (id.isEmpty()) {
            modConn::CloseConnection();
            return;
        }
        m_lastSql = QStringLiteral("SELECT * FROM [") + m_definition.table + QStringLiteral("] WHERE (")
            + m_definition.keyColumn + QStringLiteral(" = '") + sqlText(id) + QStringLiteral("') ");
        Recordset rs;
        rs.open(m_lastSql, modConn::SharedConnection());
        if (!rs.eof()) {
            m_currentId = modDB::NullToString(rs.value(m_definition.keyColumn));
            m_currentName = modDB::NullToString(rs.value(m_definition.nameColumn));
            if (m_idPanel)
                m_idPanel->setText(m_currentId);
            if (m_idBox)
                m_idBox->setText(m_currentId);
            readFields(rs);
            recordLoaded();
        }
        rs.close();
        modConn::CloseConnection();
        loaded = true;
    });
    return loaded;
}

void MasterDataWindow::readFields(const Recordset &rs)
{
    for (const Field &field : m_fields) {
        const QVariant value = rs.value(field.column);
        switch (field.kind) {
        case FieldKind::Text:
        case FieldKind::SortOrder:
            static_cast<QLineEdit *>(field.control)->setText(modDB::NullToString(value));
            break;
        case FieldKind::Number: // shown to 7 significant digits
            static_cast<QLineEdit *>(field.control)->setText(
                QString::number(double(modDB::NullToSingle(value)), 'g', 7));
            break;
        case FieldKind::Flag:
            static_cast<QCheckBox *>(field.control)->setChecked(modDB::NullToBoolean(value));
            break;
        case FieldKind::ListNumber: {
            auto *combo = static_cast<QComboBox *>(field.control);
            combo->setCurrentIndex(combo->findText(QString::number(modDB::NullToInteger(value))));
            break;
        }
        case FieldKind::DataCombo:
            setComboValue(static_cast<QComboBox *>(field.control), modDB::NullToLong(value));
            break;
        }
    }
}

void MasterDataWindow::subFormSave()
{
    Procedure proc = procedure("subFormSave");
    bool stored = false;
    proc.step([&] { stored = FormSaveCheck() && FormSave(); });
    if (!stored)
        return;
    const QString name = m_nameBox ? m_nameBox->text() : QString();
    const QString identifier = identifierText().trimmed().toUpper();
    proc.step([&] {
        m_editing = m_addNew = false;
        subFormUserModeModify(false);
        subFormListRefresh();
    });
    proc.step([&] { modUI::MsgBox(QStringLiteral("儲存成功"), modUI::Information, QStringLiteral("儲存")); });
    proc.step([&] {
        if (m_definition.identifier == Identifier::Database)
            selectByName(name);
        else
            setBoundValue(identifier);
        // The record as stored, with the identifier the database gave it.
        FormLoadRecord(boundValue());
        subFormCaptionRefresh();
        modUI::SetFocusControl(m_list);
    });
}

bool MasterDataWindow::FormSave()
{
    bool saved = false;
    Procedure proc = procedure("FormSave");
    proc.onFailure([] {
        if (modConn::TransactionDepth > 0)
            modConn::RollbackTransaction();
        modConn::CloseConnection();
    });
    proc.step([&] {
        if (!modConn::OpenConnection())
            return;
        if (m_definition.saveInTransaction)
            modConn::BeginTransaction();
        beforeSave();
        const QString id = m_addNew ? identifierText().trimmed().toUpper() : m_currentId;
        m_lastSql = QStringLiteral("SELECT * FROM [") + m_definition.table + QStringLiteral("] WHERE (")
            + m_definition.keyColumn + QStringLiteral(" = '") + sqlText(id) + QStringLiteral("') ");
        Recordset rs;
        rs.open(m_lastSql, modConn::SharedConnection(), Recordset::Mode::Updatable);
        if (m_addNew) {
            rs.addNew();
            if (m_definition.identifier == Identifier::Typed)
                rs.setValue(m_definition.keyColumn, id);
        }
        if (m_definition.auditColumns)
            writeAudit(rs);
        writeFields(rs);
        rs.update();
        rs.close();
        if (m_definition.saveInTransaction)
            modConn::CommitTransaction();
        modConn::CloseConnection();
        saved = true;
    });
    return saved;
}

void MasterDataWindow::writeAudit(Recordset &rs)
{
    const QString user = modMain::IdUserLogin;
    if (m_addNew) {
        if (m_definition.auditAddUser)
            rs.setValue(QStringLiteral("IdUserAddNew"), user);
        return;
    }
    const QDateTime now = modDB::GetServerTime();
    if (!rs.value(QStringLiteral("TimeModifyFirst")).isValid()) {
        rs.setValue(QStringLiteral("IdUserModifyFirst"), user);
        rs.setValue(QStringLiteral("TimeModifyFirst"), now);
    }
    rs.setValue(QStringLiteral("IdUserModifyLast"), user);
    rs.setValue(QStringLiteral("TimeModifyLast"), now);
}

void MasterDataWindow::writeFields(Recordset &rs)
{
    for (const Field &field : m_fields) {
        if (!field.written)
            continue;
        QVariant value;
        switch (field.kind) {
        case FieldKind::Text: {
            const QString text = static_cast<QLineEdit *>(field.control)->text();
            value = field.trimmed ? text.trimmed() : text;
            break;
        }
        case FieldKind::SortOrder:
            value = int(QuantityText::parseLeadingNumber(static_cast<QLineEdit *>(field.control)->text()));
            break;
        case FieldKind::Number:
            value = QuantityText::parseLeadingNumber(static_cast<QLineEdit *>(field.control)->text());
            break;
        case FieldKind::Flag:
            value = static_cast<QCheckBox *>(field.control)->isChecked();
            break;
        case FieldKind::ListNumber:
            value = static_cast<QComboBox *>(field.control)->currentText().toInt();
            break;
        case FieldKind::DataCombo: {
            const auto *combo = static_cast<QComboBox *>(field.control);
            if (!comboHasNumber(combo))
                continue;
            value = combo->currentData();
            break;
        }
        }
        rs.setValue(field.column, value);
    }
}

void MasterDataWindow::showCheckMessage(const QString &message, QWidget *focus, bool selectText)
{
    modUI::MsgBox(message, modUI::Exclamation, m_definition.checkTitle);
    if (auto *box = qobject_cast<QLineEdit *>(focus))
        modUI::SetFocusTextBox(box, selectText);
    else
        modUI::SetFocusControl(focus);
}

QString MasterDataWindow::requiredMessage(const QString &label, const QString &secondLine)
{
    return QStringLiteral(" 「") + label + QStringLiteral("」尚未輸入") + TwoLines + secondLine;
}

QString MasterDataWindow::duplicateMessage(const QString &label, const QString &secondLine)
{
    return QStringLiteral(" 所建檔的「") + label + QStringLiteral("」已有重複") + TwoLines + secondLine;
}

bool MasterDataWindow::checkRequired(QLineEdit *box, const QString &message)
{
    if (!box->text().trimmed().isEmpty())
        return true;
    showCheckMessage(message, box);
    return false;
}

bool MasterDataWindow::checkUnique(QLineEdit *box, const QString &message, bool selectText)
{
    QString sql = QStringLiteral("SELECT COUNT(*) FROM [") + m_definition.table + QStringLiteral("] ")
        + QStringLiteral("WHERE (") + m_definition.nameColumn + QStringLiteral(" = '")
        + sqlText(box->text()) + QStringLiteral("') ");
    const QString identifier = identifierText().trimmed();
    if (readsAsNumber(identifier))
        sql += QStringLiteral("AND (") + m_definition.keyColumn + QStringLiteral(" <> ") + identifier
            + QStringLiteral(") ");
    if (modDB::GetLong(sql) <= 0)
        return true;
    showCheckMessage(message, box, selectText);
    return false;
}

QString MasterDataWindow::deletedMessage(const QString &identifier, const QString &) const
{
    return QStringLiteral("已刪除 [") + identifier + QStringLiteral("] ");
}

void MasterDataWindow::subFormDelete()
{
    Procedure proc = procedure("subFormDelete");
    const QString identifier = identifierText().trimmed();
    const QString name = m_currentName;
    if (identifier.isEmpty() && name.trimmed().isEmpty())
        return;
    QString message;
    int icon = modUI::Exclamation;
    proc.step([&] {
        const QString failed = QStringLiteral("刪除失敗") + TwoLines;
        if (!modDB::IsValueExist(m_definition.table, m_definition.keyColumn, identifier)) {
            message = failed + QStringLiteral("無此筆紀錄[ ") + identifier + QStringLiteral(" ]");
            return;
        }
        if (const QString reason = deleteGuard(); !reason.isEmpty()) {
            message = failed + reason;
            return;
        }
        if (const QString question = deleteQuestion(); !question.isEmpty()
            && modUI::MsgBox(question, modUI::OKCancel | modUI::Question | modUI::DefaultButton2,
                             QStringLiteral("刪除程序")) == modUI::AnswerCancel) {
            message = failed + QStringLiteral("使用者已取消操作");
            return;
        }
        m_lastSql = QStringLiteral("DELETE FROM [") + m_definition.table + QStringLiteral("] WHERE (")
            + m_definition.keyColumn + QStringLiteral(" = '") + sqlText(identifier) + QStringLiteral("')");
        if (modDB::ExecuteNoQuery(m_lastSql) < 0)
            return;
        message = deletedMessage(identifier, name);
        icon = modUI::Information;
        subFormListRefresh();
        subFormLoadFirst();
        subFormCaptionRefresh();
    });
    if (!message.isEmpty())
        modUI::MsgBox(message, icon, QStringLiteral("刪除程序"));
}
