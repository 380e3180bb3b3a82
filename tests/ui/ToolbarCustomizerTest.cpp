#include "ui/ToolbarCustomizer.h"

#include "board/Fonts.h"
#include "support/ScriptedModals.h"
#include "ui/ToolbarEntries.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

namespace {

QStringList keys(const char* list) {
    return QString::fromLatin1(list).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

const QStringList kDesigned = keys("New,Scores,Separator,Open,Save,Separator3,Quit,Sounds,HELP");

// The toolbar as a list of names: each action's object name, "|" for a
// separator.
QString toolbarText(const QToolBar& toolbar) {
    QStringList names;
    for (const QAction* action : toolbar.actions())
        names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    return names.join(QLatin1Char(','));
}

void setShown(ToolbarCustomizer& dialog, const QString& key, bool shown) {
    // Space on the selected row ticks or clears its box, as a player would.
    dialog.EntryList->setCurrentRow(dialog.rowOf(key));
    QTest::keyClick(dialog.EntryList, Qt::Key_Space);
    QCOMPARE(dialog.EntryList->currentItem()->checkState(), shown ? Qt::Checked : Qt::Unchecked);
}

void select(ToolbarCustomizer& dialog, const QString& key) {
    dialog.EntryList->setCurrentRow(dialog.rowOf(key));
}

} // namespace

class ToolbarCustomizerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }

    // The nine designed entries shown, then Hint, Tile and Cascade, which the
    // player may add.
    void listsTheEntriesInToolbarOrder() {
        ToolbarCustomizer dialog(designedToolbarLayout());
        QCOMPARE(dialog.objectName(), QStringLiteral("ToolbarCustomizer"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Customize Toolbar"));
        QCOMPARE(dialog.EntryList->count(), 12);
        for (int row = 0; row < 12; ++row) {
            const QListWidgetItem* item = dialog.EntryList->item(row);
            const ToolbarEntry& entry = toolbarEntries()[row];
            QCOMPARE(item->text(), entry.description);
            QCOMPARE(item->checkState(), row < 9 ? Qt::Checked : Qt::Unchecked);
            QVERIFY(!item->icon().isNull());
            if (!entry.isSeparator()) QVERIFY(!item->icon().pixmap(24, 24).toImage().isNull());
        }
        QCOMPARE(dialog.layout(), kDesigned);
        QVERIFY(!dialog.MoveUpButton->isEnabled()); // the first row is selected
        QVERIFY(dialog.MoveDownButton->isEnabled());
    }

    void hiddenEntriesFollowTheShownOnes() {
        ToolbarCustomizer dialog(keys("Quit,New,Separator3"));
        QStringList rows;
        for (int row = 0; row < dialog.EntryList->count(); ++row) {
            const QListWidgetItem* item = dialog.EntryList->item(row);
            rows << item->data(Qt::UserRole).toString() +
                        (item->checkState() == Qt::Checked ? "+" : "-");
        }
        QCOMPARE(rows.join(','), QStringLiteral("Quit+,New+,Separator3+,Scores-,Separator-,Open-,"
                                                "Save-,Sounds-,HELP-,Hint-,Tile-,Cascade-"));
    }

    void startingLayoutsAreSanitised_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("designed") << kDesigned << kDesigned;
        QTest::newRow("unknown keys dropped") << keys("Quit,Bogus,New") << keys("Quit,New");
        QTest::newRow("duplicates kept once") << keys("Save,Save,Open,Save") << keys("Save,Open");
        QTest::newRow("keys in any case")
            << keys("help,SOUNDS,separator3") << keys("HELP,Sounds,Separator3");
        QTest::newRow("nothing usable") << keys("Bogus,Other") << kDesigned;
    }
    void startingLayoutsAreSanitised() {
        QFETCH(QStringList, given);
        QFETCH(QStringList, shown);
        ToolbarCustomizer dialog(given);
        QCOMPARE(dialog.layout(), shown);
        QCOMPARE(dialog.EntryList->count(), 12);
    }

    void theHintIsAddedAtTheEnd() {
        ToolbarCustomizer dialog(designedToolbarLayout());
        dialog.show();
        QSignalSpy changes(&dialog, &ToolbarCustomizer::layoutChanged);
        setShown(dialog, QStringLiteral("Hint"), true);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.at(0).at(0).toStringList(), kDesigned + keys("Hint"));
    }

    void hidingHelpIsReportedAtOnce() {
        ToolbarCustomizer dialog(designedToolbarLayout());
        dialog.show();
        QSignalSpy changes(&dialog, &ToolbarCustomizer::layoutChanged);
        setShown(dialog, QStringLiteral("HELP"), false);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.at(0).at(0).toStringList(), keys("New,Scores,Separator,Open,Save,"
                                                          "Separator3,Quit,Sounds"));
        setShown(dialog, QStringLiteral("HELP"), true);
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes.at(1).at(0).toStringList(), kDesigned);
    }

    void movingQuitToTheFrontReportsEveryStep() {
        ToolbarCustomizer dialog(designedToolbarLayout());
        QSignalSpy changes(&dialog, &ToolbarCustomizer::layoutChanged);
        select(dialog, QStringLiteral("Quit"));
        int clicks = 0;
        while (dialog.MoveUpButton->isEnabled() && clicks < 20) {
            QTest::mouseClick(dialog.MoveUpButton, Qt::LeftButton);
            ++clicks;
        }
        QCOMPARE(clicks, 6);
        QCOMPARE(changes.size(), 6);
        QCOMPARE(changes.at(0).at(0).toStringList(),
                 keys("New,Scores,Separator,Open,Save,Quit,Separator3,Sounds,HELP"));
        QCOMPARE(dialog.layout(),
                 keys("Quit,New,Scores,Separator,Open,Save,Separator3,Sounds,HELP"));
        QCOMPARE(changes.last().at(0).toStringList(), dialog.layout());
        QCOMPARE(dialog.EntryList->currentRow(), 0); // the moved entry stays selected

        QTest::mouseClick(dialog.MoveDownButton, Qt::LeftButton);
        QCOMPARE(dialog.layout(),
                 keys("New,Quit,Scores,Separator,Open,Save,Separator3,Sounds,HELP"));
        QCOMPARE(changes.size(), 7);
    }

    void theLastEntryCannotMoveDown() {
        ToolbarCustomizer dialog(designedToolbarLayout());
        select(dialog, QStringLiteral("Cascade"));
        QVERIFY(dialog.MoveUpButton->isEnabled());
        QVERIFY(!dialog.MoveDownButton->isEnabled());
    }

    void movingAHiddenEntryChangesNothingUntilItIsShown() {
        ToolbarCustomizer dialog(keys("New,Open"));
        dialog.show();
        QSignalSpy changes(&dialog, &ToolbarCustomizer::layoutChanged);
        select(dialog, QStringLiteral("HELP"));
        while (dialog.rowOf(QStringLiteral("HELP")) > 1)
            QTest::mouseClick(dialog.MoveUpButton, Qt::LeftButton);
        QCOMPARE(changes.size(), 0);
        setShown(dialog, QStringLiteral("HELP"), true);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(dialog.layout(), keys("New,HELP,Open"));
    }

    void draggingAnEntryIsReported() {
        ToolbarCustomizer dialog(designedToolbarLayout());
        QSignalSpy changes(&dialog, &ToolbarCustomizer::layoutChanged);
        // A drop within the list moves the row in its model, as this does.
        QVERIFY(dialog.EntryList->model()->moveRow(QModelIndex(), dialog.rowOf("Sounds"),
                                                   QModelIndex(), 0));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(dialog.layout(),
                 keys("Sounds,New,Scores,Separator,Open,Save,Separator3,Quit,HELP"));
    }

    void resetBringsBackTheDesignedLayout() {
        ToolbarCustomizer dialog(keys("Quit,New"));
        QSignalSpy changes(&dialog, &ToolbarCustomizer::layoutChanged);
        QTest::mouseClick(dialog.ResetButton, Qt::LeftButton);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.at(0).at(0).toStringList(), kDesigned);
        QCOMPARE(dialog.layout(), kDesigned);
        QCOMPARE(dialog.EntryList->item(0)->text(), QStringLiteral("New game"));
        // Already designed: nothing to report.
        QTest::mouseClick(dialog.ResetButton, Qt::LeftButton);
        QCOMPARE(changes.size(), 1);
    }

    void runsModallyAndHandsBackTheLayout() {
        ScriptedModals modals;
        QList<QStringList> heard;
        modals.then([](QDialog& dialog) {
            auto& customizer = static_cast<ToolbarCustomizer&>(dialog);
            setShown(customizer, QStringLiteral("HELP"), false);
            select(customizer, QStringLiteral("Quit"));
            while (customizer.MoveUpButton->isEnabled())
                QTest::mouseClick(customizer.MoveUpButton, Qt::LeftButton);
            if (const QString folder = qEnvironmentVariable("VORKA_SNAPSHOT_DIR");
                !folder.isEmpty())
                dialog.grab().save(folder + "/customize-toolbar.png");
            QTest::mouseClick(customizer.CloseButton, Qt::LeftButton);
        });
        const QStringList result =
            customizeToolbar(modals, nullptr, designedToolbarLayout(),
                             [&heard](const QStringList& now) { heard << now; });
        QCOMPARE(modals.shown, QStringList{QStringLiteral("ToolbarCustomizer")});
        const QStringList expected = keys("Quit,New,Scores,Separator,Open,Save,Separator3,Sounds");
        QCOMPARE(result, expected);
        QCOMPARE(heard.size(), 7); // the hiding and six moves
        QCOMPARE(heard.last(), expected);
    }

    void applyingALayout_data() {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<QString>("toolbar");
        QTest::newRow("designed") << kDesigned << "New,Scores,|,Open,Save,|,Quit,Sounds,HELP";
        QTest::newRow("quit first, no help")
            << keys("Quit,New,Scores,Separator,Open,Save,Separator3,Sounds")
            << "Quit,New,Scores,|,Open,Save,|,Sounds";
        QTest::newRow("unknown and duplicate keys")
            << keys("Save,Bogus,save,Separator,HELP,help") << "Save,|,HELP";
        QTest::newRow("everything hidden") << QStringList{} << "";
    }
    void applyingALayout() {
        QFETCH(QStringList, layout);
        QFETCH(QString, toolbar);
        QToolBar bar;
        QHash<QString, QAction*> actions;
        for (const ToolbarEntry& entry : toolbarEntries()) {
            if (entry.isSeparator()) continue;
            auto* action = new QAction(entry.caption, &bar);
            action->setObjectName(entry.key);
            actions.insert(entry.key, action);
        }
        bar.addAction(actions.value("Open")); // whatever was there before goes
        applyToolbarLayout(&bar, layout, actions);
        QCOMPARE(toolbarText(bar), toolbar);
    }

    void applyingAgainLeavesNoStraySeparators() {
        QToolBar bar;
        QAction help(QStringLiteral("&Help"));
        help.setObjectName(QStringLiteral("HELP"));
        const QHash<QString, QAction*> actions{{QStringLiteral("HELP"), &help}};
        for (int i = 0; i < 5; ++i) applyToolbarLayout(&bar, kDesigned, actions);
        QCOMPARE(toolbarText(bar), QStringLiteral("|,|,HELP"));
        int separators = 0;
        for (const QAction* action : bar.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
            separators += action->isSeparator();
        QCOMPARE(separators, 2);
        // A separator someone else put there is left alone.
        QAction* own = bar.addSeparator();
        applyToolbarLayout(&bar, keys("HELP"), actions);
        QCOMPARE(toolbarText(bar), QStringLiteral("HELP"));
        QVERIFY(bar.findChildren<QAction*>().contains(own));
    }

    void actionsAreFoundWhateverTheCaseOfTheirKeys() {
        QToolBar bar;
        QAction help;
        help.setObjectName(QStringLiteral("HELP"));
        applyToolbarLayout(&bar, keys("HELP"), {{QStringLiteral("Help"), &help}});
        QCOMPARE(toolbarText(bar), QStringLiteral("HELP"));
    }
};

QTEST_MAIN(ToolbarCustomizerTest)
#include "ToolbarCustomizerTest.moc"
