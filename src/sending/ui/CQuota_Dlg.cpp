#include "sending/ui/CQuota_Dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The "Assign Quota" editor takes decimal digits only, no more of them than a usable quota has.
class DigitsDelegate : public QStyledItemDelegate
{
public:
    DigitsDelegate(int maxDigits, QObject* parent)
        : QStyledItemDelegate(parent), m_maxDigits(maxDigits)
    {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), editor));
        editor->setMaxLength(m_maxDigits);
        return editor;
    }

private:
    int m_maxDigits;
};

} // namespace

CQuota_Dlg::CQuota_Dlg(DeviceState& devices, Prompter& prompter, int recipientCount,
                       QWidget* parent)
    : QDialog(parent), m_logic(devices, prompter), m_list(new QTableWidget(this)),
      m_all(new QCheckBox(tr("All"), this)), m_total(new QLabel(this)),
      m_assigned(new QLabel(this)), m_available(new QLabel(this))
{
    setWindowTitle(tr("Assign Quota"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Quota assignments are set as per ideal circumstances. Actual "
                               "quota may vary on the basis of network errors, retries attempts "
                               "and other connectivity parameters."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(m_all);
    m_list->setColumnCount(ColumnCount);
    m_list->setHorizontalHeaderLabels(
        {tr("Com Port"), tr("Com Port Details"), tr("Quota Type"), tr("Assign Quota")});
    const int widths[ColumnCount] = {100, 250, 120, 120};
    for (int c = 0; c < ColumnCount; ++c)
        m_list->setColumnWidth(c, widths[c]);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setShowGrid(true);
    m_list->verticalHeader()->hide();
    // Every column shows at opening: the editable ones are the last two.
    m_list->setMinimumWidth(m_list->horizontalHeader()->length() + 2 * m_list->frameWidth() +
                            m_list->verticalScrollBar()->sizeHint().width());
    m_list->installEventFilter(this);
    layout->addWidget(m_list, 1);
    auto* totals = new QFormLayout;
    totals->addRow(tr("Total Messages :"), m_total);
    totals->addRow(tr("Quota Assigned :"), m_assigned);
    totals->addRow(tr("Available Quota :"), m_available);
    layout->addLayout(totals);
    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(tr("Reset"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    // Enter belongs to the list (it edits a cell); no button takes it.
    for (QPushButton* button : {reset, ok, cancel})
        button->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &CQuota_Dlg::onReset);
    connect(ok, &QPushButton::clicked, this, &CQuota_Dlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CQuota_Dlg::reject);
    connect(m_list, &QTableWidget::itemChanged, this, &CQuota_Dlg::onItemChanged);
    connect(m_all, &QCheckBox::toggled, this, &CQuota_Dlg::onAllToggled);

    m_logic.open(recipientCount);
    m_list->setItemDelegateForColumn(AssignQuotaColumn,
                                     new DigitsDelegate(m_logic.maxQuotaDigits(), m_list));
    fillRows();
    if (m_list->rowCount() > 0)
        m_list->selectRow(0);
}

void CQuota_Dlg::fillRows()
{
    m_filling = true;
    const QList<QuotaRow>& rows = m_logic.rows();
    m_list->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QuotaRow& row = rows[r];
        auto* port = new QTableWidgetItem(row.comPort);
        port->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        port->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
        m_list->setItem(r, ComPortColumn, port);
        auto* details = new QTableWidgetItem(row.details);
        details->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_list->setItem(r, DetailsColumn, details);
        auto* type = new QComboBox(m_list);
        type->addItems({QStringLiteral("Auto"), QStringLiteral("Manual")});
        type->setCurrentText(row.quotaType);
        connect(type, &QComboBox::textActivated, this,
                [this, r](const QString& text) { onTypeChosen(r, text); });
        m_list->setCellWidget(r, QuotaTypeColumn, type);
        auto* quota = new QTableWidgetItem(row.assignQuota);
        const bool manual = row.quotaType != u"Auto";
        quota->setFlags(manual ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                               : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_list->setItem(r, AssignQuotaColumn, quota);
    }
    m_filling = false;
    refreshTotals();
}

bool CQuota_Dlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    editCurrentCell();
    return true;
}

void CQuota_Dlg::editCurrentCell()
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid())
        return;
    if (auto* type = qobject_cast<QComboBox*>(m_list->cellWidget(current.row(), current.column())))
        type->showPopup();
    else if (current.flags().testFlag(Qt::ItemIsEditable))
        m_list->edit(current);
}

void CQuota_Dlg::refreshTotals()
{
    m_total->setText(QString::number(m_logic.totalMessages()));
    m_assigned->setText(QString::number(m_logic.quotaAssigned()));
    m_available->setText(QString::number(m_logic.availableQuota()));
    const QSignalBlocker blocker(m_all);
    m_all->setChecked(!m_logic.rows().isEmpty() && m_logic.allTicked());
}

void CQuota_Dlg::onItemChanged(QTableWidgetItem* item)
{
    if (m_filling)
        return;
    if (item->column() == ComPortColumn)
        m_logic.setTicked(item->row(), item->checkState() == Qt::Checked);
    else if (item->column() == AssignQuotaColumn &&
             !m_logic.setAssignQuota(item->row(), item->text())) {
        const QSignalBlocker blocker(m_list);
        item->setText(m_logic.rows()[item->row()].assignQuota);
    }
    refreshTotals();
}

void CQuota_Dlg::onTypeChosen(int row, const QString& type)
{
    m_logic.changeQuotaType(row, type);
    fillRows();
}

void CQuota_Dlg::onAllToggled(bool ticked)
{
    m_logic.setAllTicked(ticked);
    fillRows();
}

void CQuota_Dlg::onReset()
{
    if (m_logic.reset())
        fillRows();
}

void CQuota_Dlg::accept()
{
    if (m_logic.accept())
        QDialog::accept();
}

void CQuota_Dlg::reject()
{
    m_logic.cancel();
    QDialog::reject();
}

QString CQuota_Dlg::totalText() const
{
    return m_total->text();
}

QString CQuota_Dlg::assignedText() const
{
    return m_assigned->text();
}

QString CQuota_Dlg::availableText() const
{
    return m_available->text();
}
