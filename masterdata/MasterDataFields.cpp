// Building the fields of a master-data window and clearing them.
#include "masterdata/MasterDataWindow.h"

#include "ui/TextBoxBehaviour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace {

constexpr int LabelWidth = 96;
constexpr int FieldWidth = 230;

QLabel *labelPanel(const QString &text, QWidget *parent)
{
    auto *panel = new QLabel(text, parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedWidth(LabelWidth);
    panel->setMinimumHeight(26);
    return panel;
}

} // namespace

void MasterDataWindow::addRow(const QString &label, QWidget *control)
{
    QGridLayout *form = m_form;
    QWidget *owner = m_pages ? m_pages->widget(m_pages->count() - 1) : m_fieldsArea;
    if (m_pages)
        form = static_cast<QGridLayout *>(owner->layout());
    const bool beside = m_besideNext && form->rowCount() > 0;
    m_besideNext = false;
    const int row = beside ? form->rowCount() - 1 : form->rowCount();
    const int column = beside ? 2 : 0;
    if (!label.isNull()) {
        QLabel *panel = labelPanel(label, owner);
        panel->setObjectName(control->objectName() + QStringLiteral("_Label"));
        m_labels.insert(control, panel);
        form->addWidget(panel, row, column);
    }
    control->setParent(owner);
    form->addWidget(control, row, column + 1);
}

void MasterDataWindow::addBeside(QWidget *control)
{
    QWidget *owner = m_pages ? m_pages->widget(m_pages->count() - 1) : m_fieldsArea;
    auto *form = static_cast<QGridLayout *>(owner->layout());
    const int row = form->rowCount() - 1;
    int column = 2;
    while (form->itemAtPosition(row, column))
        ++column;
    control->setParent(owner);
    form->addWidget(control, row, column);
}

void MasterDataWindow::addIdentifierPanel(const QString &objectName)
{
    m_idPanel = new QLabel(this);
    m_idPanel->setObjectName(objectName);
    m_idPanel->setFrameShape(QFrame::Panel);
    m_idPanel->setFrameShadow(QFrame::Sunken);
    m_idPanel->setFixedWidth(FieldWidth);
    m_idPanel->setMinimumHeight(26);
    addRow(QStringLiteral("流水編號"), m_idPanel);
}

QLineEdit *MasterDataWindow::addIdentifierBox(const QString &objectName, const QString &label, int keyKind)
{
    m_idBox = new QLineEdit(this);
    m_idBox->setObjectName(objectName);
    m_idBox->setMaxLength(m_definition.identifierLength);
    m_idBox->setFixedWidth(FieldWidth);
    QPalette blue = m_idBox->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    m_idBox->setPalette(blue);
    modUI::AttachTextBox(m_idBox, keyKind);
    // A typed code counts as the current identifier once the clerk leaves its box.
    connect(m_idBox, &QLineEdit::editingFinished, this, [this] {
        m_idBox->setText(m_idBox->text().trimmed().toUpper());
        m_currentId = m_idBox->text();
    });
    addRow(label, m_idBox);
    return m_idBox;
}

QLineEdit *MasterDataWindow::addTextField(const QString &objectName, const QString &label,
                                          const QString &column, int maxLength, int keyKind,
                                          FieldKind kind)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setMaxLength(maxLength);
    box->setFixedWidth(FieldWidth);
    modUI::AttachTextBox(box, keyKind);
    addRow(label, box);
    addField(box, column, kind);
    return box;
}

QCheckBox *MasterDataWindow::addCheckField(const QString &objectName, const QString &caption,
                                           const QString &label, const QString &column)
{
    auto *check = new QCheckBox(caption, this);
    check->setObjectName(objectName);
    addRow(label.isEmpty() ? QString() : label, check);
    addField(check, column, FieldKind::Flag);
    return check;
}

QComboBox *MasterDataWindow::addListField(const QString &objectName, const QString &label,
                                          const QString &column, const QStringList &items)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(objectName);
    combo->addItems(items);
    combo->setFixedWidth(FieldWidth / 2);
    addRow(label, combo);
    addField(combo, column, FieldKind::ListNumber);
    return combo;
}

QComboBox *MasterDataWindow::addComboField(const QString &objectName, const QString &label,
                                           const QString &column, const QString &statement,
                                           const QString &shownColumn, const QString &boundColumn)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(objectName);
    combo->setFixedWidth(FieldWidth);
    combo->setProperty("shownColumn", shownColumn);
    combo->setProperty("boundColumn", boundColumn);
    addRow(label, combo);
    addField(combo, column, FieldKind::DataCombo, statement);
    return combo;
}

void MasterDataWindow::setComboValue(QComboBox *combo, qint32 value)
{
    combo->setCurrentIndex(combo->findData(value));
}

bool MasterDataWindow::comboHasNumber(const QComboBox *combo)
{
    bool ok = false;
    combo->currentData().toString().toDouble(&ok);
    return ok;
}

void MasterDataWindow::addPage(const QString &title)
{
    if (!m_pages) {
        m_pages = new QTabWidget(m_fieldsArea);
        m_pages->setObjectName(QStringLiteral("tabMain"));
        m_form->addWidget(m_pages, m_form->rowCount(), 0, 1, 2);
    }
    auto *page = new QWidget(m_pages);
    new QGridLayout(page);
    m_pages->addTab(page, title);
}

void MasterDataWindow::addField(QWidget *control, const QString &column, FieldKind kind,
                                const QString &statement)
{
    Field field;
    field.control = control;
    field.column = column;
    field.kind = kind;
    field.statement = statement;
    m_fields.append(field);
}

MasterDataWindow::Field *MasterDataWindow::fieldOf(QWidget *control)
{
    for (Field &field : m_fields)
        if (field.control == control)
            return &field;
    return nullptr;
}

void MasterDataWindow::setFieldWritten(QWidget *control, bool written)
{
    if (Field *field = fieldOf(control))
        field->written = written;
}

void MasterDataWindow::setFieldTrimmed(QWidget *control, bool trimmed)
{
    if (Field *field = fieldOf(control))
        field->trimmed = trimmed;
}

QLabel *MasterDataWindow::labelOf(QWidget *control) const { return m_labels.value(control); }

void MasterDataWindow::subFormClear()
{
    QList<QWidget *> controls;
    for (const Field &field : m_fields)
        controls << field.control;
    clearControls(controls);
    clearIdentifier();
}

void MasterDataWindow::clearIdentifier()
{
    if (m_idPanel)
        m_idPanel->clear();
    if (m_idBox)
        m_idBox->clear();
}

void MasterDataWindow::clearControls(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        if (auto *box = qobject_cast<QLineEdit *>(control))
            box->clear();
        else if (auto *check = qobject_cast<QCheckBox *>(control))
            check->setChecked(false);
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentIndex(-1);
        else if (auto *panel = qobject_cast<QLabel *>(control))
            panel->clear();
    }
}

QString MasterDataWindow::identifierText() const
{
    if (m_idBox)
        return m_idBox->text();
    return m_idPanel ? m_idPanel->text() : QString();
}
