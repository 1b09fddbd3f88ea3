#include "stores/ui/CExclusion_Wizard.h"

#include "stores/PhoneNumberText.h"
#include "stores/ui/CUpdate_Ex_Num.h"
#include "widgets/BackgroundJob.h"
#include "widgets/CSpecialEdit.h"
#include "widgets/SelectedRows.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

std::vector<int> selectedRowsOf(const QListView* view)
{
    return SelectedRows(view->selectionModel());
}

ExclusionWizardServices servicesFor(QWidget* window, ExclusionNumberFile* numberFile,
                                    const ExclusionWizardWiring& wiring)
{
    ExclusionWizardServices services;
    services.stripSeparators = StripNumberSeparators;
    services.isInvalidNumber = IsInvalidNumber;
    services.numberFile = numberFile;
    if (wiring.reloadExclusionSet)
        services.reloadExclusionSet = [window, reload = wiring.reloadExclusionSet] {
            reload(window);
        };
    services.runReading = [window](const std::function<void()>& work) {
        RunBackgroundJobAndWait(window, work);
    };
    return services;
}

} // namespace

CExclusion_Wizard::CExclusion_Wizard(const DataFolder& folder, Prompter& prompter,
                                     ExclusionWizardWiring wiring, QWidget* parent)
    : QDialog(parent), m_wiring(std::move(wiring)),
      m_numberFile(m_wiring.numberFile ? m_wiring.numberFile(this) : nullptr),
      m_logic(folder, prompter, servicesFor(this, m_numberFile.get(), m_wiring)),
      m_prompter(prompter), m_availableModel(new QStringListModel(this)),
      m_inUseModel(new QStringListModel(this)), m_numberModel(new QStringListModel(this))
{
    setWindowTitle(tr("Exclusion List Wizard"));
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildListsPage());
    m_pages->addWidget(buildNewListPage());
    m_pages->addWidget(buildNumbersPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    resize(680, 460);
}

CExclusion_Wizard::~CExclusion_Wizard() = default;

QPushButton* CExclusion_Wizard::button(const QString& text, void (CExclusion_Wizard::*slot)())
{
    auto* pushButton = new QPushButton(text, this);
    pushButton->setAutoDefault(false);
    connect(pushButton, &QPushButton::clicked, this, slot);
    return pushButton;
}

QListView* CExclusion_Wizard::listView(QStringListModel* model)
{
    auto* view = new QListView(this);
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setUniformItemSizes(true);
    view->installEventFilter(this);
    return view;
}

QWidget* CExclusion_Wizard::buildListsPage()
{
    auto* page = new QWidget(this);
    m_available = listView(m_availableModel);
    m_inUse = listView(m_inUseModel);

    auto* availableBox = new QGroupBox(tr("Available Lists"), page);
    auto* availableLayout = new QVBoxLayout(availableBox);
    availableLayout->addWidget(m_available);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(button(tr("Add New"), &CExclusion_Wizard::onAddNew));
    listButtons->addWidget(button(tr("Update"), &CExclusion_Wizard::onUpdate));
    listButtons->addWidget(button(tr("Delete"), &CExclusion_Wizard::onDelete));
    availableLayout->addLayout(listButtons);

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(button(tr("Add >>"), &CExclusion_Wizard::onAdd));
    moves->addWidget(button(tr("Add All >>"), &CExclusion_Wizard::onAddAll));
    moves->addWidget(button(tr("<< Remove"), &CExclusion_Wizard::onRemove));
    moves->addWidget(button(tr("<< Remove All"), &CExclusion_Wizard::onRemoveAll));
    moves->addStretch();

    auto* inUseBox = new QGroupBox(tr("Exclude when sending SMS"), page);
    auto* inUseLayout = new QVBoxLayout(inUseBox);
    inUseLayout->addWidget(m_inUse);
    auto* save = new QHBoxLayout;
    save->addStretch();
    save->addWidget(button(tr("Save"), &CExclusion_Wizard::onSaveInUse));
    inUseLayout->addLayout(save);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    QPushButton* closeButton = button(tr("Close"), &CExclusion_Wizard::reject);
    closeRow->addWidget(closeButton);

    auto* lists = new QHBoxLayout;
    lists->addWidget(availableBox, 1);
    lists->addLayout(moves);
    lists->addWidget(inUseBox, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(lists, 1);
    layout->addLayout(closeRow);
    return page;
}

QWidget* CExclusion_Wizard::buildNewListPage()
{
    auto* page = new QWidget(this);
    m_name = new QLineEdit(page);
    m_name->setMaxLength(ExclusionWizard::NameLimit);
    m_newFilePath = new QLineEdit(page);
    auto* browseButton = new QPushButton(tr("..."), page);
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, [this] { browse(m_newFilePath); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Exclusion List Name : "), page), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Load Exclusion Number from File :"), page), 1, 0);
    grid->addWidget(m_newFilePath, 1, 1);
    grid->addWidget(browseButton, 1, 2);

    auto* navigation = new QHBoxLayout;
    navigation->addStretch();
    navigation->addWidget(button(tr("< Back"), &CExclusion_Wizard::onBack));
    navigation->addWidget(button(tr("Next >"), &CExclusion_Wizard::onNext));
    navigation->addWidget(button(tr("Close"), &CExclusion_Wizard::reject));

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(navigation);
    return page;
}

