#include "ui/HintWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

HintWindow::HintWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("HintWindow"));
    //: Title of the window that shows what each choice is worth.
    setWindowTitle(tr("Hint"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    Heading = new QLabel(this);
    Heading->setObjectName(QStringLiteral("Heading"));
    Heading->setTextFormat(Qt::PlainText);
    Heading->setWordWrap(true);

    Values = new QTreeWidget(this);
    Values->setObjectName(QStringLiteral("Values"));
    Values->setColumnCount(2);
    //: Column heading: what the player can do (roll, or score a category).
    Values->setHeaderLabels({tr("Choice"), tr("Expected final score")});
    Values->setRootIsDecorated(false);
    Values->setSelectionMode(QAbstractItemView::NoSelection);
    Values->setFocusPolicy(Qt::NoFocus);
    Values->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    Values->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Values->header()->setStretchLastSection(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading);
    layout->addWidget(Values);
    resize(330, 470);
}

QString HintWindow::choiceText(const Choice& choice) {
    switch (choice.kind) {
    case Choice::Kind::RollAll:
        return tr("Roll all dice");
    case Choice::Kind::RollDie:
        //: %1 is the die's number, 1 to 5 from the left.
        return tr("Roll die %1").arg(choice.die + 1);
    case Choice::Kind::Score:
        //: %1 is a category's name, such as "Full House".
        return tr("Score %1").arg(categoryName(choice.category));
    }
    return {};
}

QString HintWindow::valueText(double value) {
    // With the decimal sign of the player's language.
    return QLocale().toString(value, 'f', 1);
}

void HintWindow::showChoices(const QString& name, const std::vector<ValuedChoice>& choices) {
    Values->clear();
    if (choices.empty()) {
        //: %1 is the player's name.
        showMessage(tr("%1 has nothing left to choose.").arg(name));
        return;
    }
    // Best first; equal values keep their order.
    std::vector<ValuedChoice> sorted = choices;
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [](const ValuedChoice& a, const ValuedChoice& b) { return a.value > b.value; });
    for (const ValuedChoice& c : sorted)
        new QTreeWidgetItem(Values, {choiceText(c.choice), valueText(c.value)});
    if (QTreeWidgetItem* best = Values->topLevelItem(0)) {
        QFont bold = best->font(0);
        bold.setBold(true);
        best->setFont(0, bold);
        best->setFont(1, bold);
    }
    for (int i = 0; i < Values->topLevelItemCount(); ++i)
        Values->topLevelItem(i)->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    //: %1 is the player's name, %2 a choice such as "Roll all dice", %3 the expected final score.
    Heading->setText(
        tr("%1: best is %2, for %3 in the end on average.")
            .arg(name, choiceText(sorted.front().choice), valueText(sorted.front().value)));
    widenToChoices();
}

void HintWindow::showWorking() {
    showMessage(tr("Working out the best moves; the hint follows in a few seconds."));
}

void HintWindow::showMessage(const QString& text) {
    Values->clear();
    Heading->setText(text);
}

void HintWindow::widenToChoices() {
    int needed = 0;
    for (int column = 0; column < Values->columnCount(); ++column) {
        int widest = Values->header()->sectionSizeHint(column);
        for (int row = 0; row < Values->topLevelItemCount(); ++row)
            widest = std::max(
                widest, Values->sizeHintForIndex(Values->model()->index(row, column)).width());
        needed += widest;
    }
    const int more = needed - Values->viewport()->width();
    if (more <= 0) return;
    int wanted = width() + more;
    if (const QScreen* room = screen())
        wanted = std::min(wanted,
                          room->availableGeometry().width() - (frameGeometry().width() - width()));
    resize(std::max(wanted, width()), height());
}
