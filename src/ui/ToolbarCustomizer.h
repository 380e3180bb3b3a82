#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class ModalRunner;
class QAction;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolBar;
class QWidget;

// The command toolbar's customise dialog. It lists every entry of the
// toolbar, the shown ones checked and in their order, and lets the player
// show, hide and reorder them. It works on a layout (the keys of the shown
// entries, in order) and reports every change at once through
// layoutChanged(), so the toolbar follows while the dialog is still open.
class ToolbarCustomizer : public QDialog {
    Q_OBJECT
public:
    explicit ToolbarCustomizer(const QStringList& layout, QWidget* parent = nullptr);

    QListWidget* EntryList; // one checkable row per entry, in toolbar order
    QPushButton* MoveUpButton;
    QPushButton* MoveDownButton;
    QPushButton* ResetButton;
    QPushButton* CloseButton;

    // The layout as the dialog shows it now.
    QStringList layout() const;
    // The row of the entry with this key (compared in upper case), or -1.
    int rowOf(const QString& key) const;

signals:
    void layoutChanged(const QStringList& layout);

private slots:
    void moveCurrent(int step);
    void resetLayout();
    void listChanged();
    void updateButtons();

private:
    void fill(const QStringList& layout);
    QListWidgetItem* makeItem(int entryIndex, bool shown) const;

    QStringList reported_; // the layout last reported (or given)
    bool filling_ = false;
};

// Shows the customise dialog modally (through `modals`) on `layout`.
// `changed` hears every change as it is made. Returns the layout the player
// left the dialog with.
QStringList customizeToolbar(ModalRunner& modals, QWidget* parent, const QStringList& layout,
                             const std::function<void(const QStringList&)>& changed);

// Puts the layout onto `toolbar`: clears it, then adds the shown entries in
// order, the actions from `actions` (by entry key) and a separator for each
// separator entry. The layout is sanitised first; keys without an action are
// skipped. Separators it made earlier are deleted, so it may be called again
// after every change.
void applyToolbarLayout(QToolBar* toolbar, const QStringList& layout,
                        const QHash<QString, QAction*>& actions);