QWidget* CExclusion_Wizard::buildNumbersPage()
{
    auto* page = new QWidget(this);
    m_title = new QLabel(page);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    m_newName = new QLineEdit(page);
    m_newName->setMaxLength(ExclusionWizard::NameLimit);
    m_updateName = button(tr("Update Name"), &CExclusion_Wizard::onUpdateName);
    m_filePath = new QLineEdit(page);
    auto* browseButton = new QPushButton(tr("..."), page);
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, [this] { browse(m_filePath); });
    m_number = new CSpecialEdit(m_prompter, page);
    m_number->setMaxLength(ExclusionWizard::NumberLimit);
    connect(m_number, &QLineEdit::returnPressed, this, &CExclusion_Wizard::onAddNumber);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Update Exclusion List Name :"), page), 0, 0);
    grid->addWidget(m_newName, 0, 1, 1, 2);
    grid->addWidget(m_updateName, 0, 3);
    grid->addWidget(new QLabel(tr("Load Exclusion Number from File :"), page), 1, 0);
    grid->addWidget(m_filePath, 1, 1);
    grid->addWidget(browseButton, 1, 2);
    grid->addWidget(button(tr("Load"), &CExclusion_Wizard::onLoad), 1, 3);
    grid->addWidget(new QLabel(tr("Exclusion Number :"), page), 2, 0);
    grid->addWidget(m_number, 2, 1, 1, 2);
    grid->addWidget(button(tr("Add Number"), &CExclusion_Wizard::onAddNumber), 2, 3);

    m_numbers = listView(m_numberModel);
    m_total = new QLabel(page);
    auto* numberButtons = new QVBoxLayout;
    numberButtons->addWidget(button(tr("Update Number"), &CExclusion_Wizard::onUpdateNumber));
    numberButtons->addWidget(button(tr("Remove Number"), &CExclusion_Wizard::onRemoveNumber));
    numberButtons->addWidget(button(tr("Export Number"), &CExclusion_Wizard::onExportNumber));
    numberButtons->addStretch();
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(m_numbers, 1);
    numbers->addLayout(numberButtons);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(m_total);
    navigation->addStretch();
    navigation->addWidget(button(tr("< Back"), &CExclusion_Wizard::onBack));
    navigation->addWidget(button(tr("Save"), &CExclusion_Wizard::onSaveList));
    navigation->addWidget(button(tr("Close"), &CExclusion_Wizard::reject));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_title);
    layout->addLayout(grid);
    layout->addLayout(numbers, 1);
    layout->addLayout(navigation);
    return page;
}

QString CExclusion_Wizard::totalNumbersText() const
{
    return m_total->text();
}

void CExclusion_Wizard::refresh()
{
    if (m_availableModel->stringList() != m_logic.availableLists())
        m_availableModel->setStringList(m_logic.availableLists());
    if (m_inUseModel->stringList() != m_logic.inUseLists())
        m_inUseModel->setStringList(m_logic.inUseLists());
    if (m_numberModel->stringList() != m_logic.numbers())
        m_numberModel->setStringList(m_logic.numbers());
    m_pages->setCurrentIndex(int(m_logic.page()));
    m_total->setText(m_logic.totalNumbersText());
    const bool existing = m_logic.page() == ExclusionWizard::Page::Numbers && !m_logic.isNewList();
    m_newName->setEnabled(existing);
    m_updateName->setEnabled(existing);
    if (m_logic.page() == ExclusionWizard::Page::Numbers) {
        m_title->setText(m_logic.listName());
        m_name->setText(m_logic.listName());
    }
    // Editing an existing list: its name changes only through "Update Name".
    m_name->setReadOnly(existing);
}

