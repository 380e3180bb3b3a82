#include "ui/ToolbarCustomizer.h"

#include "ui/ModalRunner.h"
#include "ui/ToolbarEntries.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 24;
const char* const kLayoutSeparator = "vorkaLayoutSeparator";

// Separators have no picture of their own; a short rule stands in for one so
// the rows line up.
QIcon separatorIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 2));
    painter.drawLine(kIconSize / 2, 3, kIconSize / 2, kIconSize - 3);
    return QIcon(pixmap);
}

QAction* actionFor(const QString& key, const QHash<QString, QAction*>& actions) {
    if (QAction* action = actions.value(key)) return action;
    for (auto it = actions.cbegin(); it != actions.cend(); ++it)
        if (it.key().compare(key, Qt::CaseInsensitive) == 0) return it.value();
    return nullptr;
}

} // namespace

ToolbarCustomizer::ToolbarCustomizer(const QStringList& layout, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ToolbarCustomizer"));
    setWindowTitle(tr("Customize Toolbar"));

    auto* explanation =
        new QLabel(tr("Tick the buttons the toolbar should show. Select one and use Move Up or "
                      "Move Down, or drag it, to change the order. Every change takes effect at "
                      "once and is kept for next time."),
                   this);
    explanation->setWordWrap(true);

    EntryList = new QListWidget(this);
    EntryList->setObjectName(QStringLiteral("EntryList"));
    EntryList->setIconSize(QSize(kIconSize, kIconSize));
    EntryList->setSelectionMode(QAbstractItemView::SingleSelection);
    EntryList->setDragDropMode(QAbstractItemView::InternalMove);
    EntryList->setDefaultDropAction(Qt::MoveAction);
    EntryList->setSpacing(1);

    //: Button. Pick an access letter unique in this dialog.
    MoveUpButton = new QPushButton(tr("Move &Up"), this);
    MoveUpButton->setObjectName(QStringLiteral("MoveUpButton"));
    //: Button. Pick an access letter unique in this dialog.
    MoveDownButton = new QPushButton(tr("Move &Down"), this);
    MoveDownButton->setObjectName(QStringLiteral("MoveDownButton"));
    //: Button that brings back the designed toolbar. Pick an access letter unique in this dialog.
    ResetButton = new QPushButton(tr("&Reset"), this);
    ResetButton->setObjectName(QStringLiteral("ResetButton"));
    ResetButton->setToolTip(tr("Shows the original buttons in their original order"));
    //: Button that closes the dialog.
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    for (QPushButton* button : {MoveUpButton, MoveDownButton, ResetButton})
        button->setAutoDefault(false);
    CloseButton->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(MoveUpButton);
    buttons->addWidget(MoveDownButton);
    buttons->addStretch();
    buttons->addWidget(ResetButton);
    buttons->addWidget(CloseButton);
    auto* body = new QHBoxLayout;
    body->addWidget(EntryList, 1);
    body->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(explanation);
    outer->addLayout(body, 1);

    fill(layout);
    EntryList->setMinimumHeight(EntryList->count() * (kIconSize + 8) + 6);
    EntryList->setMinimumWidth(260);
    EntryList->setCurrentRow(0);
    reported_ = this->layout();

    QAbstractItemModel* model = EntryList->model();
    connect(model, &QAbstractItemModel::dataChanged, this, &ToolbarCustomizer::listChanged);
    connect(model, &QAbstractItemModel::rowsMoved, this, &ToolbarCustomizer::listChanged);
    connect(EntryList, &QListWidget::currentRowChanged, this, &ToolbarCustomizer::updateButtons);
    connect(MoveUpButton, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(MoveDownButton, &QPushButton::clicked, this, [this] { moveCurrent(+1); });
    connect(ResetButton, &QPushButton::clicked, this, &ToolbarCustomizer::resetLayout);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    updateButtons();
}

QListWidgetItem* ToolbarCustomizer::makeItem(int entryIndex, bool shown) const {
    const ToolbarEntry& entry = toolbarEntries()[entryIndex];
    auto* item = new QListWidgetItem(entry.isSeparator() ? separatorIcon() : QIcon(entry.icon),
                                     entry.shownDescription());
    item->setData(Qt::UserRole, entry.key);
    item->setToolTip(entry.shownToolTip());
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                   Qt::ItemIsDragEnabled);
    item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    return item;
}

