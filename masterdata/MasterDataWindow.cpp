#include "masterdata/MasterDataWindow.h"

#include "app/Procedure.h"
#include "ui/FocusMoves.h"
#include "ui/KeyPreview.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Entering the list selects nothing by itself: a row is current only when one is picked.
class RecordList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        const bool noneCurrent = !currentIndex().isValid();
        const QSignalBlocker blocker(this);
        QListWidget::focusInEvent(event);
        if (noneCurrent)
            selectionModel()->clearCurrentIndex();
    }
};

} // namespace

QList<modUI::ToolButtonEntry> MasterDataWindow::StandardToolButtons()
{
    return {
        {QStringLiteral("AddNew"), QStringLiteral("　新增　"), QStringLiteral("新增一筆產品主檔（快速鍵：Ctrl + N）")},
        {QStringLiteral("Modify"), QStringLiteral("修改"), QStringLiteral("修改目前的產品資料（快速鍵：F2）")},
        {QStringLiteral("Delete"), QStringLiteral("刪除"), QStringLiteral("刪除目前這筆產品資料（快速鍵：Delete）")},
        {QString(), QString(), QString()},
        {QStringLiteral("Cancel"), QStringLiteral("取消"), QStringLiteral("取消目前的作業（快速鍵：ESC）")},
        {QStringLiteral("Save"), QStringLiteral("儲存"), QStringLiteral("儲存目前的編輯作業（快速鍵：Ctrl + S）")},
        {QString(), QString(), QString()},
        {QStringLiteral("Print"), QStringLiteral("列印"), QString()},
        {QStringLiteral("Quit"), QStringLiteral("離開"), QStringLiteral("離開此表單（快速鍵：ESC）")},
    };
}

MasterDataWindow::MasterDataWindow(const QString &objectName, Definition definition, QWidget *parent)
    : QDialog(parent), m_definition(std::move(definition))
{
    setObjectName(objectName);
    setWindowTitle(m_definition.caption);
    createLayout();
    modUI::InstallKeyPreview(this, [this](QKeyEvent *event) { return keyPreview(event); });
}

void MasterDataWindow::createLayout()
{
    const QList<modUI::ToolButtonEntry> buttons = m_definition.toolButtons.isEmpty()
        ? StandardToolButtons() : m_definition.toolButtons;
    m_toolBar = modUI::CreateToolBar(this, QStringLiteral("tlbMain"), buttons,
                                     [this](const QString &key) { toolBarClicked(key); });
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_fieldsArea = new QWidget(this);
    m_form = new QGridLayout(m_fieldsArea);
    m_form->setContentsMargins(0, 0, 0, 0);
    m_form->setVerticalSpacing(4);

    m_list = new RecordList(this);
    m_list->setObjectName(m_definition.listObjectName);
    m_list->setUniformItemSizes(true);
    m_list->setFixedWidth(200);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { listPicked(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { listOpened(); });
    modUI::InstallKeyPreview(m_list, [this](QKeyEvent *event) { return listKey(event); });

    auto *body = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(m_fieldsArea);
    left->addStretch();
    body->addLayout(left);
    body->addWidget(m_list);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_toolBar);
    layout->addLayout(body);
}


void MasterDataWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint);
        frame->move(0, 0);
    }
    formLoad();
}

void MasterDataWindow::toolBarClicked(const QString &key)
{
    procedure("tlbMain_ButtonClick").step([&] { dispatch(key); });
}

void MasterDataWindow::dispatch(const QString &key)
{
    if (key == QLatin1String("AddNew"))
        subFormAddNew();
    else if (key == QLatin1String("Modify"))
        subFormModify();
    else if (key == QLatin1String("Delete"))
        deleteRequested();
    else if (key == QLatin1String("Cancel"))
        subFormCancel();
    else if (key == QLatin1String("Save"))
        subFormSave();
    else if (key == QLatin1String("Quit"))
        closeWindow();
}