void CExclusion_Wizard::browse(QLineEdit* target)
{
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), target->text(), tr("Text & Excel Files (*.txt *.xls *.xlsx)"));
    if (!path.isEmpty())
        target->setText(path);
}

void CExclusion_Wizard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_logic.start();
        refresh();
    }
}

void CExclusion_Wizard::onAdd()
{
    m_logic.addToInUse(selectedRowsOf(m_available));
    refresh();
}

void CExclusion_Wizard::onAddAll()
{
    m_logic.addAllToInUse();
    refresh();
}

void CExclusion_Wizard::onRemove()
{
    m_logic.removeFromInUse(selectedRowsOf(m_inUse));
    refresh();
}

void CExclusion_Wizard::onRemoveAll()
{
    m_logic.removeAllFromInUse();
    refresh();
}

void CExclusion_Wizard::onSaveInUse()
{
    m_logic.saveInUse();
    refresh();
}

void CExclusion_Wizard::onAddNew()
{
    m_logic.addNew();
    m_name->clear();
    m_newFilePath->clear();
    refresh();
    m_name->setFocus();
}

void CExclusion_Wizard::onUpdate()
{
    if (m_logic.updateList(selectedRowsOf(m_available))) {
        m_newName->setText(m_logic.listName());
        m_filePath->clear();
        m_number->clear();
    }
    refresh();
}

void CExclusion_Wizard::onDelete()
{
    m_logic.deleteLists(selectedRowsOf(m_available));
    refresh();
}

void CExclusion_Wizard::onNext()
{
    m_filePath->clear();
    m_number->clear();
    m_logic.next(m_name->text(), m_newFilePath->text());
    refresh();
    if (m_logic.page() == ExclusionWizard::Page::Numbers)
        m_number->setFocus();
}

void CExclusion_Wizard::onBack()
{
    m_logic.back();
    refresh();
}

void CExclusion_Wizard::onLoad()
{
    m_logic.loadNumbers(m_filePath->text());
    refresh();
}

void CExclusion_Wizard::onAddNumber()
{
    if (m_logic.addNumber(m_number->text()))
        m_number->clear();
    refresh();
    m_number->setFocus();
}

void CExclusion_Wizard::onUpdateNumber()
{
    const std::optional<int> row = m_logic.numberToUpdate(selectedRowsOf(m_numbers));
    if (!row)
        return;
    CUpdate_Ex_Num dialog(
        m_logic.numbers().at(*row),
        [this, row](const QString& text) { return m_logic.updateNumber(*row, text); }, m_prompter,
        this);
    if (dialog.exec() == QDialog::Accepted)
        refresh();
}

void CExclusion_Wizard::onRemoveNumber()
{
    m_logic.removeNumbers(selectedRowsOf(m_numbers));
    refresh();
}

void CExclusion_Wizard::onExportNumber()
{
    if (m_wiring.exportNumbers)
        m_wiring.exportNumbers(this, m_logic.numbers());
}

void CExclusion_Wizard::onSaveList()
{
    m_logic.saveList();
    refresh();
}

void CExclusion_Wizard::onUpdateName()
{
    if (m_logic.renameList(m_newName->text()))
        m_newName->setText(m_logic.listName());
    refresh();
}

void CExclusion_Wizard::finish()
{
    m_closing = true;
    QDialog::reject();
}

void CExclusion_Wizard::reject()
{
    if (m_closing || m_logic.close())
        finish();
    else
        refresh();
}

void CExclusion_Wizard::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    reject();
}

bool CExclusion_Wizard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            if (watched == m_available) {
                onDelete();
                return true;
            }
            if (watched == m_inUse) {
                onRemove();
                return true;
            }
            if (watched == m_numbers) {
                onRemoveNumber();
                return true;
            }
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched == m_numbers) {
            onUpdateNumber();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