// The shown entries first, in the layout's order, then the hidden ones in
// their designed order.
void ToolbarCustomizer::fill(const QStringList& layout) {
    filling_ = true;
    const QStringList shown = sanitizedToolbarLayout(layout);
    EntryList->clear();
    for (const QString& key : shown) EntryList->addItem(makeItem(toolbarEntryIndex(key), true));
    for (int i = 0; i < toolbarEntries().size(); ++i)
        if (!shown.contains(toolbarEntries()[i].key)) EntryList->addItem(makeItem(i, false));
    filling_ = false;
}

QStringList ToolbarCustomizer::layout() const {
    QStringList keys;
    for (int row = 0; row < EntryList->count(); ++row) {
        const QListWidgetItem* item = EntryList->item(row);
        if (item->checkState() == Qt::Checked) keys << item->data(Qt::UserRole).toString();
    }
    return keys;
}

int ToolbarCustomizer::rowOf(const QString& key) const {
    for (int row = 0; row < EntryList->count(); ++row)
        if (EntryList->item(row)->data(Qt::UserRole).toString().compare(key, Qt::CaseInsensitive) ==
            0)
            return row;
    return -1;
}

void ToolbarCustomizer::moveCurrent(int step) {
    const int row = EntryList->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= EntryList->count()) return;
    // moveRow inserts before its destination, so a move down goes one further.
    EntryList->model()->moveRow(QModelIndex(), row, QModelIndex(), step > 0 ? target + 1 : target);
    EntryList->setCurrentRow(target);
    updateButtons();
}

void ToolbarCustomizer::resetLayout() {
    fill(designedToolbarLayout());
    EntryList->setCurrentRow(0);
    listChanged();
}

void ToolbarCustomizer::listChanged() {
    if (filling_) return;
    const QStringList now = layout();
    if (now != reported_) {
        reported_ = now;
        emit layoutChanged(now);
    }
    updateButtons();
}

void ToolbarCustomizer::updateButtons() {
    const int row = EntryList->currentRow();
    MoveUpButton->setEnabled(row > 0);
    MoveDownButton->setEnabled(row >= 0 && row < EntryList->count() - 1);
}

QStringList customizeToolbar(ModalRunner& modals, QWidget* parent, const QStringList& layout,
                             const std::function<void(const QStringList&)>& changed) {
    ToolbarCustomizer dialog(layout, parent);
    QObject::connect(&dialog, &ToolbarCustomizer::layoutChanged, &dialog,
                     [&changed](const QStringList& now) {
                         if (changed) changed(now);
                     });
    modals.run(dialog);
    return dialog.layout();
}

void applyToolbarLayout(QToolBar* toolbar, const QStringList& layout,
                        const QHash<QString, QAction*>& actions) {
    const QList<QAction*> previous = toolbar->actions();
    toolbar->clear();
    for (QAction* action : previous)
        if (action->parent() == toolbar && action->property(kLayoutSeparator).toBool())
            delete action;

    for (const QString& key : sanitizedToolbarLayout(layout)) {
        const ToolbarEntry& entry = toolbarEntries()[toolbarEntryIndex(key)];
        if (entry.isSeparator()) {
            auto* separator = new QAction(toolbar);
            separator->setSeparator(true);
            separator->setObjectName(entry.key);
            separator->setProperty(kLayoutSeparator, true);
            toolbar->addAction(separator);
        } else if (QAction* action = actionFor(entry.key, actions)) {
            toolbar->addAction(action);
        }
    }
}