bool MasterDataWindow::keyPreview(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    if (m_editing) {
        if (key == Qt::Key_Escape)
            subFormCancel();
        else if (ctrl && key == Qt::Key_S)
            subFormSave();
        else if (ctrl && key == Qt::Key_Q)
            closeWindow();
        else
            return false;
        return true;
    }
    if (key == Qt::Key_Escape)
        subFormQuit();
    else if (key == Qt::Key_Insert || (ctrl && key == Qt::Key_N))
        subFormAddNew();
    else if (key == Qt::Key_F2)
        subFormModify();
    else
        return false;
    return true;
}

bool MasterDataWindow::listKey(QKeyEvent *event)
{
    if (m_editing || !m_definition.listKeys)
        return m_definition.listKeys ? false : keyPreview(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        subFormModify();
        return true;
    }
    if (event->key() == Qt::Key_Delete) {
        deleteRequested();
        return true;
    }
    return keyPreview(event);
}

void MasterDataWindow::listPicked()
{
    if (m_settingList)
        return;
    const QString value = boundValue();
    if (value.trimmed().isEmpty())
        return;
    FormLoadRecord(value);
    subFormCaptionRefresh();
}

void MasterDataWindow::listOpened()
{
    const QString value = boundValue();
    if (!value.trimmed().isEmpty())
        FormLoadRecord(value);
    subFormModify();
}

QString MasterDataWindow::boundValue() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void MasterDataWindow::setBoundValue(const QString &value)
{
    m_settingList = true;
    m_list->setCurrentRow(m_listRows.value(value, -1));
    m_settingList = false;
}

void MasterDataWindow::selectByName(const QString &name)
{
    const QList<QListWidgetItem *> found = m_list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    m_settingList = true;
    m_list->setCurrentItem(found.first());
    m_settingList = false;
}

void MasterDataWindow::closeWindow()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else if (isModal())
        reject();
    else
        close();
}

void MasterDataWindow::subFormCaptionRefresh()
{
    QString mode;
    if (m_addNew)
        mode = QStringLiteral("（新增模式）");
    else if (m_editing)
        mode = QStringLiteral("（修改模式）");
    else if (m_definition.closingText.isEmpty())
        mode = QStringLiteral("（瀏覽模式）");
    else
        mode = QStringLiteral("（瀏覽模式／共 ") + QString::number(m_recordCount) + m_definition.closingText;
    setWindowTitle(m_baseCaption + QStringLiteral("：") + m_currentId + QStringLiteral(" - ")
                   + m_currentName + mode);
}


void MasterDataWindow::subFormAddNew()
{
    m_idBeforeEdit = boundValue();
    clearForAddNew();
    m_editing = m_addNew = true;
    subFormUserModeModify(true);
    focusForAddNew();
}

void MasterDataWindow::focusForAddNew()
{
    if (!modUI::SetFocusTextBox(m_idBox, true))
        focusFirstTextField();
}

void MasterDataWindow::forgetCurrentRecord()
{
    m_currentId.clear();
    m_currentName.clear();
}

void MasterDataWindow::focusFirstTextField()
{
    for (const Field &field : m_fields)
        if (modUI::SetFocusTextBox(qobject_cast<QLineEdit *>(field.control), true))
            return;
}

void MasterDataWindow::clearForAddNew() { subFormClear(); }

void MasterDataWindow::subFormModify()
{
    if (identifierText().trimmed().isEmpty())
        return; // nothing shown to modify
    m_addNew = false;
    m_editing = true;
    subFormUserModeModify(true);
    m_idBeforeEdit = m_currentId = identifierText();
    if (!modUI::SetFocusTextBox(m_nameBox, true))
        focusFirstTextField(); // a name that may not change
}

void MasterDataWindow::subFormCancel()
{
    m_editing = m_addNew = false;
    subFormUserModeModify(false);
    FormLoadRecord(m_idBeforeEdit);
    setBoundValue(m_idBeforeEdit);
    subFormCaptionRefresh();
    modUI::SetFocusControl(m_list);
}

void MasterDataWindow::subFormQuit()
{
    if (!m_editing)
        closeWindow();
}
