#pragma once

#include "ui/KeyFilters.h"
#include "ui/ToolBar.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>

class Procedure;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolBar;
class Recordset;

// One table edited with a record list on the right, the fields on the left and a toolbar:
// browse, add and modify modes, load, save and delete. A member gives its table, fields,
// statements, checks, guards and messages.
class MasterDataWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Identifier { Database, Typed };
    enum class FieldKind { Text, SortOrder, Number, Flag, ListNumber, DataCombo };

    struct Definition
    {
        QString caption;
        QString table;
        QString keyColumn;
        QString nameColumn;
        QString listStatement;
        QString listBoundColumn;
        QString listField = QStringLiteral("ListField");
        // The first record: "SELECT MIN(key) FROM [table] " unless given.
        QString firstRecordStatement;
        // Ends the browse caption after the count; empty shows no count.
        QString closingText = QStringLiteral(" 筆記錄）");
        Identifier identifier = Identifier::Database;
        int identifierLength = 0; // typed identifiers: the box's length
        bool auditColumns = false;
        bool auditAddUser = true;
        bool saveInTransaction = false;
        QString checkTitle = QStringLiteral("儲存檢查");
        QList<modUI::ToolButtonEntry> toolButtons; // empty: the shared captions
        QString listObjectName = QStringLiteral("lstMain");
        bool listKeys = true; // Enter and Delete on the list modify and delete
    };

    // The shared toolbar: keys, captions and tool tips.
    static QList<modUI::ToolButtonEntry> StandardToolButtons();

    // State a test or the main window may read.
    bool isEditing() const { return m_editing; }
    bool isAddingNew() const { return m_addNew; }
    QString currentIdentifier() const { return m_currentId; }
    int recordCount() const { return m_recordCount; }

protected:
    MasterDataWindow(const QString &objectName, Definition definition, QWidget *parent = nullptr);

    // Building the fields, in order; each control gets a label panel before it. Text boxes
    // take the typing rules of their key kind, or none.
    void addIdentifierPanel(const QString &objectName);
    QLineEdit *addIdentifierBox(const QString &objectName, const QString &label, int keyKind);
    QLineEdit *addTextField(const QString &objectName, const QString &label, const QString &column,
                            int maxLength, int keyKind = modUI::KindFree,
                            FieldKind kind = FieldKind::Text);
    QCheckBox *addCheckField(const QString &objectName, const QString &caption,
                             const QString &label, const QString &column);
    QComboBox *addListField(const QString &objectName, const QString &label, const QString &column,
                            const QStringList &items);
    // A list of records of another table, shown by one column and bound to another; filled
    // when the window loads. Written only when its bound value reads as a number.
    QComboBox *addComboField(const QString &objectName, const QString &label, const QString &column,
                             const QString &statement, const QString &shownColumn,
                             const QString &boundColumn);
    static void setComboValue(QComboBox *combo, qint32 value);
    static bool comboHasNumber(const QComboBox *combo);
    // A control without a label of its own, to the right of the last row's controls.
    void addBeside(QWidget *control);
    // The next field goes to the right of the one before, on the same row.
    void placeNextBeside() { m_besideNext = true; }
    // Later fields go on a new page of a tabbed container.
    void addPage(const QString &title);
    void setNameBox(QLineEdit *box) { m_nameBox = box; }
    void setFieldWritten(QWidget *control, bool written);
    void setFieldTrimmed(QWidget *control, bool trimmed);
    QLabel *labelOf(QWidget *control) const;

    // What members change.
    virtual void clearForAddNew();          // clears and sets the defaults of a new record
    virtual void focusForAddNew();          // the identifier box, else the first text box
    virtual bool FormSaveCheck() = 0;       // shows its one message and answers false to stop
    virtual void beforeSave() {}            // runs inside the save, the connection open
    virtual void modeChanged(bool /*edit*/) {}
    virtual void recordLoaded() {}
    virtual void deleteRequested() { subFormDelete(); } // toolbar Delete and the list's key
    virtual QString deleteGuard() { return {}; }        // the first failing guard's reason
    virtual QString deleteQuestion() { return {}; }     // empty: delete without asking
    virtual QString deletedMessage(const QString &identifier, const QString &name) const;

    // Checks shared by the members, and their messages: " 「label」尚未輸入" and
    // " 所建檔的「label」已有重複", each with two line breaks and the second line.
    static QString requiredMessage(const QString &label, const QString &secondLine = QStringLiteral("請重新輸入"));
    static QString duplicateMessage(const QString &label, const QString &secondLine = QStringLiteral("請重新輸入"));
    bool checkRequired(QLineEdit *box, const QString &message);
    bool checkUnique(QLineEdit *box, const QString &message, bool selectText);
    void showCheckMessage(const QString &message, QWidget *focus, bool selectText = false);

    void subFormUserModeModify(bool edit);
    void subFormListRefresh();
    void subFormLoadFirst();
    bool FormLoadRecord(const QString &identifier);
    void subFormAddNew();
    void subFormModify();
    void subFormCancel();
    void subFormQuit();
    void subFormSave();
    bool FormSave();
    void subFormDelete();
    void subFormCaptionRefresh();
    void subFormClear();
    void clearControls(const QList<QWidget *> &controls);
    void clearIdentifier();

    QString identifierText() const;
    QLineEdit *identifierBox() const { return m_idBox; }
    void forgetCurrentRecord();
    QString shownName() const { return m_currentName; }
    QToolBar *toolBar() const { return m_toolBar; }
    QListWidget *list() const { return m_list; }
    QString sqlText(const QString &value) const;

    void showEvent(QShowEvent *event) override;

private:
    struct Field
    {
        QWidget *control = nullptr;
        QString column;
        FieldKind kind = FieldKind::Text;
        bool written = true;
        bool trimmed = false;
        QString statement; // data combos: their items
    };

    void createLayout();
    void addRow(const QString &label, QWidget *control);
    void addField(QWidget *control, const QString &column, FieldKind kind, const QString &statement = {});
    Field *fieldOf(QWidget *control);
    void formLoad();
    void fillCombos();
    void toolBarClicked(const QString &key);
    void dispatch(const QString &key);
    bool keyPreview(QKeyEvent *event);
    bool listKey(QKeyEvent *event);
    void listPicked();
    void listOpened();
    void setBoundValue(const QString &value);
    QString boundValue() const;
    void selectByName(const QString &name);
    void closeWindow();
    void focusFirstTextField();
    void readFields(const Recordset &rs);
    void writeFields(Recordset &rs);
    void writeAudit(Recordset &rs);
    Procedure procedure(const char *name);

    Definition m_definition;
    QString m_baseCaption;
    bool m_loaded = false;
    bool m_addNew = false;
    bool m_editing = false;
    bool m_settingList = false;
    bool m_besideNext = false;
    QString m_idBeforeEdit;
    QString m_currentId;
    QString m_currentName;
    QString m_lastSql;
    int m_recordCount = 0;

    QToolBar *m_toolBar = nullptr;
    QListWidget *m_list = nullptr;
    QHash<QString, int> m_listRows;
    QWidget *m_fieldsArea = nullptr;
    QGridLayout *m_form = nullptr;
    QTabWidget *m_pages = nullptr;
    QLabel *m_idPanel = nullptr;
    QLineEdit *m_idBox = nullptr;
    QLineEdit *m_nameBox = nullptr;
    QList<Field> m_fields;
    QHash<QWidget *, QLabel *> m_labels;
};
